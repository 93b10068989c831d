#include "cli/json.h"
#include "cli/table.h"
#include "cli/text.h"
#include "core/setup/network_settings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace std::string_literals;

// Every byte an array may report shows as text that reads back as that byte,
// in a table, a CSV cell or a JSON string alike.
TEST(Output, EscapesWhatDoesNotDecodeAndControlsAndReadsThemBack) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // bytes, shown, as a JSON string
        {"Q6 \"a\"", "Q6 \"a\"", R"("Q6 \"a\"")"},
        {"\xE9\x98\xB5\x31", "闃\\xB51", R"("闃\\xB51")"},
        {"C:\\x41", "C:\\\\x41", R"("C:\\\\x41")"},
        {"a\0b\x1B[2J\x7F\n"s, "a\\x00b\\x1B[2J\\x7F\\x0A", R"("a\\x00b\\x1B[2J\\x7F\\x0A")"},
        {"\xB4\xE6\x81\x5C", "存乗", R"("存乗")"},
    };
    for (const auto& [bytes, shown, json] : cases) {
        EXPECT_EQ(Shown(bytes), shown);
        EXPECT_EQ(BytesOf(Shown(bytes)), bytes) << shown;
        EXPECT_EQ(JsonString(Shown(bytes)), json);
    }
    // What JSON must escape, whatever writes it.
    EXPECT_EQ(JsonString("\t\r\n\x01\x1F\"\\/"), R"("\t\r\n\u0001\u001F\"\\/")");
    EXPECT_EQ(LiteralBytesOf("a\\xB5"), "a\\xB5");
}

// A Chinese character takes two columns of a terminal.
TEST(Output, LinesUpColumnsByDisplayWidth) {
    EXPECT_EQ(Table({{"NAME", "IP"}, {"存储阵列", "1"}, {"a", ""}}),
              "NAME      IP\n存储阵列  1\na\n");
}

// The host name box lowers what it takes letter by letter: a trail byte in
// the range of the ASCII capitals belongs to its character.
TEST(Output, LowersHostNamesAsTheWizardsBoxDoes) {
    const std::pair<std::string, std::string> cases[] = {
        {"NAS-Two_01", "nas-two_01"},
        {"\x81\x41Z", "\x81\x41z"},                               // 丂Z
        {"\xA3\xC1\xA6\xA1\xA7\xA1", "\xA3\xE1\xA6\xC1\xA7\xD1"}, // ＡΑА
        {"Q\xFF\xB5", "q\xFF\xB5"},                               // no characters: as they are
    };
    for (const auto& [name, lowered] : cases)
        EXPECT_EQ(LowerHostName(name), lowered) << name;
}

} // namespace
