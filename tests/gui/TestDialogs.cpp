// The progress dialog of long work: the work runs on another thread, a quick job shows no
// dialog, and Cancel reaches the work.
#include "gui/app/Dialogs.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace zelmora::test {
namespace {

using namespace std::chrono_literals;

TEST(ProgressDialog, AQuickJobRunsOnAnotherThreadWithoutADialog)
{
    gui::WidgetDialogs dialogs;
    QThread* ranOn = nullptr;
    int dialogsSeen = 0;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] { dialogsSeen += QApplication::activeModalWidget() != nullptr; });
    look.start(10);
    dialogs.runWithProgress({QStringLiteral("Reading"), QStringLiteral("Cancel"),
                             [&](gui::JobProgress&) { ranOn = QThread::currentThread(); }});
    EXPECT_NE(ranOn, nullptr);
    EXPECT_NE(ranOn, QThread::currentThread());
    QTest::qWait(50);
    EXPECT_EQ(dialogsSeen, 0);
}

TEST(ProgressDialog, ALongJobShowsItsProgressAndCancelStopsIt)
{
    gui::WidgetDialogs dialogs;
    int shownValue = -1;
    QString shownLabel;
    // Once the dialog is up and has shown some progress, the user cancels.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->value() > 0) {
            shownValue = dialog->value();
            shownLabel = dialog->labelText();
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        }
    });
    user.start(20);
    bool sawCancel = false;
    dialogs.runWithProgress({QStringLiteral("Reading the contacts…"), QStringLiteral("&Cancel"),
                             [&](gui::JobProgress& progress) {
                                 progress.total = 100;
                                 progress.done = 40;
                                 const auto giveUp = std::chrono::steady_clock::now() + 10s;
                                 while (!progress.cancelled && std::chrono::steady_clock::now() < giveUp) {
                                     std::this_thread::sleep_for(5ms);
                                 }
                                 sawCancel = progress.cancelled;
                             }});
    EXPECT_TRUE(sawCancel);
    EXPECT_EQ(shownValue, 400); // 40 of 100, on a scale of a thousand
    EXPECT_EQ(shownLabel, QStringLiteral("Reading the contacts…"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace zelmora::test
