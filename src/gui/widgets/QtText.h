#pragma once
// The window's side of the texts: the core keeps Windows-1252 bytes, Qt keeps Unicode.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora::gui {

QString fromCp1252(std::string_view text);
// Nothing when a character has no place in Windows-1252.
std::optional<std::string> toCp1252(const QString& text);
bool fitsCp1252(const QString& text);
// The characters of `text`, one string each: one beyond the first plane (an emoji) is two code units.
QStringList charactersOf(const QString& text);

// File names between Qt and the standard library, whole on every system.
std::filesystem::path toPath(const QString& name);
QString fromPath(const std::filesystem::path& file);

} // namespace zelmora::gui
