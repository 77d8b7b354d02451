#pragma once
// What the user asks the program to write (an export, a printed PDF) must never replace one
// of the data folder's own files: one place decides, for every program and every road.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/FileWriter.h"

#include <filesystem>

namespace zelmora {

// Whether `name`, a file name in a data folder, is one of the program's own files there:
// the database, the settings, the lock, a copy kept of a damaged database, or a save's
// temporary of one of them. Letter case is ignored, as some systems ignore it.
bool isOwnFileName(const std::filesystem::path& name);

// Refuses `target` when it is one of the data folder's own files, by any spelling: another
// relative path, "..", a symbolic link to one, or a hard link of one.
Status checkOutputTarget(const std::filesystem::path& target, const std::filesystem::path& dataFolder,
                         Language language);

// The writer of what the user asks to write: the check above, then `inner`.
class OutputWriter : public FileWriter {
public:
    OutputWriter(const FileWriter& inner, std::filesystem::path dataFolder, const Language& language)
        : m_inner(inner), m_dataFolder(std::move(dataFolder)), m_language(language)
    {
    }

    Status replace(const std::filesystem::path& target, std::string_view bytes) const override;

private:
    const FileWriter& m_inner;
    std::filesystem::path m_dataFolder;
    const Language& m_language;
};

} // namespace zelmora
