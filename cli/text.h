#pragma once
// The arrays' texts as q6 writes and reads them: code page 936 bytes shown as
// UTF-8, what does not decode and the control characters written "\xHH", a
// backslash "\\", so that the same text read back gives the same bytes.
#include <optional>
#include <string>
#include <string_view>

std::string Shown(std::string_view bytes);

// The bytes of a text written so (an argument, a cell of a plan): nullopt for
// text that is no UTF-8, a backslash that starts no escape, or a character
// code page 936 does not have.
std::optional<std::string> BytesOf(std::string_view text);

// The bytes of a text taken as it is, a backslash as a backslash (a password).
std::optional<std::string> LiteralBytesOf(std::string_view text);

// ASCII letters compared without case (MAC addresses).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
