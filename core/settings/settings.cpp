#include "core/settings/settings.h"

namespace {

// A key names a pair only if it could stand before the pair's first "=": not
// empty, no separator inside it, and no NUL, which would end the text on the wire.
bool IsUsableKey(std::string_view key) {
    return !key.empty() && key.find_first_of(std::string_view("&=\0", 3)) == std::string_view::npos;
}

// Where the pair of `key` starts, or npos. Pairs are the "&"-separated pieces of
// the text, so only a piece that begins with "key=" can be the key's pair; a
// value that happens to contain "key=" is never taken for it.
std::size_t FindPair(std::string_view settings, std::string_view key) {
    std::size_t start = 0;
    for (;;) {
        std::string_view rest = settings.substr(start);
        if (rest.size() > key.size() && rest.starts_with(key) && rest[key.size()] == '=')
            return start;
        std::size_t amp = settings.find('&', start);
        if (amp == std::string_view::npos)
            return std::string_view::npos;
        start = amp + 1;
    }
}

// End of the pair that starts at `pairStart`: its closing "&" or the end of the text.
std::size_t PairEnd(std::string_view settings, std::size_t pairStart) {
    std::size_t amp = settings.find('&', pairStart);
    return amp == std::string_view::npos ? settings.size() : amp;
}

} // namespace

std::string GetSetting(std::string_view settings, std::string_view key) {
    if (!IsUsableKey(key))
        return {};
    std::size_t pair = FindPair(settings, key);
    if (pair == std::string_view::npos)
        return {};
    std::size_t valueStart = pair + key.size() + 1;
    return std::string(settings.substr(valueStart, PairEnd(settings, pair) - valueStart));
}

bool ReplaceSetting(std::string& settings, std::string_view key, std::string_view pair) {
    // The pair must be a pair of this key and must stay one pair: an "&" would
    // smuggle extra pairs to the array, a NUL would cut the text it receives.
    if (!IsUsableKey(key) || pair.size() <= key.size() || !pair.starts_with(key) ||
        pair[key.size()] != '=' || pair.find_first_of(std::string_view("&\0", 2)) != pair.npos)
        return false;

    std::size_t start = FindPair(settings, key);
    if (start == std::string::npos) {
        std::size_t grown = settings.size() + (settings.empty() ? 0 : 1) + pair.size();
        if (grown > kMaxSettingsLength)
            return false;
        if (!settings.empty())
            settings += '&';
        settings += pair;
        return true;
    }

    std::size_t oldLength = PairEnd(settings, start) - start;
    if (settings.size() - oldLength + pair.size() > kMaxSettingsLength)
        return false;
    settings.replace(start, oldLength, pair);
    return true;
}
