#include "gui/widgets/QtText.h"

#include "core/base/Cp1252.h"

namespace zelmora::gui {

QString fromCp1252(std::string_view text)
{
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        result += QChar(static_cast<char16_t>(cp1252::toCodePoint(static_cast<unsigned char>(c))));
    }
    return result;
}

std::optional<std::string> toCp1252(const QString& text)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        // Every character of the code page lies in the basic plane, so a surrogate never fits.
        const int byte = c.isSurrogate() ? -1 : cp1252::toByte(c.unicode());
        if (byte < 0) {
            return std::nullopt;
        }
        result += static_cast<char>(byte);
    }
    return result;
}

bool fitsCp1252(const QString& text) { return toCp1252(text).has_value(); }

QStringList charactersOf(const QString& text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        characters << text.mid(i, length);
        i += length;
    }
    return characters;
}

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

QString fromPath(const std::filesystem::path& file) { return QString::fromStdU16String(file.u16string()); }

} // namespace zelmora::gui
