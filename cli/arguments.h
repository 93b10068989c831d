#pragma once
// q6's command line: the command, its ARRAY or PLAN, and its options, read
// as given; the values to set are checked by the command that takes them.
#include "cli/fields.h"

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class Command { kNone, kFind, kShow, kSet, kApply, kZones };

struct Arguments {
    Command command = Command::kNone;
    bool help = false;
    bool version = false;
    std::string target; // ARRAY of show and set, PLAN of apply
    std::optional<std::chrono::milliseconds> wait;
    bool json = false;
    bool csv = false;
    bool raw = false;
    bool yes = false;
    bool dryRun = false;
    std::optional<std::string> passwordFile;
    // set: the values named, in the order given, as given
    std::vector<std::pair<Field, std::string>> values;
    std::optional<bool> dhcp;
    bool clockNow = false;
};

struct ParsedArguments {
    Arguments arguments;
    std::optional<std::string> error; // a usage error
};

ParsedArguments ParseArguments(const std::vector<std::string>& args);

// "--host-name" for Field::kHostName: the option of set that names a field.
std::string OptionOf(Field field);
