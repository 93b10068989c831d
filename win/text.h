#pragma once
// Text at the edge between the program's 8-bit settings (code page 936, the ANSI
// code page of a Chinese system) and the UTF-16 of the windows, converted by
// the one conversion every program of ours shares (core/text/cp936.h): a byte
// that starts no character shows as U+FFFD, a character without a code goes
// as '?'.
#include <windows.h>

#include <string>
#include <string_view>

namespace win {

std::wstring WideFromAnsi(std::string_view bytes);
std::string AnsiFromWide(std::wstring_view text);

// Length of a text in code-page-936 bytes: a Chinese character counts 2. The
// pages size their labels in average characters of this length.
int AnsiLength(std::wstring_view text);

// A string-table entry of this module; empty when there is none.
std::wstring LoadResourceString(UINT id);

// The name message boxes without a caption of their own bear: the program's
// file name without its extension.
std::wstring ApplicationName();

} // namespace win
