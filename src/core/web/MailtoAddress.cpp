#include "core/web/MailtoAddress.h"

#include "core/base/Cp1252.h"

namespace zelmora {

namespace {

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

void appendEncoded(std::string& out, std::string_view cp1252Text, std::string_view alsoKept)
{
    constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : cp1252::toUtf8(cp1252Text)) {
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

} // namespace

std::string mailtoAddress(std::string_view address, std::string_view subject, std::string_view body)
{
    std::string result = "mailto:";
    appendEncoded(result, address, "@+,");
    result += "?subject=";
    appendEncoded(result, subject, "");
    result += "&body=";
    appendEncoded(result, body, "");
    return result;
}

} // namespace zelmora
