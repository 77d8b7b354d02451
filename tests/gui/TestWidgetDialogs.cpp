// The real message boxes and file dialogs, answered as they show: Qt's own texts follow
// the program's language, a failure is a warning, and the PDF file dialog of a print.

#include "gui/app/Dialogs.h"
#include "gui/app/QtTranslations.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace zelmora::test {
namespace {

// Runs `act` on the next modal dialog of kind `Dialog` as soon as it shows.
template <class Dialog>
void whenShown(std::function<void(Dialog&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start();
}

struct BoxSeen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString cancel;
};

// Asks `ask` and answers Cancel, telling what the box showed.
BoxSeen answerCancel(const std::function<bool()>& ask)
{
    BoxSeen seen;
    whenShown<QMessageBox>([&seen](QMessageBox& box) {
        seen.icon = box.icon();
        seen.cancel = box.button(QMessageBox::Cancel)->text();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(ask());
    return seen;
}

TEST(WidgetDialogs, QtsButtonsSpeakTheProgramsLanguageAndAFailureIsAWarning)
{
    ASSERT_TRUE(QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm")))
        << "Qt's French texts (qt6-translations-l10n) are needed: make test installs them";
    gui::QtTranslations qtTexts;
    gui::WidgetDialogs dialogs;
    qtTexts.use(Language::French);
    const BoxSeen failure = answerCancel([&] { return dialogs.askAfterFailure("Impossible de sauvegarder..."); });
    EXPECT_EQ(failure.icon, QMessageBox::Warning);
    EXPECT_EQ(failure.cancel, QStringLiteral("Annuler"));

    qtTexts.use(Language::English);
    const BoxSeen question = answerCancel([&] { return dialogs.askOkCancel("Validate?"); });
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(question.cancel, QStringLiteral("Cancel"));
}

TEST(WidgetDialogs, ThePdfFileOfAPrintIsProposedByNameInTheFolderUsedLast)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog shows instead of a file dialog";
    }
    TempFolder folder;
    const QString chosen = QDir(QString::fromStdString(folder.path().string())).filePath(QStringLiteral("cards.pdf"));
    const gui::FileChoice card{QStringLiteral("MARTIN Paul.pdf"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                               QStringLiteral("Print to a PDF file")};
    gui::WidgetDialogs dialogs;
    QPrinter printer;
    QString title;
    QString proposed;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        proposed = QDir(dialog.directory()).filePath(dialog.selectedFiles().value(0));
        dialog.selectFile(chosen);
        QMetaObject::invokeMethod(&dialog, "accept"); // as the Save button does
    });
    ASSERT_TRUE(dialogs.choosePrinter(printer, card));
    EXPECT_EQ(title, QStringLiteral("Print to a PDF file"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(proposed).absolutePath(), QDir(documents).exists() ? documents : QDir::homePath());
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("MARTIN Paul.pdf"));
    EXPECT_EQ(printer.outputFileName(), chosen);
    EXPECT_EQ(printer.docName(), QStringLiteral("MARTIN Paul"));

    QString folderShown;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        folderShown = dialog.directory().absolutePath();
        dialog.reject();
    });
    EXPECT_FALSE(dialogs.choosePrinter(printer, card));
    EXPECT_EQ(folderShown, QFileInfo(chosen).absolutePath());
}

TEST(WidgetDialogs, ADialogThatBelongsToAWindowIsModalToItAlone)
{
    QWidget window;
    QDialog owned;
    QDialog alone;
    window.winId();
    owned.winId();
    owned.windowHandle()->setTransientParent(window.windowHandle());
    gui::WidgetDialogs dialogs;
    for (QDialog* dialog : {&owned, &alone}) {
        Qt::WindowModality modality = Qt::NonModal;
        whenShown<QDialog>([&modality](QDialog& shown) {
            modality = shown.windowModality();
            shown.reject();
        });
        dialogs.showModal(*dialog);
        EXPECT_EQ(modality, dialog == &owned ? Qt::WindowModal : Qt::ApplicationModal);
    }
}

} // namespace
} // namespace zelmora::test
