#include "gui/app/ZelmoraApp.h"

#include "core/base/Cp1252.h"
#include "core/platform/FolderLock.h"
#include "core/platform/Folders.h"
#include "core/sync/SyncFollower.h"
#include "gui/app/AboutForm.h"
#include "gui/app/DatesPage.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LangForm.h"
#include "gui/app/OptionPages.h"
#include "gui/app/OptsForm.h"
#include "gui/app/SyncControl.h"
#include "gui/app/WindowReminders.h"
#include "gui/app/ZelmoraForm.h"
#include "gui/appearance/ProgramIcon.h"
#include "gui/widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QWindow>
#include <QMenu>
#include <QAbstractButton>
#include <QPushButton>
#include <QTabWidget>

namespace zelmora::gui {

namespace {

const QString ProductTitle = QStringLiteral("Zelmora v3.0");

// The buttons that take the chosen shape, window by window, in the order they are shaped.
struct ShapedButtons {
    QWidget* window;
    std::span<const char* const> names;
};

constexpr const char* AboutButtons[] = {"OKButton", "EMailButton", "WebButton"};
constexpr const char* MainButtons[] = {"BitBtn1",  "BitBtn2",  "BitBtn3",  "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7",
                                       "BitBtn8",  "BitBtn10", "BitBtn11", "BitBtn12", "Button1", "Button2", "Button3",
                                       "Button4",  "Button5",  "Button6",  "NewName", "DeleteName", "FillFetes"};

} // namespace

ZelmoraApp::ZelmoraApp(const WindowEnvironment& environment)
    : m_environment(environment),
      m_settings(environment.dataFolder / SettingsFileName, m_writer),
      m_store(environment.dataFolder, m_options.language, m_writer),
      m_session(m_store, environment.dialogs, m_options.language),
      m_outputWriter(m_writer, environment.dataFolder, m_options.language),
      m_goToWeb2(environment.webLauncher),
      m_printing(environment.clock, m_store.table(), environment.dialogs, environment.dataFolder, m_options.language),
      m_exporter(m_store.table(), m_store.options(), m_options.language, environment.clock, environment.dialogs,
                 m_outputWriter, environment.fileOpener, environment.dataFolder),
      m_contactImport(m_session, environment.dialogs, environment.dataFolder, m_options.language),
      m_fetesFiller(m_session, environment.dialogs, m_options.language)
{
    m_session.setListener(&m_signals);
    m_store.follow(syncFollower(environment.dataFolder, m_writer)); // a friend edited here stays its card on the server
    QCoreApplication::setApplicationName(QStringLiteral("Zelmora vx.y"));
    m_goToWeb2.BrowserState = TBrowserState::gwNormal;
    m_reminders = std::make_unique<WindowReminders>(
        ReminderSurroundings{environment.dataFolder, environment.clock, environment.dialogs, m_writer, m_store.table(),
                             m_options.language, m_signals},
        environment.notifications, m_trayIcon);
    // The windows, once and for the whole run, in this order.
    m_form = std::make_unique<ZelmoraForm>(m_session, m_signals, m_store.options(), m_options.language,
                                           m_reminders->settings().leapDay, environment.clock);
    m_aboutForm = std::make_unique<AboutForm>(environment.webLauncher, environment.dialogs, m_options.language);
    m_optsForm = std::make_unique<OptsForm>();
    m_langForm = std::make_unique<LangForm>();
    m_helpWindow = std::make_unique<HelpWindow>();
    m_syncControl = std::make_unique<SyncControl>(m_store, m_session, m_writer, m_options.language, environment.clock,
                                                  environment.dialogs);
    for (QWidget* form : {static_cast<QWidget*>(m_optsForm.get()), static_cast<QWidget*>(m_aboutForm.get()),
                          static_cast<QWidget*>(m_form.get())}) {
        m_backgrounds.addForm(*form);
    }
    connectMainWindow();
    connectDialogs();
    connectTray();

    m_watchDelay.setSingleShot(true);
    m_watchDelay.setInterval(300);
    connect(&m_watchDelay, &QTimer::timeout, this, &ZelmoraApp::readFileAgainIfChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watchDelay, qOverload<>(&QTimer::start));

    m_retryDelay.setInterval(1000);
    connect(&m_retryDelay, &QTimer::timeout, this, &ZelmoraApp::retryWaitingCard);
    connect(&m_signals, &SessionSignals::cardUpdated, this, [this] {
        if (m_session.isWaitingToWrite() != m_retryDelay.isActive()) {
            m_session.isWaitingToWrite() ? m_retryDelay.start() : m_retryDelay.stop();
        }
    });
}

ZelmoraApp::~ZelmoraApp() = default;

void ZelmoraApp::connectMainWindow()
{
    ZelmoraForm& form = *m_form;
    form.onClose = [this] {
        const CloseOutcome outcome = m_closer.CloseMainWindow(*this, inTray());
        if (outcome == CloseOutcome::End) {
            m_trayIcon.hide();
            QCoreApplication::quit();
        }
        return outcome;
    };
    const auto tellIfFailed = [this](const Status& status) {
        if (!status.ok) {
            m_environment.dialogs.tell(status.message);
        }
    };
    connect(&form, &ZelmoraForm::webSiteWanted, this, [this, tellIfFailed](const std::string& address) {
        m_goToWeb2.Url = address;
        m_goToWeb2.MessageLanguage = m_options.language;
        tellIfFailed(m_goToWeb2.OpenUrl());
    });
    connect(&form, &ZelmoraForm::mailWanted, this, [this, tellIfFailed](const std::string& address) {
        m_goToWeb2.EMailSubject = "Zelmora v3.0";
        m_goToWeb2.EMail = address;
        m_goToWeb2.MessageLanguage = m_options.language;
        tellIfFailed(m_goToWeb2.SendMail());
    });
    connect(&form, &ZelmoraForm::printCardWanted, this, [this](int line) { m_printing.cards().printFriendCard(line); });
    connect(&form, &ZelmoraForm::printDateWanted, this, [this](std::uint16_t count, int line, std::uint16_t slot) {
        m_printing.cards().printDateEntry(count, line, slot);
    });
    connect(&form, &ZelmoraForm::printAllWanted, this, [this] { m_printing.cards().printAllFriends(); });
    connect(&form, &ZelmoraForm::textExportWanted, this, [this] { m_exporter.BitBtn3Click(); });
    connect(&form, &ZelmoraForm::htmlExportWanted, this, [this] { m_exporter.BitBtn8Click(); });
    connect(&form, &ZelmoraForm::vCardExportWanted, this, [this] { m_exporter.exportAs(ExportKind::VCard); });
    connect(&form, &ZelmoraForm::calendarExportWanted, this, [this] { m_exporter.exportAs(ExportKind::Calendar); });
    connect(&form, &ZelmoraForm::csvExportWanted, this, [this] { m_exporter.exportAs(ExportKind::Csv); });
    connect(&form, &ZelmoraForm::vCardImportWanted, this, [this] { m_contactImport.run(); });
    connect(&form, &ZelmoraForm::fillFetesWanted, this, [this] { m_fetesFiller.run(m_form.get()); });
    connect(&form, &ZelmoraForm::displayOptionsChosen, this,
            [this](const DisplayOptions& options) { m_session.chooseDisplayOptions(options); });
    connect(&form, &ZelmoraForm::helpWanted, this, [this] { m_helpWindow->ShowHelp(m_options.language); });
    connect(&form, &ZelmoraForm::aboutWanted, this, [this] { showOverMainWindow(*m_aboutForm); });
    connect(&form, &ZelmoraForm::optionsWanted, this, [this] { showOverMainWindow(*m_optsForm); });
}

void ZelmoraApp::connectDialogs()
{
    OptsForm& options = *m_optsForm;
    connect(&options, &OptsForm::languageChosen, this, &ZelmoraApp::chooseLanguage);
    connect(&options, &OptsForm::startAutoChosen, this, &ZelmoraApp::chooseStartAuto);
    connect(&options, &OptsForm::trayIconChosen, this, &ZelmoraApp::chooseTrayIcon);
    connect(&options, &OptsForm::buttonDesignChosen, this, &ZelmoraApp::chooseButtonShape);
    connect(&options, &OptsForm::backgroundChosen, this, &ZelmoraApp::chooseBackground);
    // After the dialog's OK the answer to a failed save changes nothing: the dialog closes.
    connect(&options, &OptsForm::okChosen, this, [this] { saveSettingsUnderLock(); });
    connect(&options, &OptsForm::remindersWanted, this, [this] { m_reminders->editSettings(m_optsForm.get()); });
    connect(m_langForm.get(), &LangForm::languageChosen, this, &ZelmoraApp::chooseLanguage);
    connect(&options, &OptsForm::synchronisationWanted, this, [this] { m_syncControl->openDialog(); });
    connect(&m_signals, &SessionSignals::friendsUpdated, &m_syncControl->sync(), &BackgroundSync::friendsChanged);
}

void ZelmoraApp::connectTray()
{
    m_trayIcon.setIcon(programIcon());
    // No menu of the icon's own, which would open before the right click closed the windows
    // (and close with them): the click closes them, then opens the menu.
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) {
            CloseSecondaryWindows(); // saves, as every close does
            showMainWindow();
        } else if (reason == QSystemTrayIcon::Trigger) {
            showMainWindow(); // where one click is how a tray icon opens its program
        } else if (reason == QSystemTrayIcon::Context) {
            CloseSecondaryWindows();
            m_form->PopupTrayIcon->popup(QCursor::pos());
        }
    });
    connect(m_reminders.get(), &WindowReminders::friendWanted, this, &ZelmoraApp::showFriendsDates);
    connect(m_reminders.get(), &WindowReminders::datesChanged, this, [this] {
        m_form->datesPage->BuildDatesList(m_environment.clock);
        m_trayIcon.setToolTip(m_reminders->trayToolTip());
    });
    connect(m_form->Popup1, &QAction::triggered, this, &ZelmoraApp::showMainWindow);
    connect(m_form->Popup2, &QAction::triggered, this, [this] { m_aboutForm->show(); });
    connect(m_form->Popup4, &QAction::triggered, this, [this] { m_helpWindow->ShowHelp(m_options.language); });
    connect(m_form->Popup5, &QAction::triggered, this, [this] {
        m_closer.QuitRequested = true;
        m_form->close();
    });
}

