#include "cli/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

std::optional<std::string> ReadWholeFile(std::string_view path) {
    // A path from char8_t is UTF-8 on every system; from char, Windows would
    // read it in its ANSI code page.
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    std::ifstream file(name, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    return bytes;
}
