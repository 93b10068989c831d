#include "cli/plan.h"

#include <gtest/gtest.h>

namespace {

Problems Read(const std::string& csv) {
    Problems problems;
    ReadPlan(csv, problems);
    return problems;
}

// Before any search: every bad cell of every row, each once, by row.
TEST(Plan, ListsEveryProblemOfTheTextByRow) {
    const std::string plan = "MAC,host_name,mode,ip,netmask,gateway,dns,time_zone,date,time,"
                             "password,colour,\n"
                             "00:01,a&b,static,10.0.0.300,255.255.255.0,1.2.3,,Tokio,2024/13/01,"
                             "7:5:60,12345678901234567,red\n"
                             ",,,,,,,,,,,,\n"
                             ",x,dhcp\n"
                             "00:02,\"ok\",fixed,10.0.0.7,,,a.b,Osaka,2024/02/29,07:05:00,,,extra\n"
                             "00:01,,FIXED,10.0.0.7,,,10.0.0.1,,,,\\q\n";
    EXPECT_EQ(Read(plan), (Problems{
                              "row 1: colour: no such column (the columns: mac, host_name, mode, "
                              "ip, netmask, gateway, dns, time_zone, date, time, password)",
                              "row 2: host_name: a&b holds \"&\" or \"=\", which the array reads "
                              "as separators",
                              "row 2: mode: static is neither fixed nor dhcp",
                              "row 2: ip: 10.0.0.300 is no IPv4 address",
                              "row 2: gateway: 1.2.3 is no IPv4 address",
                              "row 2: date: 2024/13/01 is no date YYYY/MM/DD from 1601 to 9999",
                              "row 2: time: 7:5:60 is no time HH:MM:SS",
                              "row 2: password: the password takes 17 bytes in code page 936, "
                              "more than the array's 16",
                              "row 4: mac: empty: the row names no array",
                              "row 5: cell 13 (extra) is under no column of the header",
                              "row 6: password: no text q6 reads",
                              "row 6: mac: 00:01 is named in row 2 too",
                              "row 6: ip: 10.0.0.7 is given in row 5 too",
                          }));
    EXPECT_EQ(Read("ip,ip\n"), (Problems{"row 1: ip: a second column of this name",
                                         "row 1: no mac column: nothing says which array a row "
                                         "is for"}));
    EXPECT_EQ(Read("mac\n\"00"), (Problems{"row 2: a quoted cell is not closed"}));
    EXPECT_EQ(Read(""), (Problems{"the plan is empty: it needs a header row and a row per array"}));
}

DeviceRecord Reply(const std::string& settings) {
    return {"", settings, "10.0.0.1", {}};
}

// After the search: what only the arrays' reported settings tell.
TEST(Plan, ListsWhatTheArraysFoundRefuse) {
    const std::vector<FoundArray> arrays = FindArrays({
        Reply("sys.hostname=One&nwk.ipaddr=10.0.0.1&nwk.mac=00:01&sys.dns=1.1.1.1,2.2.2.2"),
        Reply("sys.hostname=Twin&nwk.ipaddr=10.0.0.1&nwk.mac=00:02"),
        Reply("sys.hostname=Dhcp&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.3&nwk.mac=00:03"),
        Reply("sys.hostname=Far&nwk.ipaddr=192.168.100.200x&nwk.mac=00:04"),
        Reply("sys.hostname=Same1&nwk.ipaddr=10.0.0.5&nwk.mac=00:05"),
        Reply("sys.hostname=Same2&nwk.ipaddr=10.0.0.6&nwk.mac=00:05"),
        Reply("sys.hostname=Kept&nwk.ipaddr=10.0.0.7&nwk.mac=00:07&sys.dns=1.1.1.1,2.2.2.2"),
        Reply("sys.hostname=Kept2&nwk.ipaddr=10.0.0.8&nwk.mac=00:08&sys.dns=1.1.1.1,2.2.2.2"),
    });
    Problems problems;
    const std::vector<PlanRow> rows = ReadPlan("mac,host_name,ip,dns\n"
                                               "00:01,,,\n"
                                               "00:03,,10.0.0.9,\n"
                                               "00:04,far2,,\n"
                                               "00:05,,,\n"
                                               "00:07,Kept,10.0.0.7,\"1.1.1.1,2.2.2.2\"\n"
                                               "00:08,,10.0.0.5,\"1.1.1.1, 2.2.2.2\"\n"
                                               "00:99,x,,\n",
                                               problems);
    ASSERT_EQ(problems, Problems{});
    const std::vector<PlanTarget> targets = TargetPlan(rows, arrays, problems);
    EXPECT_EQ(problems,
              (Problems{
                  "row 2: One (00:01, 10.0.0.1) answers for its address with Twin (00:02, "
                  "10.0.0.1): requests name an array by its address, so these must be connected "
                  "one at a time",
                  "row 3: ip: 10.0.0.9: with DHCP the array keeps its own addresses; set mode "
                  "fixed to give it this one",
                  "row 4: Far (00:04, 192.168.100.200x): its address is longer than 15 bytes, no "
                  "request can name it",
                  "row 5: mac: 00:05 is reported by 2 arrays: Same1 (00:05, 10.0.0.5), Same2 "
                  "(00:05, 10.0.0.6)",
                  "row 7: dns: 1.1.1.1, 2.2.2.2 is no IPv4 address",
                  "row 7: ip: 10.0.0.5 is the address Same1 (00:05, 10.0.0.5) answers for now: "
                  "both would take every request to it",
              }));
    EXPECT_TRUE(targets.at(4).edit.changes.empty() && targets.at(4).array);
    EXPECT_FALSE(targets.at(6).array);
}

} // namespace
