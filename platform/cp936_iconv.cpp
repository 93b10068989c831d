// The strict primitives on Linux: glibc's iconv, whose "CP936" is its GBK table with the euro
// sign at 0x80. UTF-16 travels as "UTF-16LE", put together and taken apart byte by byte, so
// that neither the host's byte order nor a byte order mark comes into it.
#include "core/text/cp936.h"

#include <cerrno>
#include <iconv.h>
#include <system_error>

namespace cp936 {
namespace {

// One descriptor per direction and thread: iconv keeps state in it, and opening one costs a
// look-up among the converters.
class Converter {
public:
    Converter(const char* to, const char* from) : m_descriptor(iconv_open(to, from)) {
        // A system without the converter cannot tell text from damage: say so rather than call
        // every text damaged.
        if (m_descriptor == kNone)
            throw std::system_error(errno, std::generic_category(),
                                    std::string("iconv_open ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_descriptor); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input into `output`, which the caller sizes for the longest result;
    // false when any input is invalid, cut short, or converted other than reversibly.
    bool Convert(std::string_view input, std::string& output) {
        iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(m_descriptor, &in, &inLeft, &out, &outLeft) != 0)
            return false;
        output.resize(output.size() - outLeft);
        return true;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    iconv_t m_descriptor;
};

} // namespace

std::optional<std::u16string> DecodeStrict(std::string_view bytes) {
    // An empty view may hold no pointer at all, which iconv would take for a request to reset.
    if (bytes.empty())
        return std::u16string();
    thread_local Converter converter("UTF-16LE", "CP936");
    // One or two bytes make one UTF-16 unit.
    std::string units(2 * bytes.size(), '\0');
    if (!converter.Convert(bytes, units))
        return std::nullopt;
    std::u16string text(units.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                        static_cast<unsigned char>(units[2 * i + 1]) << 8);
    return text;
}

std::optional<std::string> EncodeStrict(std::u16string_view text) {
    if (text.empty())
        return std::string();
    thread_local Converter converter("CP936", "UTF-16LE");
    std::string units(2 * text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        units[2 * i] = static_cast<char>(text[i] & 0xFF);
        units[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    // A UTF-16 unit makes at most two bytes (a surrogate pair, two units, has no code at all).
    std::string bytes(2 * text.size(), '\0');
    if (!converter.Convert(units, bytes))
        return std::nullopt;
    return bytes;
}

} // namespace cp936