void ZelmoraApp::start()
{
    LoadSettings();
    m_reminders->loadSettings();
    LoadDatabase();
    m_syncControl->sync().start();
    UpdateTrayIcon();
    m_watcher.addPath(fromPath(m_environment.dataFolder));
    m_reminders->start();
    if (!inTray()) {
        m_form->show();
    }
}

void ZelmoraApp::LoadSettings()
{
    const SettingsLoad loaded = m_settings.LoadSettings(m_options);
    m_FirstStart = loaded != SettingsLoad::Read;
    m_storedLanguage = m_options.language;
    if (loaded == SettingsLoad::Damaged) {
        m_environment.dialogs.tell(LangText(lang::SettingsDamaged, Language::English));
    }
    if (m_environment.language) {
        m_options.language = *m_environment.language;
    }
    m_optsForm->showOptions(m_options);
    QCoreApplication::setApplicationName(ProductTitle);
    m_aboutForm->setVersion(QStringLiteral("v3.0"));
    ApplyLanguage();
    ApplyAutoStart();
    ApplyButtonDesign();
    m_backgrounds.SelectBackground(m_options.background);
    m_closer.QuitRequested = false;
    if (!inTray() && m_FirstStart) {
        m_environment.dialogs.showModal(*m_langForm);
        m_environment.dialogs.showModal(*m_aboutForm);
    }
}

