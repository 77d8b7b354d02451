#include "gui/app/Exporter.h"

#include "core/export/ExportFile.h"
#include "gui/widgets/QtText.h"

#include <QDir>

namespace zelmora::gui {

Exporter::Exporter(const FriendTable& table, const DisplayOptions& options, const Language& language,
                   Dialogs& dialogs, const FileWriter& writer, const FileOpener& opener,
                   const std::filesystem::path& dataFolder)
    : m_table(table), m_options(options), m_language(language), m_dialogs(dialogs), m_writer(writer),
      m_opener(opener)
{
    const QDir folder(QString::fromStdString(dataFolder.string()));
    TextExportFile = folder.filePath(QStringLiteral("Friends.TXT"));
    HtmlExportFile = folder.filePath(QStringLiteral("Friends.HTM"));
}

void Exporter::exportTo(FileOpener::Kind kind)
{
    const bool text = kind == FileOpener::Kind::Text;
    QString& remembered = text ? TextExportFile : HtmlExportFile;
    const QString kindName = fromCp1252(LangText(text ? lang::TextFiles : lang::HtmlFiles, m_language));
    const FileChoice choice{remembered,
                            kindName + (text ? QStringLiteral(" (*.TXT *.txt)") : QStringLiteral(" (*.HTM *.htm *.html)")),
                            text ? QStringLiteral("TXT") : QStringLiteral("HTM")};
    const std::optional<QString> chosen = m_dialogs.chooseFileToSave(choice);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    remembered = *chosen;
    const std::filesystem::path file = chosen->toStdString();
    const auto write = text ? WriteTextExport : WriteHtmlExport;
    if (const Status written = write(m_table, m_language, file, m_writer); !written.ok) {
        m_dialogs.tell(written.message);
        return; // the old file is as it was: nothing new to open
    }
    if (m_options.RadioGroup1 == 1) {
        if (const Status opened = m_opener.open(file, kind); !opened.ok) {
            m_dialogs.tell(opened.message);
        }
    }
}

} // namespace zelmora::gui
