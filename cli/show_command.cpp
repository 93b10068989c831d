#include "cli/array_output.h"
#include "cli/commands.h"
#include "cli/search_wait.h"
#include "cli/steps.h"

Exit RunShow(const Arguments& arguments, Console& console) {
    const auto found = Search(console, kSearchWait);
    if (const Exit* exit = std::get_if<Exit>(&found))
        return *exit;
    const auto& arrays = std::get<std::vector<FoundArray>>(found);
    const auto one = OneArray(console, arrays, arguments.target);
    if (const Exit* exit = std::get_if<Exit>(&one))
        return *exit;
    const FoundArray& array = *std::get<const FoundArray*>(one);
    if (arguments.raw)
        console.out << array.record.settings;
    else if (arguments.json)
        console.out << ArrayJson(array) << "\n";
    else
        console.out << ArrayDetails(array);
    if (array.sharedAddress && !arguments.raw && !arguments.json)
        console.err << kSharedAddressNote << "\n";
    return Exit::kDone;
}
