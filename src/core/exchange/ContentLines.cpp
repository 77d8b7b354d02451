#include "core/exchange/ContentLines.h"

namespace zelmora {

namespace {

constexpr std::size_t MaxOctets = 75;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string escapeContentText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

void appendContentLine(std::string& out, std::string_view line)
{
    std::size_t room = MaxOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && isContinuationByte(line[cut])) {
            --cut;
        }
        if (cut == 0) {
            cut = room; // not UTF-8 after all: cut where the octets say
        }
        out.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = MaxOctets - 1;
    }
    out.append(line).append("\r\n");
}

} // namespace zelmora
