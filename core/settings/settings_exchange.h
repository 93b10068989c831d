#pragma once
// Moves a page's values between the controls' side and a settings string in
// both directions with one block of calls per page, so that loading and saving
// can never disagree about keys or formats. Saving writes a value only where it
// differs from what loading the stored value gives: a value the user did not
// change goes back as the array reported it, byte for byte, also where the
// page could not show it whole (two DNS servers, a name for a gateway).
#include "core/settings/setting_values.h"

#include <functional>
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
    // One of two words: `on` loads for exactly `onWord`, any other value, the
    // empty one included, is off.
    void Choice(std::string_view key, bool& on, std::string_view onWord, std::string_view offWord);
    // Loading gives nullopt for an empty stored value, so that the page leaves
    // its control as it is (blank, which reads as 0.0.0.0). Saving writes
    // nullopt and 0.0.0.0 as "key=".
    void Address(std::string_view key, std::optional<Octets>& value);
    // A list's selection: loads as `selectionOf` the stored value; saves as
    // `valueOf` the selection, where it names one ("" for none) and is not the
    // one the stored value selects.
    void Selection(std::string_view key, int& selected,
                   const std::function<int(std::string_view)>& selectionOf,
                   const std::function<std::string(int)>& valueOf);
    // Saving always writes these: the page's clock runs, so they always differ.
    void Date(std::string_view key, SettingDate& value);
    void Time(std::string_view key, SettingTime& value);
    // The value stored for `key`, for a page's own rule of what changed.
    std::string Stored(std::string_view key) const;
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
