#pragma once
// The settings string: pairs "key=value" joined by "&", as an array reports and
// receives its whole configuration. Bytes in, bytes out: no code page here.
#include <cstddef>
#include <string>
#include <string_view>

// A settings string never exceeds this, so that a "SET" request (25-byte header
// plus the settings) fits the 1024-byte datagram the arrays expect.
inline constexpr std::size_t kMaxSettingsLength = 999;

// Value of `key`, or "" when the key is absent. A key matches only at the start
// of the text or right after "&", so "date" never matches inside "update=". A
// key that is empty or holds "&", "=" or NUL can name no pair and matches nothing.
std::string GetSetting(std::string_view settings, std::string_view key);

// Replaces the pair of `key` by `pair` (already formatted, key included), or
// appends "&pair" when the key is absent. Returns false, leaving `settings`
// untouched, when the result would exceed kMaxSettingsLength, or when `pair` is
// not one pair of `key` (does not start with "key=", or holds "&" or NUL: a host
// name typed as "x&nwk.bootproto=dhcp" must not become a second pair).
bool ReplaceSetting(std::string& settings, std::string_view key, std::string_view pair);
