#include "cli/this_computer.h"

#include <cstdlib>
#include <ctime>

#ifdef _WIN32
#include "cli/windows_text.h"
#endif

ClockReading LocalNow() {
    // The C library's local time: MinGW's C++ library has no time zone database.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    ::localtime_s(&local, &now);
#else
    ::localtime_r(&now, &local);
#endif
    // A leap second shows as the second before it: the arrays count to 59.
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            {local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec}};
}

std::optional<std::string> EnvironmentVariable(const char* name) {
#ifdef _WIN32
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = ::_wgetenv(wide.c_str());
    return value ? Utf8FromWide(value) : std::nullopt;
#else
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
#endif
}
