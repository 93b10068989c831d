#include "cli/array_output.h"
#include "cli/commands.h"
#include "cli/steps.h"

Exit RunShow(const Arguments& arguments, Console& console) {
    const auto search = SearchNamed(console, arguments.target);
    if (const Exit* exit = std::get_if<Exit>(&search))
        return *exit;
    const FoundArray& array = std::get<NamedArray>(search).Array();
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