void ZelmoraApp::LoadDatabase()
{
    const LoadResult loaded = m_store.open();
    if (!loaded.message.empty()) {
        m_environment.dialogs.tell(loaded.message);
    }
    m_session.loaded();
    m_form->showData();
}

void ZelmoraApp::ApplyLanguage()
{
    const Language language = m_options.language;
    m_qtTexts.use(language);
    m_form->ApplyLanguage(language);
    m_aboutForm->ApplyLanguage(language);
    m_optsForm->ApplyLanguage(language);
    m_syncControl->dialog().ApplyLanguage(language);
    m_printing.ApplyLanguage(language);
    m_trayIcon.setToolTip(m_reminders->trayToolTip());
}

void ZelmoraApp::ApplyAutoStart()
{
    const Status applied = zelmora::ApplyAutoStart(m_options.startAtLogin, m_environment.executable,
                                                   m_environment.dataFolder, m_environment.autoStart, m_options.language);
    if (!applied.ok) {
        m_environment.dialogs.tellFailure(applied.message);
    }
}

void ZelmoraApp::ApplyButtonDesign()
{
    const ShapedButtons shaped[] = {
        {m_optsForm.get(), OptsForm::Buttons},
        {m_aboutForm.get(), AboutButtons},
        {m_form.get(), MainButtons},
        {m_form.get(), ExchangeButtons},
    };
    for (const ShapedButtons& window : shaped) {
        for (const char* name : window.names) {
            ShapeButton(*window.window->findChild<QAbstractButton*>(QLatin1String(name)), m_options.buttonShape);
        }
    }
}

