#include "cli/terminal.h"

#include "cli/text.h"

bool AskOnce(Console& console, std::string_view question) {
    console.err << question << " [y/N] " << std::flush;
    const std::optional<std::string> answer = ReadTerminalLine(true);
    return answer && (EqualsIgnoringCase(*answer, "y") || EqualsIgnoringCase(*answer, "yes"));
}

std::optional<std::string> PromptPassword(Console& console, std::string_view prompt) {
    console.err << prompt << std::flush;
    std::optional<std::string> password = ReadTerminalLine(false);
    // The line end typed was not echoed either.
    console.err << "\n";
    return password;
}
