#include "cli/settings_edit.h"

#include "cli/text.h"
#include "core/settings/settings.h"
#include "core/setup/network_settings.h"
#include "core/setup/time_zones.h"

namespace {

class Editor {
public:
    explicit Editor(std::string_view reported) : m_reported(reported) { m_edit.working = reported; }

    std::string Reported(Field field) const { return GetSetting(m_reported, NamesOf(field).key); }

    // Replaces the pair of `field` by its key and `value`.
    void Write(Field field, std::string_view value) {
        const std::string_view key = NamesOf(field).key;
        if (!ReplaceSetting(m_edit.working, key, std::string(key) + "=" + std::string(value))) {
            const bool splits = value.find_first_of(std::string_view("&\0", 2)) != value.npos;
            Refuse(field, splits ? Shown(value) + " holds \"&\" or a NUL byte, which would add or "
                                                  "cut pairs of the settings"
                                 : "the settings would be longer than 999 characters");
            return;
        }
        m_edit.changes.push_back(
            {field, FieldText(m_reported, field), FieldText(m_edit.working, field)});
    }

    void Refuse(Field field, std::string text) {
        m_edit.problems.push_back({field, std::move(text)});
    }

    SettingsEdit& Edit() { return m_edit; }

private:
    std::string_view m_reported;
    SettingsEdit m_edit;
};

void EditHostName(Editor& editor, const std::string& named) {
    const std::string reported = editor.Reported(Field::kHostName);
    const std::string lowered = LowerHostName(named);
    if (named == reported || lowered == reported)
        return;
    if (HostNameRefused(lowered))
        editor.Refuse(Field::kHostName,
                      Shown(named) + " holds \"&\" or \"=\", which the array reads as separators");
    else if (lowered.size() > static_cast<std::size_t>(kHostNameBytes))
        editor.Refuse(Field::kHostName, Shown(named) + " takes " + std::to_string(lowered.size()) +
                                            " bytes in code page 936, more than " +
                                            std::to_string(kHostNameBytes));
    else
        editor.Write(Field::kHostName, lowered);
}

void EditAddresses(Editor& editor, const NamedValues& named, bool dhcp) {
    // With DHCP the wizard writes no address: the array keeps its own, and
    // a plan's row that names DHCP holds them as find printed them, or as
    // they were before a fixed address replaced them.
    if (named.dhcp == true)
        return;
    for (std::size_t i = 0; i < kAddressFields.size(); ++i) {
        const Field field = kAddressFields[i];
        const std::optional<std::string>& value = named.addresses[i];
        if (!value || *value == editor.Reported(field))
            continue;
        if (!value->empty() && !AddressText(*value))
            editor.Refuse(field, Shown(*value) + " is no IPv4 address");
        else if (dhcp)
            editor.Refuse(field, Shown(*value) + ": with DHCP the array keeps its own addresses; "
                                                 "set mode fixed to give it this one");
        else
            editor.Write(field, *value);
    }
}

} // namespace

SettingsEdit EditSettings(std::string_view reported, const NamedValues& named,
                          const ClockReading& localNow) {
    Editor editor(reported);
    if (named.hostName)
        EditHostName(editor, *named.hostName);

    const bool reportedDhcp = ReportsDhcp(reported);
    if (named.dhcp && *named.dhcp != reportedDhcp)
        editor.Write(Field::kMode, *named.dhcp ? "dhcp" : "none");
    EditAddresses(editor, named, named.dhcp.value_or(reportedDhcp));

    if (named.timeZone && *named.timeZone != editor.Reported(Field::kTimeZone)) {
        if (IsZoneWord(*named.timeZone))
            editor.Write(Field::kTimeZone, *named.timeZone);
        else
            editor.Refuse(Field::kTimeZone,
                          Shown(*named.timeZone) +
                              " is no zone word of the table (q6 zones lists them)");
    }

    SettingsEdit& edit = editor.Edit();
    const std::optional<SettingDate> date = named.clockNow ? localNow.date : named.date;
    const std::optional<SettingTime> time = named.clockNow ? localNow.time : named.time;
    if (date && DateText(*date) != editor.Reported(Field::kDate)) {
        editor.Write(Field::kDate, DateText(*date));
        edit.setByUser.date = true;
    }
    if (time && TimeText(*time) != editor.Reported(Field::kTime)) {
        editor.Write(Field::kTime, TimeText(*time));
        edit.setByUser.time = true;
    }
    // The wizard's running clock would write a date and a time the array
    // never had, or make one up from a reading it cannot run: an array
    // without both, or with either unreadable, keeps its own as reported.
    const std::string reportedDate = editor.Reported(Field::kDate);
    const std::string reportedTime = editor.Reported(Field::kTime);
    if (reportedDate.empty() || reportedTime.empty() ||
        !IsValidReading({ParseDate(reportedDate), ParseTime(reportedTime)}))
        edit.setByUser = {true, true};
    return edit;
}

std::string SettingsToSend(const DeviceRecord& record, const SettingsEdit& edit,
                           WizardRun::Clock::time_point now) {
    WizardRun run = WizardRun::Of(record);
    run.working = edit.working;
    run.setByUser = edit.setByUser;
    return run.SettingsToSend(now);
}
