#pragma once
// The simulator's command line.
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct SimOptions {
    int arrays = 3;
    // Each array answers a search this much later than the one before it, as
    // separate devices do; a burst drops the stagger.
    int staggerMs = 2;
    int delayMs = 10;
    int duplicate = 1;
    bool silent = false;
    bool malformed = false;
    int flood = 0; // hostile datagrams sent to the requester before every answer
    std::string replyTo;
    std::string logFile;
    std::string settingsFile;
    std::optional<std::string> password;                 // for every array
    std::vector<std::pair<int, std::string>> passwordOf; // 1-based array, password
};

inline constexpr const char* kSimUsage =
    "usage: q6-array-sim [options]\n"
    "  --arrays N             play N arrays (default 3)\n"
    "  --burst N              play N arrays that answer a search all at once\n"
    "  --settings FILE        the arrays' settings strings, one a line\n"
    "  --password PW          administrator password of every array (default admin)\n"
    "  --password-of I PW     password of array I (1-based)\n"
    "  --delay-ms D           wait D ms before replying (default 10)\n"
    "  --duplicate K          send every reply K times\n"
    "  --silent               answer nothing\n"
    "  --reply-to ADDR        put ADDR in the replies' address field\n"
    "  --malformed            precede every reply by malformed datagrams\n"
    "  --flood N              send N hostile datagrams to the requester first on every\n"
    "                         request (logged as one line)\n"
    "  --log FILE             append every datagram received and sent, in hex\n";

// The options, or nothing with the reason in `error`.
std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);

struct SimArray;

// Gives the arrays the passwords the options name. False, with the reason in
// `error`, when an option names an array that is not there.
bool ApplyPasswords(std::vector<SimArray>& arrays, const SimOptions& options, std::string& error);
