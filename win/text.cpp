#include "win/text.h"

#include "core/text/cp936.h"

namespace win {

std::wstring WideFromAnsi(std::string_view bytes) {
    const std::u16string text = cp936::Decode(bytes);
    return std::wstring(text.begin(), text.end());
}

std::string AnsiFromWide(std::wstring_view text) {
    return cp936::Encode(std::u16string(text.begin(), text.end()));
}

int AnsiLength(std::wstring_view text) {
    return static_cast<int>(cp936::EncodedLength(std::u16string(text.begin(), text.end())));
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
