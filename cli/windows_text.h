#pragma once
// UTF-16 from Windows (arguments, the console, the environment) as UTF-8.
#include <optional>
#include <string>
#include <string_view>

// nullopt for UTF-16 with a lone surrogate.
std::optional<std::string> Utf8FromWide(std::wstring_view text);
