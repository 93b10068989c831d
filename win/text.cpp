#include "win/text.h"

namespace win {

std::wstring WideFromAnsi(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(kChineseCodePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(kChineseCodePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kChineseCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(kChineseCodePage, 0, text.data(), size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

int AnsiLength(std::wstring_view text) {
    if (text.empty())
        return 0;
    return WideCharToMultiByte(kChineseCodePage, 0, text.data(), static_cast<int>(text.size()),
                               nullptr, 0, nullptr, nullptr);
}

std::wstring LoadResourceString(UINT id) {
    // With a zero buffer size LoadStringW hands out the read-only resource text itself.
    const wchar_t* resource = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr)
        return {};
    return std::wstring(resource, length);
}

std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring_view name(path, length);
    if (const auto slash = name.find_last_of(L"\\/"); slash != name.npos)
        name.remove_prefix(slash + 1);
    if (const auto dot = name.rfind(L'.'); dot != name.npos)
        name = name.substr(0, dot);
    return std::wstring(name);
}

} // namespace win
