#pragma once
// The "mailto:" address of a new e-mail, encoded as a URL so that every mail program
// reads the recipient, subject and body whole.

#include <string>
#include <string_view>

namespace zelmora {

// "mailto:" + address + "?subject=" + subject + "&body=" + body, from Windows-1252 texts:
// each part in UTF-8, every byte outside the URL's unreserved characters percent-encoded
// (the address keeps "@", "+" and the commas between several recipients).
std::string mailtoAddress(std::string_view address, std::string_view subject, std::string_view body);

} // namespace zelmora
