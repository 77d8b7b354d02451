#include "core/exchange/ContactParser.h"

#include "core/base/Cp1252.h"
#include "core/exchange/ContactFormat.h"
#include "core/exchange/ContactMapping.h"
#include "core/exchange/CsvContact.h"
#include "core/exchange/FileText.h"
#include "core/exchange/VCardContact.h"
#include "core/exchange/VCardReader.h"

namespace zelmora {

namespace {

// Maps each contact a reader gives, keeping those with a name, until the reader ends or the
// user cancels; false when cancelled.
template <typename Reader, typename ToContact>
bool readContacts(Reader& reader, ToContact toContact, std::size_t total, const ImportProgress& progress,
                  const ContactMapping& mapping, ParsedContacts& parsed)
{
    while (auto record = reader.next()) {
        if (progress.cancel && progress.cancel->load()) {
            return false;
        }
        if (parsed.friends.size() == ContactParser::MaxContacts) {
            ++parsed.report.beyondLimit;
        } else if (MappedFriend mapped = mapping.map(toContact(*record)); mapped.hasName()) {
            parsed.friends.push_back(std::move(mapped));
        } else {
            ++parsed.report.nameless;
        }
        if (progress.advanced) {
            progress.advanced(reader.position(), total);
        }
    }
    parsed.report.skippedLines = reader.skippedLines();
    return true;
}

} // namespace

ParsedContacts ContactParser::parse(std::string_view bytes, const ImportProgress& progress) const
{
    ParsedContacts parsed;
    FileText file = FileText::fromBytes(bytes);
    const ContactFormat format = ContactFormat::detect(file.text);
    const ContactMapping mapping(m_language);
    bool finished = false;
    if (format.isCsv()) {
        // A CSV file is UTF-8 (with or without a mark), else the Windows code page.
        const std::string text = file.wasUtf16 || isUtf8(file.text) ? std::move(file.text) : cp1252::toUtf8(file.text);
        CsvReader reader(text);
        reader.next(); // the header row
        const auto toContact = [&](const CsvRecord& record) { return CsvContact::fromRecord(record, format.csvColumns()); };
        finished = readContacts(reader, toContact, text.size(), progress, mapping, parsed);
    } else {
        VCardReader reader(file);
        finished = readContacts(reader, VCardContact::fromCard, file.text.size(), progress, mapping, parsed);
        if (finished && parsed.friends.empty() && parsed.report.nameless == 0) {
            parsed.status = Status::failure(std::string(LangText(lang::NoContactsInFile, m_language)));
        }
    }
    if (!finished) {
        parsed = ParsedContacts{Status::failure(std::string(LangText(lang::ImportCancelled, m_language))), true, {}, {}};
    }
    return parsed;
}

} // namespace zelmora
