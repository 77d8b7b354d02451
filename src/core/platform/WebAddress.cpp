#include "core/platform/WebAddress.h"

#include "core/base/Cp1252.h"

namespace zelmora {

namespace {

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

} // namespace

AddressKind addressKind(std::string_view address)
{
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon > address.find('/')) {
        return AddressKind::NoScheme;
    }
    const std::string scheme = cp1252::toUpper(address.substr(0, colon));
    return scheme == "HTTP" || scheme == "HTTPS" ? AddressKind::Web : AddressKind::Other;
}

void appendPercentEncoded(std::string& out, std::string_view text, std::string_view alsoKept)
{
    constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : cp1252::toUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte) || alsoKept.find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0x0F];
        }
    }
}

} // namespace zelmora
