#include "cli/q6.h"

#include "cli/commands.h"
#include "cli/help.h"

int RunQ6(const std::vector<std::string>& args, Console& console) {
    const ParsedArguments parsed = ParseArguments(args);
    const Arguments& arguments = parsed.arguments;
    if (parsed.error) {
        console.err << "q6: " << *parsed.error << " (q6 --help)\n";
        return static_cast<int>(Exit::kUsage);
    }
    if (arguments.version) {
        console.out << kVersion << "\n";
        return static_cast<int>(Exit::kDone);
    }
    if (args.empty()) {
        console.err << HelpText(Command::kNone);
        return static_cast<int>(Exit::kUsage);
    }
    if (arguments.help) {
        console.out << HelpText(arguments.command);
        return static_cast<int>(Exit::kDone);
    }
    Exit exit = Exit::kUsage;
    switch (arguments.command) {
    case Command::kFind:
        exit = RunFind(arguments, console);
        break;
    case Command::kShow:
        exit = RunShow(arguments, console);
        break;
    case Command::kSet:
        exit = RunSet(arguments, console);
        break;
    case Command::kApply:
        exit = RunApply(arguments, console);
        break;
    case Command::kZones:
        exit = RunZones(arguments, console);
        break;
    case Command::kNone:
        break;
    }
    console.out << std::flush;
    return static_cast<int>(exit);
}
