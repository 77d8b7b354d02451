#include "gui/app/ContactImport.h"

#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/FriendImporter.h"
#include "gui/widgets/QtText.h"

namespace zelmora::gui {

void ContactImport::run()
{
    if (m_session.settlePendingEdit() == CardSession::Settled::StillPending) {
        return; // the card could not be written: the user was told why
    }
    const FileChoice choice{fromPath(m_dataFolder),
                            fromCp1252(LangText(lang::ContactFiles, m_language))
                                + QStringLiteral(" (*.vcf *.VCF *.csv *.CSV)"),
                            QStringLiteral("vcf")};
    const std::optional<QString> file = m_dialogs.chooseFileToOpen(choice);
    if (!file || file->isEmpty()) {
        return;
    }
    // The whole file is read before the friends are touched: a bad file, or Cancel, changes nothing.
    const ParsedContacts contacts = read(toPath(*file));
    if (!contacts.status.ok) {
        m_dialogs.tell(contacts.status.message);
        return;
    }
    add(contacts);
}

ParsedContacts ContactImport::read(const std::filesystem::path& file) const
{
    const Language language = m_language;
    ParsedContacts contacts;
    m_dialogs.runWithProgress({fromCp1252(LangText(lang::ReadingContacts, language)),
                               fromCp1252(LangText(lang::Cancel, language)), [&](JobProgress& progress) {
                                   const ImportProgress followed{[&progress](std::size_t done, std::size_t total) {
                                                                     progress.total = total;
                                                                     progress.done = done;
                                                                 },
                                                                 &progress.cancelled};
                                   contacts = ReadContactFile(file, language, followed);
                               }});
    return contacts;
}

void ContactImport::add(const ParsedContacts& contacts)
{
    ImportReport report;
    const FriendsStore::Outcome saved = m_session.changeFriends([&](FriendTable& table, DisplayOptions&) {
        report = FriendImporter(FriendImporter::Duplicates::Skip).import(table, contacts);
        return report.imported.empty() ? Status::failure({}) : Status::success(); // nothing new, nothing written
    });
    std::string message = report.summary(m_language);
    for (const std::string& line : report.details(m_language)) {
        message.append("\n").append(line);
    }
    if (!saved.status.message.empty()) {
        message.append("\n\n").append(saved.status.message);
    }
    m_dialogs.tell(message);
}

} // namespace zelmora::gui
