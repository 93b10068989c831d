#pragma once
// The person at the terminal, when there is one: q6 asks only there.
#include "cli/console.h"

#include <optional>
#include <string>
#include <string_view>

// Whether standard input is a terminal (a console on Windows).
bool InputIsTerminal();

// One line typed at the terminal, UTF-8, without its line end; without echo
// when `echo` is false. nullopt at the end of the input.
std::optional<std::string> ReadTerminalLine(bool echo);

// Asks `question` once on the terminal: true for "y" or "yes".
bool AskOnce(Console& console, std::string_view question);

// A password typed without echo after `prompt`; nullopt when none was typed.
std::optional<std::string> PromptPassword(Console& console, std::string_view prompt);
