// The strict primitives on Windows: the system's own code page 936, so that a text reads here as
// in any other program of that computer. Without the flags below both functions substitute
// silently: MultiByteToWideChar a default character for a byte that starts none,
// WideCharToMultiByte a look-alike ("best fit") or '?' for a character without a code.
#include "core/text/cp936.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace cp936 {
namespace {

constexpr UINT kCodePage = 936;

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// The functions count in int; a longer text is no setting's.
int Length(std::size_t size) {
    if (size > INT_MAX)
        throw std::length_error("code page 936 conversion of more than INT_MAX units");
    return static_cast<int>(size);
}

} // namespace

std::optional<std::u16string> DecodeStrict(std::string_view bytes) {
    if (bytes.empty())
        return std::u16string();
    const int size = Length(bytes.size());
    const int length =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length == 0)
        return std::nullopt;
    std::u16string text(length, u'\0');
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length) != length)
        return std::nullopt;
    return text;
}

std::optional<std::string> EncodeStrict(std::u16string_view text) {
    if (text.empty())
        return std::string();
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int size = Length(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units, size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (length == 0 || usedDefault)
        return std::nullopt;
    std::string bytes(length, '\0');
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units, size, bytes.data(), length,
                            nullptr, nullptr) != length)
        return std::nullopt;
    return bytes;
}

} // namespace cp936
