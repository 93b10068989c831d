#include "core/settings/settings_exchange.h"

#include "core/settings/settings.h"

SettingsExchange::SettingsExchange(std::string_view settings, bool saving)
    : m_settings(settings), m_saving(saving) {}

SettingsExchange SettingsExchange::Loading(std::string_view settings) {
    return SettingsExchange(settings, false);
}

SettingsExchange SettingsExchange::Saving(std::string_view settings) {
    return SettingsExchange(settings, true);
}

std::string SettingsExchange::Stored(std::string_view key) const {
    return GetSetting(m_settings, key);
}

void SettingsExchange::Text(std::string_view key, std::string& value) {
    if (!m_saving)
        value = Stored(key);
    else if (value != Stored(key))
        Pair(key, std::string(key) + "=" + value);
}

void SettingsExchange::Choice(std::string_view key, bool& on, std::string_view onWord,
                              std::string_view offWord) {
    const bool stored = Stored(key) == onWord;
    if (!m_saving)
        on = stored;
    else if (on != stored)
        Pair(key, std::string(key) + "=" + std::string(on ? onWord : offWord));
}

void SettingsExchange::Selection(std::string_view key, int& selected,
                                 const std::function<int(std::string_view)>& selectionOf,
                                 const std::function<std::string(int)>& valueOf) {
    const int stored = selectionOf(Stored(key));
    if (!m_saving) {
        selected = stored;
        return;
    }
    const std::string value = valueOf(selected);
    if (!value.empty() && selected != stored)
        Pair(key, std::string(key) + "=" + value);
}

void SettingsExchange::Address(std::string_view key, std::optional<Octets>& value) {
    const std::string stored = Stored(key);
    const std::optional<Octets> loaded =
        stored.empty() ? std::nullopt : std::optional<Octets>(ParseOctets(stored));
    if (!m_saving)
        value = loaded;
    else if (value.value_or(Octets{}) != loaded.value_or(Octets{}))
        Pair(key, AddressPair(key, value.value_or(Octets{})));
}

void SettingsExchange::Date(std::string_view key, SettingDate& value) {
    if (m_saving)
        Pair(key, DatePair(key, value));
    else
        value = ParseDate(Stored(key));
}

void SettingsExchange::Time(std::string_view key, SettingTime& value) {
    if (m_saving)
        Pair(key, TimePair(key, value));
    else
        value = ParseTime(Stored(key));
}

void SettingsExchange::Pair(std::string_view key, std::string_view pair) {
    if (m_saving && !ReplaceSetting(m_settings, key, pair))
        m_allTaken = false;
}

bool SettingsExchange::Commit(std::string& target) const {
    // Settings no array could have sent stay uncommitted, also when no write
    // of the page's touched them.
    if (!m_saving || !m_allTaken || m_settings.size() > kMaxSettingsLength)
        return false;
    target = m_settings;
    return true;
}
