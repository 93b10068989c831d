#include "cli/terminal.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

namespace {

termios g_echoing;

// An interrupt at the password prompt must not leave the terminal silent.
void RestoreAndRaise(int signal) {
    ::tcsetattr(STDIN_FILENO, TCSANOW, &g_echoing);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

bool InputIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

std::optional<std::string> ReadTerminalLine(bool echo) {
    const bool silence = !echo && ::tcgetattr(STDIN_FILENO, &g_echoing) == 0;
    if (silence) {
        termios silent = g_echoing;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        std::signal(SIGINT, RestoreAndRaise);
        std::signal(SIGTERM, RestoreAndRaise);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (silence) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_echoing);
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}
