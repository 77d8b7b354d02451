#pragma once
// The export buttons: the text file and the HTML page, each asking for its file name
// (the one chosen last time, in the folder used last), then opening the written file
// with the associated program when the export option asks for it.

#include "core/base/LangText.h"
#include "core/data/DisplayOptions.h"
#include "core/data/FriendTable.h"
#include "core/platform/FileOpener.h"
#include "core/platform/FileWriter.h"
#include "gui/app/Dialogs.h"

#include <filesystem>

namespace zelmora::gui {

class Exporter {
public:
    Exporter(const FriendTable& table, const DisplayOptions& options, const Language& language, Dialogs& dialogs,
             const FileWriter& writer, const FileOpener& opener, const std::filesystem::path& dataFolder);

    void BitBtn3Click() { exportTo(FileOpener::Kind::Text); }
    void BitBtn8Click() { exportTo(FileOpener::Kind::Html); }

private:
    void exportTo(FileOpener::Kind kind);

    const FriendTable& m_table;
    const DisplayOptions& m_options;
    const Language& m_language;
    Dialogs& m_dialogs;
    const FileWriter& m_writer;
    const FileOpener& m_opener;
    // The files proposed next: first in the data folder, then where the user chose.
    QString TextExportFile;
    QString HtmlExportFile;
};

} // namespace zelmora::gui
