#pragma once
// Files named on the command line (UTF-8, also on Windows), read whole.
#include <optional>
#include <string>
#include <string_view>

// The file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);
