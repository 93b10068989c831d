#pragma once
// Code page 936 (GBK, the ANSI code page of a Chinese Windows) and the program's text.
//
// The arrays keep their texts (host names, passwords) as bytes in this code page, and the
// program keeps them as bytes too: a value the user leaves alone travels back to the array byte
// for byte, also one that is no valid text here (set through the array's web page in UTF-8, say).
// Only the edges convert, each for its own reader: the wizard to UTF-16 for its windows, the
// command line to escaped UTF-8 for terminals, CSV and JSON files. The two strict primitives are
// each platform's own (iconv on Linux, the code page functions on Windows: platform/); everything
// else here is portable and built on them, so that both platforms delimit and replace alike.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cp936 {

// The text, or nullopt when any byte sequence is no character of the code page (a lead byte
// at the end or before an invalid trail byte, 0xFF, ...). NUL bytes decode to U+0000.
std::optional<std::u16string> DecodeStrict(std::string_view bytes);

// The bytes, or nullopt when any character has no code in the code page (no best-fit
// substitute, no '?') or the UTF-16 holds a lone surrogate.
std::optional<std::string> EncodeStrict(std::u16string_view text);

// The text for display: each byte that starts no character becomes U+FFFD, one per byte, and
// the next character starts at the following byte.
std::u16string Decode(std::string_view bytes);

// The bytes, each code point without a code (a surrogate pair is one) replaced by
// `replacement`, as Windows does with its default character.
std::string Encode(std::u16string_view text, char replacement = '?');

// Encode(text).size(): a Chinese character counts 2. The pages size their labels by it.
std::size_t EncodedLength(std::u16string_view text);

// The text as UTF-8 that can be read back exactly: each byte that starts no character is
// written "\xHH" (upper-case hex), a backslash "\\".
std::string ToUtf8(std::string_view bytes);

// The reverse of ToUtf8 ("\xhh" in lower case is read too): FromUtf8(ToUtf8(b)) == b for any b.
// nullopt when the UTF-8 is malformed (overlong, a surrogate, above U+10FFFF, cut short), a
// backslash starts anything but "\\" or "\xHH", or a character has no code in the code page.
std::optional<std::string> FromUtf8(std::string_view utf8);

} // namespace cp936
