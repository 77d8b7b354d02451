#pragma once
// The export buttons: the text file, the HTML page, the vCard, iCalendar and CSV files,
// each asking for its file name (the one chosen last time, in the folder used
// last). The text file and the page are then opened with the associated program when
// the export option asks for it.

#include "core/base/LangText.h"
#include "core/data/DisplayOptions.h"
#include "core/data/FriendTable.h"
#include "core/platform/Clock.h"
#include "core/platform/FileOpener.h"
#include "core/platform/FileWriter.h"
#include "gui/app/Dialogs.h"

#include <array>
#include <filesystem>

namespace zelmora::gui {

enum class ExportKind { Text, Html, VCard, Calendar, Csv };

class Exporter {
public:
    Exporter(const FriendTable& table, const DisplayOptions& options, const Language& language, const Clock& clock,
             Dialogs& dialogs, const FileWriter& writer, const FileOpener& opener,
             const std::filesystem::path& dataFolder);

    void BitBtn3Click() { exportAs(ExportKind::Text); }
    void BitBtn8Click() { exportAs(ExportKind::Html); }
    void exportAs(ExportKind kind);

private:
    Status write(ExportKind kind, const std::filesystem::path& file) const;

    const FriendTable& m_table;
    const DisplayOptions& m_options;
    const Language& m_language;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    const FileWriter& m_writer;
    const FileOpener& m_opener;
    std::filesystem::path m_dataFolder; // its Zelmora.ini gives the calendar's alarms
    // The file proposed next for each kind: first in the data folder, then where the user chose.
    std::array<QString, 5> m_proposed;
};

} // namespace zelmora::gui
