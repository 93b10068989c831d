#include "tools/array_sim/sim_options.h"

#include "core/protocol/message.h"
#include "tools/array_sim/sim_arrays.h"

#include <charconv>

namespace {

constexpr int kMaxArrays = 5000;

bool ParseCount(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

} // namespace

std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto count = [&](int low, int high, int& out) {
            std::string text;
            if (!value(text))
                return false;
            if (!ParseCount(text, low, high, out)) {
                error = name + " takes a number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not \"" + text + "\"";
                return false;
            }
            return true;
        };
        bool ok = true;
        if (name == "--arrays") {
            ok = count(1, kMaxArrays, options.arrays);
        } else if (name == "--burst") {
            ok = count(1, kMaxArrays, options.arrays);
            options.staggerMs = 0;
        } else if (name == "--settings") {
            ok = value(options.settingsFile);
        } else if (name == "--password") {
            std::string password;
            ok = value(password);
            options.password = password;
        } else if (name == "--password-of") {
            int index = 0;
            std::string password;
            ok = count(1, kMaxArrays, index) && value(password);
            options.passwordOf.emplace_back(index, password);
        } else if (name == "--delay-ms") {
            ok = count(0, 60000, options.delayMs);
        } else if (name == "--duplicate") {
            ok = count(1, 100, options.duplicate);
        } else if (name == "--silent") {
            options.silent = true;
        } else if (name == "--malformed") {
            options.malformed = true;
        } else if (name == "--flood") {
            ok = count(1, 1000000, options.flood);
        } else if (name == "--reply-to") {
            ok = value(options.replyTo);
            if (ok && (options.replyTo.empty() || options.replyTo.size() > kAddressFieldLength)) {
                error = "--reply-to takes an address of 1 to 15 characters";
                ok = false;
            }
        } else if (name == "--log") {
            ok = value(options.logFile);
        } else {
            error = "unknown option \"" + name + "\"";
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    return options;
}

bool ApplyPasswords(std::vector<SimArray>& arrays, const SimOptions& options, std::string& error) {
    if (options.password)
        for (SimArray& array : arrays)
            array.password = *options.password;
    for (const auto& [index, password] : options.passwordOf) {
        if (index > int(arrays.size())) {
            error = "--password-of " + std::to_string(index) + ": there are only " +
                    std::to_string(arrays.size()) + " arrays";
            return false;
        }
        arrays[index - 1].password = password;
    }
    return true;
}
