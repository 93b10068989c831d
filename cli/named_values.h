#pragma once
// The values named for one array, by the options of "q6 set" or the cells of
// a plan's row: bytes for the array (code page 936), not yet compared with
// what it reports.
#include "cli/fields.h"
#include "core/settings/setting_values.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct NamedValues {
    std::optional<std::string> hostName; // as given, lowered where it changes
    std::optional<bool> dhcp;
    // kAddressFields' values: a dotted IPv4 address as AddressPair writes it
    // ("" for 0.0.0.0), or in a plan the array's own value kept as it is.
    std::array<std::optional<std::string>, 4> addresses;
    std::optional<std::string> timeZone;
    std::optional<SettingDate> date;
    std::optional<SettingTime> time;
    bool clockNow = false; // this computer's date and time when the SET is built
};

// Takes `text`, the value of `field` as written on the command line or in a
// plan's cell, into `named`; the problem, worded for the user, when it cannot
// be one. A plan may also hold, for a host name, an address or a time zone,
// the array's own value as find printed it though q6 could not set it (two
// DNS servers "a,b", a name of 20 bytes): with `keepable` such a value is
// taken, and the edit refuses it unless it is the array's. A text of digits
// and dots alone is always held to be an address.
std::optional<std::string> TakeValue(Field field, std::string_view text, bool keepable,
                                     NamedValues& named);

// The dotted IPv4 address as AddressPair writes it: four numbers 0 to 255.
std::optional<std::string> AddressText(std::string_view text);

// A password as the array compares it: at most kPasswordBytes bytes.
std::optional<std::string> PasswordProblem(std::string_view bytes);
