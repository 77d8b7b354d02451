#include "core/web/MailtoAddress.h"

#include "core/platform/WebAddress.h"

namespace zelmora {

std::string mailtoAddress(std::string_view address, std::string_view subject, std::string_view body)
{
    std::string result = "mailto:";
    appendPercentEncoded(result, address, "@+,");
    result += "?subject=";
    appendPercentEncoded(result, subject, "");
    result += "&body=";
    appendPercentEncoded(result, body, "");
    return result;
}

} // namespace zelmora
