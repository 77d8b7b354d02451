#include "gui/app/Exporter.h"

#include "core/data/DateText.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/export/ExportFile.h"
#include "core/settings/ExtraSettings.h"
#include "gui/widgets/QtText.h"

#include <QDir>

namespace zelmora::gui {

namespace {

struct KindOfFile {
    std::uint16_t name; // language pair of the kind, for the dialog's filter
    const char* patterns;
    const char* suffix;
    const char* firstFile;
};

constexpr std::array<KindOfFile, 5> Kinds = {{
    {lang::TextFiles, " (*.TXT *.txt)", "TXT", "Friends.TXT"},
    {lang::HtmlFiles, " (*.HTM *.htm *.html)", "HTM", "Friends.HTM"},
    {lang::VCardFiles, " (*.vcf *.VCF)", "vcf", "Friends.vcf"},
    {lang::CalendarFiles, " (*.ics *.ICS)", "ics", "Friends.ics"},
    {lang::CsvFiles, " (*.csv *.CSV)", "csv", "Friends.csv"},
}};

const KindOfFile& kindOf(ExportKind kind) { return Kinds[static_cast<std::size_t>(kind)]; }

} // namespace

Exporter::Exporter(const FriendTable& table, const DisplayOptions& options, const Language& language,
                   const Clock& clock, Dialogs& dialogs, const FileWriter& writer, const FileOpener& opener,
                   const std::filesystem::path& dataFolder)
    : m_table(table), m_options(options), m_language(language), m_clock(clock), m_dialogs(dialogs),
      m_writer(writer), m_opener(opener), m_dataFolder(dataFolder)
{
    const QDir folder(fromPath(dataFolder));
    for (std::size_t i = 0; i < Kinds.size(); ++i) {
        m_proposed[i] = folder.filePath(QLatin1String(Kinds[i].firstFile));
    }
}

Status Exporter::write(ExportKind kind, const std::filesystem::path& file) const
{
    switch (kind) {
    case ExportKind::Text: return WriteTextExport(m_table, m_language, file, m_writer);
    case ExportKind::Html: return WriteHtmlExport(m_table, m_language, file, m_writer);
    case ExportKind::VCard: return WriteVCardExport(m_table, m_language, file, m_writer);
    case ExportKind::Csv: return WriteCsvExport(m_table, m_language, file, m_writer);
    case ExportKind::Calendar: break;
    }
    const ExtraSettings settings = loadExtraSettings(m_dataFolder, m_language).settings;
    const CalendarExport calendar = WriteCalendarExport(m_table, m_language, m_clock, settings, file, m_writer);
    if (calendar.status.ok && calendar.leftOut > 0) {
        m_dialogs.tell(std::string(LangText(lang::DatesLeftOutOfCalendar, m_language))
                       + NumToText(static_cast<std::int32_t>(calendar.leftOut)));
    }
    return calendar.status;
}

void Exporter::exportAs(ExportKind kind)
{
    const KindOfFile& kindOfFile = kindOf(kind);
    QString& proposed = m_proposed[static_cast<std::size_t>(kind)];
    const FileChoice choice{proposed, fromCp1252(LangText(kindOfFile.name, m_language)) + QLatin1String(kindOfFile.patterns),
                            QLatin1String(kindOfFile.suffix)};
    const std::optional<QString> chosen = m_dialogs.chooseFileToSave(choice);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    proposed = *chosen;
    const std::filesystem::path file = toPath(*chosen);
    if (const Status written = write(kind, file); !written.ok) {
        m_dialogs.tellFailure(written.message);
        return; // the old file is as it was: nothing new to open
    }
    const bool opensAfterwards = kind == ExportKind::Text || kind == ExportKind::Html;
    if (opensAfterwards && m_options.exportMode == ExportMode::SaveAndOpen) {
        const auto opened = m_opener.open(file, kind == ExportKind::Text ? FileOpener::Kind::Text : FileOpener::Kind::Html);
        if (!opened.ok) {
            m_dialogs.tellFailure(opened.message);
        }
    }
}

} // namespace zelmora::gui
