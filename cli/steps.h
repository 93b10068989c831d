#pragma once
// The steps the commands share: the search, the one array an ARRAY names,
// the password, and the confirmation before anything is sent. Each says on
// the console what went wrong and gives the exit code.
#include "cli/arguments.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/found_arrays.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The arrays that answered, each once; an exit code when the search failed
// or found none.
std::variant<std::vector<FoundArray>, Exit> Search(Console& console,
                                                   std::chrono::milliseconds wait);

// A search, and the one array `argument` (a MAC, an address or a host name)
// names among those found.
struct NamedArray {
    std::vector<FoundArray> found;
    std::size_t index = 0;
    const FoundArray& Array() const { return found[index]; }
};
// An exit code when the search failed, or `argument` names none or several,
// the arrays found listed.
std::variant<NamedArray, Exit> SearchNamed(Console& console, std::string_view argument);

// The password given before the search: --password-file's first line, else
// Q6_PASSWORD, as the array compares it; none when neither is given.
struct GivenPassword {
    std::optional<std::string> bytes;
    std::optional<Exit> failure; // the file is unreadable, the password too long
};
GivenPassword ReadGivenPassword(Console& console, const Arguments& arguments);

// Whether a password can be had at all: given, or typed at a terminal.
bool PasswordAvailable(Console& console, const GivenPassword& given);

// The given password, else one typed at the terminal; an exit code when
// there is none or it is too long.
std::variant<std::string, Exit> Password(Console& console, const GivenPassword& given,
                                         std::string_view prompt);

// After the changes were shown: nullopt to send them; kDone for a dry run or
// a "no" at the terminal; kUsage with no terminal to ask and no --yes.
std::optional<Exit> Confirm(Console& console, const Arguments& arguments,
                            std::string_view question);

// Writes each problem on its own line, after `heading`.
void ListProblems(Console& console, std::string_view heading,
                  const std::vector<std::string>& problems);
