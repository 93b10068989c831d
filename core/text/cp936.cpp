#include "core/text/cp936.h"

#include <utility>

namespace cp936 {
namespace {

constexpr char16_t kReplacementCharacter = u'\uFFFD';

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code point at text[i], advancing i past it. A lone surrogate stands for itself, so that
// it is replaced as one code point.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
    const char32_t unit = text[i++];
    if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(text[i]))
        return 0x10000 + ((unit - 0xD800) << 10) + (text[i++] - 0xDC00);
    return unit;
}

void AppendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<char16_t>(code);
        return;
    }
    text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
}

void AppendUtf8(std::string& utf8, char32_t code) {
    static constexpr unsigned char kLeads[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int continuations = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    utf8 += static_cast<char>(kLeads[continuations] | code >> (6 * continuations));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
        utf8 += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

// The code point of the UTF-8 sequence at utf8[i], advancing i past it; nullopt for anything
// but the shortest form of a scalar value.
std::optional<char32_t> NextUtf8(std::string_view utf8, std::size_t& i) {
    static constexpr char32_t kMinimums[] = {0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const std::size_t continuations = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (continuations == 0 || lead >= 0xF8 || utf8.size() - i - 1 < continuations)
        return std::nullopt;
    char32_t code = lead & (0x3F >> continuations);
    for (std::size_t k = 1; k <= continuations; ++k) {
        const auto byte = static_cast<unsigned char>(utf8[i + k]);
        if ((byte & 0xC0) != 0x80)
            return std::nullopt;
        code = code << 6 | (byte & 0x3F);
    }
    if (code < kMinimums[continuations - 1] || code > 0x10FFFF || IsHighSurrogate(code) ||
        IsLowSurrogate(code))
        return std::nullopt;
    i += 1 + continuations;
    return code;
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// Hands each character of `bytes` to onText as decoded text and each byte that starts none to
// onByte. A byte 0x81-0xFE opens a two-byte character when another byte follows; when that pair
// is no character only its first byte is given up, and the second starts the next character.
template <typename OnText, typename OnByte>
void ForEachCharacter(std::string_view bytes, OnText onText, OnByte onByte) {
    if (const auto text = DecodeStrict(bytes)) {
        onText(*text);
        return;
    }
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size() ? 2 : 1;
        if (const auto text = DecodeStrict(bytes.substr(i, length))) {
            onText(*text);
            i += length;
        } else {
            onByte(bytes[i++]);
        }
    }
}

} // namespace

std::u16string Decode(std::string_view bytes) {
    std::u16string text;
    ForEachCharacter(
        bytes, [&](std::u16string_view decoded) { text += decoded; },
        [&](char) { text += kReplacementCharacter; });
    return text;
}

std::string Encode(std::u16string_view text, char replacement) {
    if (auto bytes = EncodeStrict(text))
        return std::move(*bytes);
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        NextCodePoint(text, i);
        const auto encoded = EncodeStrict(text.substr(start, i - start));
        bytes += encoded ? *encoded : std::string(1, replacement);
    }
    return bytes;
}

std::size_t EncodedLength(std::u16string_view text) {
    return Encode(text).size();
}

std::string ToUtf8(std::string_view bytes) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string utf8;
    const auto onText = [&](std::u16string_view text) {
        for (std::size_t i = 0; i < text.size();) {
            const char32_t code = NextCodePoint(text, i);
            if (code == U'\\')
                utf8 += "\\\\";
            else
                AppendUtf8(utf8, code);
        }
    };
    const auto onByte = [&](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        utf8 += {'\\', 'x', kHexDigits[value >> 4], kHexDigits[value & 0xF]};
    };
    ForEachCharacter(bytes, onText, onByte);
    return utf8;
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    std::string bytes;
    // The text since the last raw byte, encoded as a whole when the next raw byte or the end
    // comes.
    std::u16string text;
    const auto flush = [&] {
        const auto encoded = EncodeStrict(text);
        if (encoded)
            bytes += *encoded;
        text.clear();
        return encoded.has_value();
    };
    for (std::size_t i = 0; i < utf8.size();) {
        if (utf8[i] != '\\') {
            const auto code = NextUtf8(utf8, i);
            if (!code)
                return std::nullopt;
            AppendUtf16(text, *code);
        } else if (utf8.substr(i, 2) == "\\\\") {
            text += u'\\';
            i += 2;
        } else if (utf8.size() - i >= 4 && utf8[i + 1] == 'x' && HexValue(utf8[i + 2]) >= 0 &&
                   HexValue(utf8[i + 3]) >= 0) {
            if (!flush())
                return std::nullopt;
            bytes += static_cast<char>(HexValue(utf8[i + 2]) << 4 | HexValue(utf8[i + 3]));
            i += 4;
        } else {
            return std::nullopt;
        }
    }
    if (!flush())
        return std::nullopt;
    return bytes;
}

} // namespace cp936
