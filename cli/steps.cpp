#include "cli/steps.h"

#include "cli/exchanges.h"
#include "cli/files.h"
#include "cli/named_values.h"
#include "cli/search_wait.h"
#include "cli/terminal.h"
#include "cli/text.h"
#include "cli/this_computer.h"

std::variant<std::vector<FoundArray>, Exit> Search(Console& console,
                                                   std::chrono::milliseconds wait) {
    const SearchResult search = SearchArrays(wait);
    if (search.failure) {
        const Outcome outcome = FailureOutcome(*search.failure, Step::kSearch, {});
        console.err << "q6: " << outcome.text << "\n";
        return outcome.exit;
    }
    std::vector<FoundArray> arrays = FindArrays(search.replies);
    if (arrays.empty()) {
        console.err << "q6: no array answered the search\n";
        return Exit::kNoArray;
    }
    return arrays;
}

std::variant<NamedArray, Exit> SearchNamed(Console& console, std::string_view argument) {
    auto found = Search(console, kSearchWait);
    if (const Exit* exit = std::get_if<Exit>(&found))
        return *exit;
    auto& arrays = std::get<std::vector<FoundArray>>(found);
    const std::vector<const FoundArray*> matches = Matching(arrays, argument);
    if (matches.size() == 1) {
        const auto index = static_cast<std::size_t>(matches.front() - arrays.data());
        return NamedArray{std::move(arrays), index};
    }
    if (matches.empty()) {
        console.err << "q6: no array found has the MAC, address or host name " << argument
                    << "; found:\n";
        for (const FoundArray& array : arrays)
            console.err << "  " << Describe(array.record.settings) << "\n";
    } else {
        console.err << "q6: " << argument << " names " << matches.size()
                    << " arrays; name one by its MAC:\n";
        for (const FoundArray* array : matches)
            console.err << "  " << Describe(array->record.settings) << "\n";
    }
    return Exit::kNoArray;
}

GivenPassword ReadGivenPassword(Console& console, const Arguments& arguments) {
    std::optional<std::string> text;
    if (arguments.passwordFile) {
        const std::optional<std::string> file = ReadWholeFile(*arguments.passwordFile);
        if (!file) {
            console.err << "q6: " << *arguments.passwordFile << ": cannot be read\n";
            return {std::nullopt, Exit::kUsage};
        }
        text = file->substr(0, file->find('\n'));
        if (!text->empty() && text->back() == '\r')
            text->pop_back();
    } else {
        text = EnvironmentVariable("Q6_PASSWORD");
    }
    if (!text)
        return {};
    const std::optional<std::string> bytes = LiteralBytesOf(*text);
    if (!bytes) {
        console.err << "q6: the password is not UTF-8, or holds a character code page 936 "
                       "lacks\n";
        return {std::nullopt, Exit::kRefused};
    }
    if (const std::optional<std::string> problem = PasswordProblem(*bytes)) {
        console.err << "q6: " << *problem << "\n";
        return {std::nullopt, Exit::kRefused};
    }
    return {bytes, std::nullopt};
}

bool PasswordAvailable(Console& console, const GivenPassword& given) {
    if (given.bytes || InputIsTerminal())
        return true;
    console.err << "q6: no password: give --password-file FILE or set Q6_PASSWORD (without a "
                   "terminal q6 cannot ask for it)\n";
    return false;
}

std::variant<std::string, Exit> Password(Console& console, const GivenPassword& given,
                                         std::string_view prompt) {
    if (given.bytes)
        return *given.bytes;
    if (!PasswordAvailable(console, given))
        return Exit::kUsage;
    const std::optional<std::string> typed = PromptPassword(console, prompt);
    if (!typed) {
        console.err << "q6: no password typed; nothing was sent\n";
        return Exit::kUsage;
    }
    const std::optional<std::string> bytes = LiteralBytesOf(*typed);
    if (!bytes) {
        console.err << "q6: the password holds a character code page 936 lacks; nothing was "
                       "sent\n";
        return Exit::kRefused;
    }
    if (const std::optional<std::string> problem = PasswordProblem(*bytes)) {
        console.err << "q6: " << *problem << "; nothing was sent\n";
        return Exit::kRefused;
    }
    return *bytes;
}

std::optional<Exit> Confirm(Console& console, const Arguments& arguments,
                            std::string_view question) {
    if (arguments.dryRun) {
        console.err << "q6: dry run: nothing was sent\n";
        return Exit::kDone;
    }
    if (arguments.yes)
        return std::nullopt;
    if (!InputIsTerminal()) {
        console.err << "q6: no terminal to ask whether to send: add --yes to send without "
                       "asking; nothing was sent\n";
        return Exit::kUsage;
    }
    if (AskOnce(console, question))
        return std::nullopt;
    console.err << "q6: nothing was sent\n";
    return Exit::kDone;
}

void ListProblems(Console& console, std::string_view heading,
                  const std::vector<std::string>& problems) {
    console.err << "q6: " << heading << "\n";
    for (const std::string& problem : problems)
        console.err << "  " << problem << "\n";
}
