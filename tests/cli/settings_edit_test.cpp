#include "cli/settings_edit.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// An array's settings as it may report them: two DNS servers, a capital in
// the mode word, keys q6 does not know, keys that end like known ones.
const std::string kReported = "sys.model=Q6&update=1&sys.hostname=Q6-Store&nwk.bootproto=DHCP&"
                              "nwk.ipaddr=10.0.0.5&sys.gateway=gw.lan&sys.dns=1.1.1.1,8.8.8.8&"
                              "date=2024/02/29&time=23:59:30&sys.Time.timeZone=Tokyo&web.port=80";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

NamedValues Named(std::initializer_list<std::pair<Field, std::string>> values,
                  std::optional<bool> dhcp = {}) {
    NamedValues named;
    for (const auto& [field, text] : values)
        EXPECT_FALSE(TakeValue(field, text, true, named)) << text;
    named.dhcp = dhcp;
    return named;
}

// Only the named values that differ change, each in its place and the
// wizard's format; everything else stays byte for byte.
TEST(SettingsEdit, ChangesOnlyTheNamedValuesThatDiffer) {
    using enum Field;
    const std::tuple<NamedValues, std::string, std::string> cases[] = {
        // named, working settings ("=" unchanged, "" not compared), the problems
        {Named({{kHostName, "NAS-Two"}}), Replaced(kReported, "Q6-Store", "nas-two"), ""},
        // What find printed changes nothing: capitals, a kept value, "DHCP" read as fixed.
        {Named({{kHostName, "Q6-Store"}, {kDns, "1.1.1.1,8.8.8.8"}, {kTimeZone, "Tokyo"}}, false),
         "=", ""},
        {Named({{kHostName, "q6-store"}, {kGateway, "gw.lan"}}),
         Replaced(kReported, "Q6-Store", "q6-store"), ""},
        {Named({{kIp, "10.0.0.9"}, {kGateway, "0.0.0.0"}, {kNetmask, "255.255.255.0"}}),
         Replaced(Replaced(kReported, "10.0.0.5", "10.0.0.9"), "gw.lan", "") +
             "&nwk.netmask=255.255.255.0",
         ""},
        {Named({{kTimeZone, "Osaka"}}, true),
         Replaced(Replaced(kReported, "DHCP", "dhcp"), "Tokyo", "Osaka"), ""},
        {Named({{kDns, "1.1.1.1"}, {kGateway, "gw2"}, {kTimeZone, "Tokio"}, {kHostName, "a=b"}}),
         "",
         "host_name: a=b holds \"&\" or \"=\", which the array reads as separators|"
         "gateway: gw2 is no IPv4 address|"
         "time_zone: Tokio is no zone word of the table (q6 zones lists them)"},
        // With DHCP no address is written: the array keeps its own.
        {Named({{kIp, "10.0.0.6"}, {kDns, "9.9.9.9,1.1.1.1"}}, true),
         Replaced(kReported, "DHCP", "dhcp"), ""},
        {Named({{kHostName, std::string(20, 'n')}}), "",
         "host_name: nnnnnnnnnnnnnnnnnnnn takes 20 bytes in code page 936, more than 15"},
    };
    for (const auto& [named, working, problems] : cases) {
        const SettingsEdit edit = EditSettings(kReported, named, {});
        std::string listed;
        for (const FieldProblem& problem : edit.problems)
            listed += (listed.empty() ? "" : "|") + std::string(NamesOf(problem.field).column) +
                      ": " + problem.text;
        EXPECT_EQ(listed, problems);
        if (working.empty())
            continue;
        EXPECT_EQ(edit.working, working == "=" ? kReported : working);
        EXPECT_EQ(edit.changes.empty(), working == "=");
    }
    const std::string dhcp = Replaced(kReported, "DHCP", "dhcp");
    EXPECT_EQ(EditSettings(dhcp, Named({{Field::kIp, "10.0.0.6"}}), {}).problems.at(0).text,
              "10.0.0.6: with DHCP the array keeps its own addresses; set mode fixed to give it "
              "this one");
    const std::string full = "sys.hostname=a&pad=" + std::string(999 - 19, 'p');
    EXPECT_EQ(EditSettings(full, Named({{Field::kHostName, "abc"}}), {}).problems.at(0).text,
              "the settings would be longer than 999 characters");
}

// The clock the array reported runs on to the save unless it is named; a
// clock the array does not report, or reports unreadable, is not made up.
TEST(SettingsEdit, RunsTheArraysClockOnUnlessItIsNamed) {
    using namespace std::chrono_literals;
    const auto t0 = WizardRun::Clock::now();
    const ClockReading local = {{2031, 7, 4}, {8, 9, 10}};
    NamedValues time = Named({{Field::kTime, "12:00:00"}});
    NamedValues now;
    now.clockNow = true;
    const std::tuple<std::string, NamedValues, std::string> cases[] = {
        // reported clock, named, sent clock
        {"date=2024/02/29&time=23:59:30", Named({{Field::kHostName, "x"}}),
         "date=2024/03/01&time=00:01:00"},
        {"date=2024/02/29&time=23:59:30", time, "date=2024/03/01&time=12:00:00"},
        {"date=2024/02/29&time=23:59:30", now, "date=2031/07/04&time=08:09:10"},
        {"date=2024/2/30&time=23:59:30", Named({{Field::kHostName, "x"}}),
         "date=2024/2/30&time=23:59:30"},
        {"date=2024/02/29", time, "date=2024/02/29&time=12:00:00"},
    };
    for (const auto& [clock, named, sent] : cases) {
        const DeviceRecord record = {"", "sys.hostname=q&" + clock, "10.0.0.1", t0};
        const SettingsEdit edit = EditSettings(record.settings, named, local);
        const std::string settings = SettingsToSend(record, edit, t0 + 90s);
        EXPECT_EQ(settings.substr(settings.find("&date") + 1), sent) << clock;
    }
}

} // namespace
