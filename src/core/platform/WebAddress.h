#pragma once
// Which addresses from a friend's card may be handed to a browser or written as a link:
// web addresses only. Anything naming another scheme (file:, javascript:, data:, smb:, …)
// could open a local file or run code, and stays plain text.

#include <string>
#include <string_view>

namespace zelmora {

enum class AddressKind {
    Web,      // http: or https:, in any case
    NoScheme, // no ":" before the first "/": a browser takes it for a web address
    Other,    // any other scheme, or anything that could be read as one
};

AddressKind addressKind(std::string_view address);

// Appends the Windows-1252 `text` as UTF-8 with every byte outside a URL's unreserved
// characters (and `alsoKept`) percent-encoded.
void appendPercentEncoded(std::string& out, std::string_view text, std::string_view alsoKept);

} // namespace zelmora
