#include "cli/text.h"

#include "core/text/cp936.h"

std::string Shown(std::string_view bytes) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    // In UTF-8 a byte below 0x80 is always its ASCII character, never part of
    // another: a control character found here is one. Written raw it would
    // move a terminal's cursor or break a table's line.
    std::string shown;
    for (const char c : cp936::ToUtf8(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            shown += {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        else
            shown += c;
    }
    return shown;
}

std::optional<std::string> BytesOf(std::string_view text) {
    return cp936::FromUtf8(text);
}

std::optional<std::string> LiteralBytesOf(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '\\')
            escaped += c;
    }
    return cp936::FromUtf8(escaped);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}
