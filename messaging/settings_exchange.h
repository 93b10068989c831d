#pragma once
// Moves a page's values between the controls' side and a settings string in
// both directions with one block of calls per page, so that loading and saving
// can never disagree about keys or formats.
#include "pages/setting_values.h"

#include <optional>
#include <string>
#include <string_view>

class SettingsExchange {
public:
    // Loading reads `settings`; saving writes each pair into a copy of it.
    static SettingsExchange Loading(std::string_view settings);
    static SettingsExchange Saving(std::string_view settings);

    bool IsSaving() const { return m_saving; }

    // "key=value", the value read and written whole.
    void Text(std::string_view key, std::string& value);
    // Loading gives nullopt for an empty stored value, so that the page leaves
    // its control as it is. Saving writes nullopt and 0.0.0.0 as "key=".
    void Address(std::string_view key, std::optional<Octets>& value);
    void Date(std::string_view key, SettingDate& value);
    void Time(std::string_view key, SettingTime& value);
    // Saving only: writes `pair`, already formatted with its key.
    void Pair(std::string_view key, std::string_view pair);

    // Stores the edited copy into `target` only when every write was taken: a
    // pair the settings string refused (too long, or holding "&" or NUL) would
    // otherwise leave the array half configured. False, and `target` untouched,
    // for a refused write or a loading exchange.
    bool Commit(std::string& target) const;

private:
    SettingsExchange(std::string_view settings, bool saving);

    std::string m_settings;
    bool m_saving;
    bool m_allTaken = true;
};
