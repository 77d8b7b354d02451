#pragma once
// The whole window program on a folder of its own, with dialogs the test answers, a
// clock standing on 8 December 2026 (tests move it), and a launcher and desktop
// notifications that only record.

#include "core/storage/DatabaseFile.h"
#include "core/data/FieldCodec.h"
#include "core/platform/AutoStart.h"
#include "core/platform/FileOpener.h"
#include "core/platform/FileWriter.h"
#include "core/web/WebLauncher.h"
#include "gui/app/ZelmoraApp.h"
#include "gui/app/DesktopNotifications.h"
#include "gui/app/ZelmoraForm.h"
#include "support/Friends.h"
#include "support/TempFolder.h"
#include "ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zelmora::test {

// A friend as the card stores one: dates not given are untouched masks.
inline TFriend person(std::string_view nom, std::string_view prenom,
               std::initializer_list<std::pair<FriendField, std::string_view>> others = {})
{
    TFriend f = makeFriend(nom, prenom, others);
    for (const FriendField date : {FriendField::Anniversaire, FriendField::Fete, FriendField::Date1, FriendField::Date2}) {
        if (fieldText(f, date).empty()) {
            fieldRef(f, date).assign("  /  /    ");
        }
    }
    return f;
}

// Types text as a keyboard would, accented letters and emoji included (QTest::keyClicks knows
// ASCII only): one key per character, an emoji's two code units in one key.
inline void type(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString key = text[i].isHighSurrogate() ? text.mid(i++, 2) : QString(text[i]);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

class RecordingLauncher : public WebLauncher {
public:
    Status launch(std::string_view address, TBrowserState) const override
    {
        launched.emplace_back(address);
        return Status::success();
    }
    mutable std::vector<std::string> launched;
};

class RecordingOpener : public FileOpener {
public:
    Status open(const std::filesystem::path& file, Kind) const override
    {
        opened.push_back(file);
        return Status::success();
    }
    mutable std::vector<std::filesystem::path> opened;
};

class RecordingAutoStart : public AutoStart {
public:
    Status apply(bool on, const StartCommand& command) const override
    {
        registered = on;
        started = command;
        return Status::success();
    }
    mutable std::optional<bool> registered; // what the last call asked for
    mutable StartCommand started;
};

struct ShownNotification {
    QString title;
    QString text;
    int tag;
};

class RecordingNotifications : public gui::DesktopNotifications {
public:
    bool available() override { return serviceRuns; }
    void show(const QString& title, const QString& text, int tag) override { shown.push_back({title, text, tag}); }
    // The texts shown, in order.
    QStringList texts() const
    {
        QStringList all;
        for (const ShownNotification& notification : shown) {
            all << notification.text;
        }
        return all;
    }
    bool serviceRuns = true;
    std::vector<ShownNotification> shown;
};

class WindowFixture : public ::testing::Test {
protected:
    // Writes the friends as the database file and ordinary settings, then starts the program.
    void start(std::initializer_list<TFriend> friends, std::optional<Language> language = std::nullopt)
    {
        writeSettings("00010"); // English, no tray: no first start
        writeFriends(friends);
        launch(language);
    }
    void writeSettings(std::string_view value)
    {
        std::string bytes;
        WriteField(bytes, value);
        ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.reg", bytes).ok);
    }
    void writeFriends(std::initializer_list<TFriend> friends)
    {
        const std::unique_ptr<FriendTable> table = makeTable(friends);
        ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", encodeDatabase(*table, {})).ok);
    }
    void launch(std::optional<Language> language = std::nullopt)
    {
        environment = std::make_unique<gui::WindowEnvironment>(
            gui::WindowEnvironment{folder.path(), clock, dialogs, launcher, opener, autoStart, "/opt/zelmora/bin/zelmora",
                                   trayAvailable, language, desktop});
        app = std::make_unique<gui::ZelmoraApp>(*environment);
        app->start();
        if (window().isVisible()) {
            window().activateWindow(); // keyboard shortcuts need an active window
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        }
    }
    gui::ZelmoraForm& window() { return app->mainWindow(); }
    // Opens a tab as a click on it would.
    void goTo(const char* page) { window().ListeChoix->setCurrentWidget(child<QWidget>(page)); }
    template <class Widget> Widget* child(const char* name)
    {
        auto* found = window().findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The lines of one of the window's lists, and choosing one as the user would.
    int lineCount(const char* list) { return child<QAbstractItemView>(list)->model()->rowCount(); }
    QString line(const char* list, int row)
    {
        const QAbstractItemModel* model = child<QAbstractItemView>(list)->model();
        return model->data(model->index(row, 0)).toString();
    }
    void chooseLine(const char* list, int row)
    {
        auto* view = child<QAbstractItemView>(list);
        view->setCurrentIndex(view->model()->index(row, 0));
    }
    int chosenLine(const char* list)
    {
        const QModelIndex current = child<QAbstractItemView>(list)->currentIndex();
        return current.isValid() ? current.row() : -1;
    }
    // The friends as the file holds them now.
    std::unique_ptr<FriendTable> stored()
    {
        auto table = std::make_unique<FriendTable>();
        DisplayOptions options;
        const AtomicFileWriter writer;
        DatabaseFile(folder / "Zelmor.dta", writer).LoadDatabase(*table, options, Language::English);
        return table;
    }

    TempFolder folder;
    FixedClock clock{LocalDate{2026, 12, 8}};
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    RecordingOpener opener;
    RecordingAutoStart autoStart;
    RecordingNotifications notifications;
    gui::DesktopNotifications* desktop = &notifications; // what the program is given
    bool trayAvailable = true;
    std::unique_ptr<gui::WindowEnvironment> environment;
    std::unique_ptr<gui::ZelmoraApp> app;

};

} // namespace zelmora::test
