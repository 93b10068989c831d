#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

enum CommandBit : unsigned {
    kFind = 1,
    kShow = 2,
    kSet = 4,
    kApply = 8,
    kZones = 16,
    kAny = 31,
};

struct CommandName {
    std::string_view name;
    Command command;
    unsigned bit;
};

constexpr CommandName kCommands[] = {
    {"find", Command::kFind, kFind},    {"show", Command::kShow, kShow},
    {"set", Command::kSet, kSet},       {"apply", Command::kApply, kApply},
    {"zones", Command::kZones, kZones},
};

// The fields set takes a value for, each by the option OptionOf names.
constexpr Field kSetFields[] = {Field::kHostName, Field::kIp,  Field::kNetmask,
                                Field::kGateway,  Field::kDns, Field::kTimeZone,
                                Field::kDate,     Field::kTime};

constexpr double kLongestWaitSeconds = 3600;

std::optional<std::chrono::milliseconds> Seconds(const std::string& text) {
    double seconds = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), seconds, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !(seconds > 0) ||
        seconds > kLongestWaitSeconds)
        return std::nullopt;
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : m_args(args) {}

    ParsedArguments Parse() {
        for (m_next = 0; m_next < m_args.size() && !m_result.error;) {
            const std::string& arg = m_args[m_next++];
            if (arg.starts_with("--"))
                Option(arg);
            else if (m_result.arguments.command == Command::kNone)
                Name(arg);
            else if (m_result.arguments.target.empty() && TakesTarget())
                m_result.arguments.target = arg;
            else
                Fail("unexpected argument \"" + arg + "\"");
        }
        if (!m_result.error && !m_result.arguments.help && !m_result.arguments.version)
            CheckWhole();
        return m_result;
    }

private:
    Arguments& A() { return m_result.arguments; }

    void Fail(std::string text) {
        if (!m_result.error)
            m_result.error = std::move(text);
    }

    bool TakesTarget() const {
        const Command c = m_result.arguments.command;
        return c == Command::kShow || c == Command::kSet || c == Command::kApply;
    }

    void Name(const std::string& arg) {
        for (const CommandName& command : kCommands)
            if (command.name == arg) {
                A().command = command.command;
                m_bit = command.bit;
                return;
            }
        Fail("unknown command \"" + arg + "\"");
    }

    // The option's value: after "=" or the next argument.
    std::optional<std::string> Value(const std::string& name) {
        if (m_inlineValue)
            return m_inlineValue;
        if (m_next < m_args.size())
            return m_args[m_next++];
        Fail(name + " needs a value");
        return std::nullopt;
    }

    void Option(const std::string& arg) {
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        m_inlineValue.reset();
        if (equals != std::string::npos)
            m_inlineValue = arg.substr(equals + 1);
        if (std::find(m_seen.begin(), m_seen.end(), name) != m_seen.end())
            return Fail(name + " is given twice");
        m_seen.push_back(name);
        const auto forCommands = [&](unsigned commands) {
            if (A().command == Command::kNone && commands != kAny)
                Fail(name + " comes after a command");
            else if (A().command != Command::kNone && !(commands & m_bit))
                Fail(name + " is not an option of " + CommandWord());
            return !m_result.error;
        };
        const auto flag = [&](unsigned commands, bool& value) {
            if (m_inlineValue)
                return Fail(name + " takes no value");
            if (forCommands(commands))
                value = true;
        };
        if (name == "--help")
            return flag(kAny, A().help);
        if (name == "--version") {
            if (A().command != Command::kNone)
                return Fail("--version comes before any command");
            return flag(kAny, A().version);
        }
        if (name == "--json")
            return flag(kFind | kShow | kApply, A().json);
        if (name == "--csv")
            return flag(kFind, A().csv);
        if (name == "--raw")
            return flag(kShow, A().raw);
        if (name == "--yes")
            return flag(kSet | kApply, A().yes);
        if (name == "--dry-run")
            return flag(kSet | kApply, A().dryRun);
        if (name == "--dhcp" || name == "--fixed") {
            if (A().dhcp)
                return Fail("--dhcp and --fixed exclude each other");
            bool chosen = false;
            flag(kSet, chosen);
            if (chosen)
                A().dhcp = name == "--dhcp";
            return;
        }
        if (name == "--wait") {
            const auto value = Value(name);
            if (!value || !forCommands(kFind))
                return;
            A().wait = Seconds(*value);
            if (!A().wait)
                Fail("--wait takes seconds, more than 0 and at most 3600, not \"" + *value + "\"");
            return;
        }
        if (name == "--password-file") {
            const auto value = Value(name);
            if (value && forCommands(kSet | kApply))
                A().passwordFile = value;
            return;
        }
        if (name == "--clock") {
            const auto value = Value(name);
            if (!value || !forCommands(kSet))
                return;
            if (*value != "now")
                return Fail("--clock takes \"now\", not \"" + *value + "\"");
            A().clockNow = true;
            return;
        }
        for (const Field field : kSetFields)
            if (name == OptionOf(field)) {
                const auto value = Value(name);
                if (value && forCommands(kSet))
                    A().values.emplace_back(field, *value);
                return;
            }
        Fail("unknown option " + name);
    }

    std::string CommandWord() const {
        for (const CommandName& command : kCommands)
            if (command.command == m_result.arguments.command)
                return std::string(command.name);
        return "q6";
    }

    bool Named(Field field) const {
        return std::any_of(A().values.begin(), A().values.end(),
                           [field](const auto& value) { return value.first == field; });
    }
    const Arguments& A() const { return m_result.arguments; }

    void CheckWhole() {
        const Arguments& a = A();
        if (a.command == Command::kNone)
            return Fail("name a command: find, show, set, apply or zones");
        if (TakesTarget() && a.target.empty())
            return Fail(CommandWord() +
                        (a.command == Command::kApply ? " needs a PLAN" : " needs an ARRAY"));
        if (a.json && (a.csv || a.raw))
            return Fail(std::string("--json and ") + (a.csv ? "--csv" : "--raw") +
                        " exclude each other");
        const bool addresses = std::any_of(kAddressFields.begin(), kAddressFields.end(),
                                           [this](Field field) { return Named(field); });
        if (a.dhcp == true && addresses)
            return Fail("--dhcp keeps the array's addresses: it goes with none of --ip, "
                        "--netmask, --gateway, --dns");
        if (a.clockNow && (Named(Field::kDate) || Named(Field::kTime)))
            return Fail("--clock now sets date and time: it goes with neither --date nor --time");
        if (a.command == Command::kSet && a.values.empty() && !a.dhcp && !a.clockNow)
            return Fail("set needs a value to set: --host-name, --dhcp, --fixed, --ip, "
                        "--netmask, --gateway, --dns, --time-zone, --date, --time or --clock");
    }

    const std::vector<std::string>& m_args;
    std::size_t m_next = 0;
    unsigned m_bit = 0;
    std::optional<std::string> m_inlineValue;
    std::vector<std::string> m_seen;
    ParsedArguments m_result;
};

} // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    return Parser(args).Parse();
}

std::string OptionOf(Field field) {
    std::string option = "--" + std::string(NamesOf(field).column);
    std::replace(option.begin(), option.end(), '_', '-');
    return option;
}
