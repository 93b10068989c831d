#pragma once
// The arrays one search found, each once, and which of them a command's
// ARRAY names.
#include "core/setup/device_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FoundArray {
    DeviceRecord record;
    // Another array found reports the same address: every request to this
    // one reaches that one too.
    bool sharedAddress = false;
};

// One entry per array, repeated answers (SameArray) as the first one, ordered
// by address (numerically where it is a dotted one), then MAC, so that two
// runs list the same arrays alike.
std::vector<FoundArray> FindArrays(const std::vector<DeviceRecord>& replies);

// The arrays whose MAC address (ignoring case), address or host name is
// `argument` (escapes read as everywhere).
std::vector<const FoundArray*> Matching(const std::vector<FoundArray>& arrays,
                                        std::string_view argument);

// "NAME (MAC, ADDRESS)" for messages.
std::string Describe(std::string_view settings);

// The arrays found but `except` that answer for `address`.
std::vector<const FoundArray*> AnsweringFor(const std::vector<FoundArray>& arrays,
                                            std::string_view address, const FoundArray& except);

// Why `array` must not take the address `working` gives it: another array
// found answers for it now, and every request to one would reach both, a
// plan's next row's too. nullopt when the address stays or is free.
std::optional<std::string> AddressTaken(const std::vector<FoundArray>& arrays,
                                        const FoundArray& array, std::string_view working);
