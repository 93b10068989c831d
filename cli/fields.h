#pragma once
// The values of an array that q6 lists and sets: the key each is stored under,
// its name as a column of a plan and of find's CSV and JSON, and its heading
// in a table for people.
#include <array>
#include <string>
#include <string_view>

enum class Field { kHostName, kMode, kIp, kNetmask, kGateway, kDns, kTimeZone, kDate, kTime, kMac };

struct FieldNames {
    Field field;
    std::string_view column;
    std::string_view key;
    std::string_view heading;
};

inline constexpr std::array<FieldNames, 10> kFields = {{
    {Field::kHostName, "host_name", "sys.hostname", "HOST NAME"},
    {Field::kMode, "mode", "nwk.bootproto", "MODE"},
    {Field::kIp, "ip", "nwk.ipaddr", "ADDRESS"},
    {Field::kNetmask, "netmask", "nwk.netmask", "NETMASK"},
    {Field::kGateway, "gateway", "sys.gateway", "GATEWAY"},
    {Field::kDns, "dns", "sys.dns", "DNS"},
    {Field::kTimeZone, "time_zone", "sys.Time.timeZone", "TIME ZONE"},
    {Field::kDate, "date", "date", "DATE"},
    {Field::kTime, "time", "time", "TIME"},
    {Field::kMac, "mac", "nwk.mac", "MAC"},
}};

const FieldNames& NamesOf(Field field);

// The addresses, in the order the wizard's page shows them.
inline constexpr std::array<Field, 4> kAddressFields = {Field::kIp, Field::kNetmask,
                                                        Field::kGateway, Field::kDns};

// Only the exact word "dhcp" is DHCP, as the wizard reads it; anything else,
// "DHCP" and an absent key too, is a fixed address.
bool ReportsDhcp(std::string_view settings);

// The value as q6 prints it (Shown), the mode as "fixed" or "dhcp".
std::string FieldText(std::string_view settings, Field field);
