#pragma once
// The arrays one simulator process plays: each one's settings string, its
// administrator password and its clock.
#include <chrono>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using SimClock = std::chrono::system_clock;
using SimTime = std::chrono::sys_seconds;

struct SimArray {
    std::string settings;
    std::string password;
    // The array's clock minus the real one: a "SET" that carries another date
    // and time moves the clock, and later searches report it running from there.
    std::chrono::seconds clockOffset{0};
};

inline constexpr std::string_view kDefaultPassword = "admin";

// Lab address of array `index` (0-based): 10.77.1.1, 10.77.1.2, ... then 10.77.2.1.
std::string ArrayAddress(int index);

// `count` arrays with realistic settings: alternately fixed and DHCP
// addresses, different time zones, and keys the wizard does not know.
std::vector<SimArray> DefaultArrays(int count);

// One settings string per line; empty lines are skipped. Nothing (and the
// reason in `error`) when a line does not fit a settings string.
std::optional<std::vector<SimArray>> LoadArrays(std::istream& in, std::string& error);

// The settings as the array reports them at `now`: the values of "date" and
// "time", where the array has them, from its own clock.
std::string ReportedSettings(const SimArray& array, SimTime now);

// Takes `settings` as the array's own; a valid date and time among them sets
// its clock.
void TakeSettings(SimArray& array, std::string settings, SimTime now);
