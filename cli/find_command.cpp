#include "cli/array_output.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/search_wait.h"
#include "cli/steps.h"

#include <algorithm>

Exit RunFind(const Arguments& arguments, Console& console) {
    const auto found = Search(console, arguments.wait.value_or(kSearchWait));
    const auto* arrays = std::get_if<std::vector<FoundArray>>(&found);
    // Scripts read the empty list as a list, with the exit code saying none.
    if (!arrays) {
        if (std::get<Exit>(found) == Exit::kNoArray && arguments.json)
            console.out << "[]\n";
        if (std::get<Exit>(found) == Exit::kNoArray && arguments.csv)
            console.out << ArraysCsv({});
        return std::get<Exit>(found);
    }
    if (arguments.json) {
        std::vector<std::string> objects;
        for (const FoundArray& array : *arrays)
            objects.push_back(ArrayJson(array));
        console.out << JsonArray(objects, true) << "\n";
    } else if (arguments.csv) {
        console.out << ArraysCsv(*arrays);
    } else {
        console.out << ArraysTable(*arrays);
    }
    if (!arguments.json && std::any_of(arrays->begin(), arrays->end(),
                                       [](const FoundArray& a) { return a.sharedAddress; }))
        console.err << kSharedAddressNote << "\n";
    return Exit::kDone;
}
