#include "cli/commands.h"
#include "cli/table.h"
#include "core/setup/time_zones.h"

Exit RunZones(const Arguments&, Console& console) {
    std::vector<std::vector<std::string>> rows = {{"ZONE WORD", "ROW"}};
    for (int row = 0; row < kTimeZoneRows; ++row)
        rows.push_back({ZoneWord(row), std::string(kTimeZoneTable[static_cast<std::size_t>(row)])});
    console.out << Table(rows);
    return Exit::kDone;
}
