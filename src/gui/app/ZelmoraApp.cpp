#include "gui/app/ZelmoraApp.h"

#include "core/base/Cp1252.h"
#include "core/platform/FolderLock.h"
#include "core/platform/Folders.h"
#include "gui/app/DatesPage.h"
#include "gui/app/ZelmoraForm.h"

#include <QApplication>
#include <QCoreApplication>

namespace zelmora::gui {

ZelmoraApp::ZelmoraApp(const WindowEnvironment& environment)
    : m_environment(environment),
      m_settings(environment.dataFolder / SettingsFileName, m_writer),
      m_database(environment.dataFolder / DatabaseFileName, m_writer),
      m_store(m_database, m_table, m_display, environment.dialogs, m_options.Langue),
      m_editor(m_table, m_store, environment.dialogs, m_options.Langue),
      m_goToWeb2(environment.webLauncher),
      m_printPlatform(environment.clock),
      m_printInstallation(m_printPlatform),
      m_prtForm(m_options.Langue),
      m_cardPrinter(m_prtForm, m_table, m_printPlatform.qtPrinter().qprinter(), environment.dialogs),
      m_exporter(m_table, m_display, m_options.Langue, environment.dialogs, m_writer, environment.fileOpener,
                 environment.dataFolder)
{
    QCoreApplication::setApplicationName(QStringLiteral("Zelmora vx.y"));
    m_goToWeb2.BrowserState = TBrowserState::gwNormal;
    m_form = std::make_unique<ZelmoraForm>(m_editor, m_table, m_dates, m_display, m_options.Langue,
                                           environment.clock);
    connectMainWindow();

    m_watchDelay.setSingleShot(true);
    m_watchDelay.setInterval(300);
    connect(&m_watchDelay, &QTimer::timeout, this, &ZelmoraApp::readFileAgainIfChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watchDelay, qOverload<>(&QTimer::start));
}

ZelmoraApp::~ZelmoraApp() = default;

void ZelmoraApp::connectMainWindow()
{
    ZelmoraForm& form = *m_form;
    form.onClose = [this] {
        const CloseOutcome outcome = m_closer.CloseMainWindow(*this, false);
        if (outcome == CloseOutcome::End) {
            QCoreApplication::quit();
        }
        return outcome;
    };
    connect(&form, &ZelmoraForm::webSiteWanted, this, [this](const std::string& address) {
        m_goToWeb2.Url = address;
        m_goToWeb2.MessageLanguage = m_options.Langue;
        tellIfFailed(m_goToWeb2.OpenUrl());
    });
    connect(&form, &ZelmoraForm::mailWanted, this, [this](const std::string& address) {
        m_goToWeb2.EMailSubject = "Zelmora v3.0";
        m_goToWeb2.EMail = address;
        m_goToWeb2.MessageLanguage = m_options.Langue;
        tellIfFailed(m_goToWeb2.SendMail());
    });
    connect(&form, &ZelmoraForm::printCardWanted, this,
            [this](int line) { m_cardPrinter.printFriendCard(line); });
    connect(&form, &ZelmoraForm::printDateWanted, this,
            [this](std::uint16_t count, int line, std::uint16_t slot) { m_cardPrinter.printDateEntry(count, line, slot); });
    connect(&form, &ZelmoraForm::printAllWanted, this, [this] { m_cardPrinter.printAllFriends(); });
    connect(&form, &ZelmoraForm::textExportWanted, this, [this] { m_exporter.BitBtn3Click(); });
    connect(&form, &ZelmoraForm::htmlExportWanted, this, [this] { m_exporter.BitBtn8Click(); });
    connect(&form, &ZelmoraForm::displayOptionsChanged, this, &ZelmoraApp::saveDisplayOptions);
}

void ZelmoraApp::start()
{
    LoadSettings();
    LoadDatabase();
    m_watcher.addPath(QString::fromStdString(m_environment.dataFolder.string()));
    m_form->show();
}

void ZelmoraApp::LoadSettings()
{
    const SettingsLoad loaded = m_settings.LoadSettings(m_options);
    m_storedLanguage = m_options.Langue;
    if (loaded == SettingsLoad::Damaged) {
        m_environment.dialogs.tell(LangText(lang::SettingsDamaged, Language::English));
    }
    if (m_environment.language) {
        m_options.Langue = *m_environment.language;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Zelmora v3.0"));
    ApplyLanguage();
    m_closer.QuitRequested = false;
}

void ZelmoraApp::ApplyLanguage()
{
    m_form->ApplyLanguage(m_options.Langue);
    m_prtForm.ApplyLanguage(m_options.Langue);
}

void ZelmoraApp::LoadDatabase()
{
    const LoadResult loaded = m_store.load();
    if (!loaded.message.empty()) {
        m_environment.dialogs.tell(loaded.message);
    }
    m_editor.loaded();
    m_form->showData();
}

void ZelmoraApp::showMainWindow()
{
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

void ZelmoraApp::tellIfFailed(const Status& status)
{
    if (!status.ok) {
        m_environment.dialogs.tell(status.message);
    }
}

void ZelmoraApp::saveDisplayOptions()
{
    const Status saved = m_store.update([this] { m_editor.reloaded(); }, [] {});
    if (!saved.ok) {
        m_environment.dialogs.tell(LangTextWithReason(lang::DatabaseNotSaved, m_options.Langue, saved.message));
    }
    m_form->refreshCard();
}

void ZelmoraApp::readFileAgainIfChanged()
{
    if (QApplication::activeModalWidget()) {
        m_watchDelay.start(); // not under a question the user is answering
        return;
    }
    if (m_store.changedOnDisk() && m_store.reload()) {
        m_editor.reloaded();
        m_form->showData();
    }
}

void ZelmoraApp::settlePendingEdit()
{
    m_editor.settlePendingEdit();
    m_form->refreshCard();
}

SaveOutcome ZelmoraApp::saveSettings()
{
    ProgramOptions stored = m_options;
    if (m_environment.language && m_options.Langue == *m_environment.language) {
        stored.Langue = m_storedLanguage; // a language chosen for one run only
    }
    FolderLock lock;
    if (const Status taken = lock.acquire(m_environment.dataFolder, m_options.Langue); !taken.ok) {
        return m_environment.dialogs.askOkCancel(LangTextWithReason(lang::SettingsNotSaved, m_options.Langue, taken.message))
                 ? SaveOutcome::FailedQuitAnyway
                 : SaveOutcome::FailedStayOpen;
    }
    return m_settings.SaveSettings(stored, m_environment.dialogs);
}

SaveOutcome ZelmoraApp::saveDatabase()
{
    return m_store.SaveDatabase([this] { m_editor.reloaded(); });
}

} // namespace zelmora::gui
