#include "core/setup/time_zones.h"

// Row texts are shown as they are and searched byte for byte by RowForZone, so
// every character here matters, down to "Sofija" and "Cape Verde Is.".
const std::array<std::string_view, kTimeZoneRows + 1> kTimeZoneTable = {
    "(GMT-12:00) Eniwetok, Kwajalein",
    "(GMT-11:00) Midway Island, Samoa",
    "(GMT-10:00) Hawaii",
    "(GMT-09:00) Alaska",
    "(GMT-08:00) Pacific Time (US & Canada), Tijuana",
    "(GMT-07:00) Arizona",
    "(GMT-07:00) Mountain Time (US & Canada)",
    "(GMT-06:00) Central Time (US & Canada)",
    "(GMT-06:00) Mexico City, Tegucigalpa",
    "(GMT-06:00) Saskatchewan",
    "(GMT-05:00) Bogota, Lima, Quito",
    "(GMT-05:00) Eastern Time (US & Canada)",
    "(GMT-05:00) Indiana (East)",
    "(GMT-04:00) Atlantic Time (Canada)",
    "(GMT-04:00) Caracas, La Paz",
    "(GMT-04:00) Santiago",
    "(GMT-03:30) Newfoundland",
    "(GMT-03:00) Brasilia",
    "(GMT-03:00) Buenos Aires, Georgetown",
    "(GMT-02:00) Mid-Atlantic",
    "(GMT-01:00) Azores, Cape Verde Is.",
    "(GMT) Casablanca, Monrovia",
    "(GMT) Greenwich Mean Time: Edinburgh, London",
    "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Vienna",
    "(GMT+01:00) Belgrade, Budapest, Ljubljana, Prague",
    "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris",
    "(GMT+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb",
    "(GMT+02:00) Athens, Istanbul, Minsk",
    "(GMT+02:00) Bucharest",
    "(GMT+02:00) Cairo",
    "(GMT+02:00) Harare, Pretoria",
    "(GMT+02:00) Helsinki, Riga, Tallinn",
    "(GMT+02:00) Israel",
    "(GMT+03:00) Baghdad, Kuwait, Riyadh",
    "(GMT+03:00) Moscow, St. Petersburg, Volgograd",
    "(GMT+03:00) Nairobi",
    "(GMT+03:30) Tehran",
    "(GMT+04:00) Abu Dhabi, Muscat",
    "(GMT+04:00) Baku, Tbilisi",
    "(GMT+04:30) Kabul",
    "(GMT+05:00) Ekaterinburg",
    "(GMT+05:00) Islamabad, Karachi, Tashkent",
    "(GMT+05:30) Bombay, Calcutta, Madras, New Delhi",
    "(GMT+06:00) Almaty, Dhaka",
    "(GMT+06:00) Colombo",
    "(GMT+07:00) Bangkok, Hanoi, Jakarta",
    "(GMT+08:00) Beijing, Chongqing, Hong Kong",
    "(GMT+08:00) Perth",
    "(GMT+08:00) Singapore",
    "(GMT+08:00) Taipei",
    "(GMT+09:00) Osaka, Sapporo, Tokyo",
    "(GMT+09:00) Seoul",
    "(GMT+09:00) Yakutsk",
    "(GMT+09:30) Adelaide",
    "(GMT+09:30) Darwin",
    "(GMT+10:00) Brisbane",
    "(GMT+10:00) Canberra, Melbourne, Sydney",
    "(GMT+10:00) Guam, Port Moresby",
    "(GMT+10:00) Hobart",
    "(GMT+10:00) Vladivostok",
    "(GMT+11:00) Magadan, Solomon Is., New Caledonia",
    "(GMT+12:00) Auckland, Wellington",
    "(GMT+12:00) Fiji, Kamchatka, Marshall Is.",
    "EOF",
};

std::string ZoneWord(int row) {
    if (row < 0 || row >= kTimeZoneRows)
        return {};
    std::string_view text = kTimeZoneTable[static_cast<std::size_t>(row)];
    // Read like "%[^)]) %s": something before the first ")", then the next word.
    std::size_t close = text.find(')');
    if (close == 0 || close == std::string_view::npos)
        return {};
    constexpr std::string_view kWhite = " \t\n\v\f\r";
    std::size_t begin = text.find_first_not_of(kWhite, close + 1);
    if (begin == std::string_view::npos)
        return {};
    std::string_view word = text.substr(begin, text.find_first_of(kWhite, begin) - begin);
    return std::string(word.substr(0, word.find(',')));
}

bool IsZoneWord(std::string_view word) {
    for (int row = 0; row < kTimeZoneRows; ++row) {
        if (ZoneWord(row) == word)
            return true;
    }
    return false;
}

int RowForZone(std::string_view stored) {
    for (int row = 0; row < kTimeZoneRows; ++row) {
        if (ZoneWord(row) == stored)
            return row;
    }
    int found = -1;
    for (int row = 0; row < kTimeZoneRows; ++row) {
        if (kTimeZoneTable[static_cast<std::size_t>(row)].find(stored) != std::string_view::npos)
            found = row;
    }
    return found;
}
