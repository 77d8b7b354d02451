#include "core/platform/CharsetConversion.h"

#include <cerrno>
#include <iconv.h>

namespace zelmora {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

class Converter {
public:
    explicit Converter(const std::string& charset) : m_handle(iconv_open("UTF-8", charset.c_str())) {}
    ~Converter()
    {
        if (known()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool known() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    std::string convert(std::string_view bytes)
    {
        std::string out;
        char buffer[1024];
        char* in = const_cast<char*>(bytes.data()); // iconv's signature; it never writes there
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* next = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = iconv(m_handle, &in, &inLeft, &next, &room);
            out.append(buffer, static_cast<std::size_t>(next - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG) {
                continue;
            }
            // An undefined or cut sequence: one replacement, then on from the next byte.
            out.append(ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        // A character set with shift states may owe a last sequence.
        char* next = buffer;
        std::size_t room = sizeof buffer;
        iconv(m_handle, nullptr, nullptr, &next, &room);
        out.append(buffer, static_cast<std::size_t>(next - buffer));
        return out;
    }

private:
    iconv_t m_handle;
};

} // namespace

std::optional<std::string> convertToUtf8(std::string_view bytes, std::string_view charset)
{
    Converter converter{std::string(charset)};
    if (!converter.known()) {
        return std::nullopt;
    }
    return converter.convert(bytes);
}

} // namespace zelmora