bool ZelmoraApp::inTray() const { return m_options.trayIcon && m_environment.trayAvailable; }

void ZelmoraApp::UpdateTrayIcon()
{
    if (m_options.trayIcon && !m_environment.trayAvailable && !m_toldNoTray) {
        m_toldNoTray = true; // once: the window stays reachable, closing it ends the program
        m_environment.dialogs.tell(LangText(lang::NoNotificationArea, m_options.language));
    }
    m_trayIcon.setVisible(inTray());
}

void ZelmoraApp::showFriendsDates(std::uint16_t slot)
{
    showMainWindow();
    m_form->ListeChoix->setCurrentWidget(m_form->datesPage);
    m_form->datesPage->selectFriendLine(slot);
}

void ZelmoraApp::chooseLanguage(Language language)
{
    if (language == m_options.language) {
        return;
    }
    m_options.language = language;
    m_optsForm->showOptions(m_options);
    ApplyLanguage();
}

void ZelmoraApp::chooseStartAuto(bool on)
{
    m_options.startAtLogin = on;
    ApplyAutoStart();
}

void ZelmoraApp::chooseTrayIcon(bool on)
{
    m_options.trayIcon = on;
    UpdateTrayIcon();
}

void ZelmoraApp::chooseButtonShape(ButtonShape shape)
{
    m_options.buttonShape = shape;
    ApplyButtonDesign();
}

void ZelmoraApp::chooseBackground(std::uint8_t background)
{
    m_options.background = background;
    m_backgrounds.SelectBackground(background);
}

void ZelmoraApp::showMainWindow()
{
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

void ZelmoraApp::showOverMainWindow(QDialog& dialog)
{
    // Modal to the main window alone: the tray icon must still hear the right click that
    // closes the dialog. Only while shown from it: alone, the dialog is centred on the screen.
    dialog.winId();
    dialog.windowHandle()->setTransientParent(m_form->windowHandle());
    m_environment.dialogs.showModal(dialog);
    dialog.windowHandle()->setTransientParent(nullptr);
}

void ZelmoraApp::CloseSecondaryWindows()
{
    m_reminders->closeSettings(); // it lies over the options dialog
    if (m_optsForm->isVisible()) {
        m_optsForm->reject(); // as if cancelled: its choices have already acted
    }
    m_aboutForm->close();
    m_form->close();
}

void ZelmoraApp::readFileAgainIfChanged()
{
    if (QApplication::activeModalWidget()) {
        m_watchDelay.start(); // not under a question the user is answering
        return;
    }
    m_session.readAgainIfChanged();
}

void ZelmoraApp::retryWaitingCard()
{
    if (!QApplication::activeModalWidget()) {
        m_session.retryWaitingWrite();
    }
}

void ZelmoraApp::settlePendingEdit() { m_session.settlePendingEdit(); }

SaveOutcome ZelmoraApp::saveSettingsUnderLock()
{
    ProgramOptions stored = m_options;
    if (m_environment.language && m_options.language == *m_environment.language) {
        stored.language = m_storedLanguage; // a language chosen for one run only
    }
    FolderLock lock;
    Status saved = lock.acquire(m_environment.dataFolder, m_options.language);
    if (saved.ok) {
        saved = m_settings.write(stored);
    }
    if (saved.ok) {
        return SaveOutcome::Saved;
    }
    return m_environment.dialogs.askAfterFailure(LangTextWithReason(lang::SettingsNotSaved, m_options.language, saved.message))
             ? SaveOutcome::FailedQuitAnyway
             : SaveOutcome::FailedStayOpen;
}

SaveOutcome ZelmoraApp::saveSettings() { return saveSettingsUnderLock(); }

SaveOutcome ZelmoraApp::saveDatabase() { return m_session.saveAtClose(); }

} // namespace zelmora::gui
