#include "messaging/settings_exchange.h"

#include "messaging/settings.h"

SettingsExchange::SettingsExchange(std::string_view settings, bool saving)
    : m_settings(settings), m_saving(saving) {}

SettingsExchange SettingsExchange::Loading(std::string_view settings) {
    return SettingsExchange(settings, false);
}

SettingsExchange SettingsExchange::Saving(std::string_view settings) {
    return SettingsExchange(settings, true);
}

void SettingsExchange::Text(std::string_view key, std::string& value) {
    if (m_saving)
        Pair(key, std::string(key) + "=" + value);
    else
        value = GetSetting(m_settings, key);
}

void SettingsExchange::Address(std::string_view key, std::optional<Octets>& value) {
    if (m_saving) {
        Pair(key, AddressPair(key, value.value_or(Octets{})));
        return;
    }
    std::string stored = GetSetting(m_settings, key);
    value = stored.empty() ? std::nullopt : std::optional<Octets>(ParseOctets(stored));
}

void SettingsExchange::Date(std::string_view key, SettingDate& value) {
    if (m_saving)
        Pair(key, DatePair(key, value));
    else
        value = ParseDate(GetSetting(m_settings, key));
}

void SettingsExchange::Time(std::string_view key, SettingTime& value) {
    if (m_saving)
        Pair(key, TimePair(key, value));
    else
        value = ParseTime(GetSetting(m_settings, key));
}

void SettingsExchange::Pair(std::string_view key, std::string_view pair) {
    if (m_saving && !ReplaceSetting(m_settings, key, pair))
        m_allTaken = false;
}

bool SettingsExchange::Commit(std::string& target) const {
    if (!m_saving || !m_allTaken)
        return false;
    target = m_settings;
    return true;
}
