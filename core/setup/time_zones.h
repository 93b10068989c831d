#pragma once
// The fixed time zone list of the date and time page, and the two conversions
// between a row and the value stored in sys.Time.timeZone.
#include <array>
#include <string>
#include <string_view>

inline constexpr int kTimeZoneRows = 63;
// Rows 0 to 62, then the end marker "EOF" that readers stop at.
extern const std::array<std::string_view, kTimeZoneRows + 1> kTimeZoneTable;

// Every row before the end marker, in table order.
template <class Add> void FillTimeZones(Add add) {
    for (std::string_view row : kTimeZoneTable) {
        if (row == "EOF")
            break;
        add(row);
    }
}

// The first word after ")", cut at "," or space ("Pacific" for row 4);
// "" for a row outside 0..62.
std::string ZoneWord(int row);

// Whether `word` is the zone word of a row: what choosing a row can write.
bool IsZoneWord(std::string_view word);

// The row whose zone word is `stored`, so that what the wizard writes reads back
// as the same row ("Atlantic" is row 13, not row 19 "Mid-Atlantic"). A value no
// zone word equals selects the last row containing it, byte-wise ("GMT+08:00"
// gives row 49, "" row 62); -1 when none does.
int RowForZone(std::string_view stored);
