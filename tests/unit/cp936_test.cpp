#include "core/text/cp936.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

using namespace std::string_literals;
using namespace cp936;

// Bytes as an array may report them, read as the wizard and the command line read them, and
// written back from each reading.
TEST(Cp936, ReadsAnyBytesAndWritesThemBack) {
    struct Case {
        std::string bytes;
        std::optional<std::u16string> strict;
        std::u16string text;
        std::string utf8;
    };
    const Case cases[] = {
        {"Q6-NAS 1", u"Q6-NAS 1", u"Q6-NAS 1", "Q6-NAS 1"},
        {"\xB4\xE6\xB4\xA2\xD5\xF3", u"存储阵", u"存储阵", "存储阵"},
        {"\x80", u"€", u"€", "€"},
        {"a\0b"s, u"a\0b"s, u"a\0b"s, "a\0b"s},
        {"\x81\x5C", u"乗", u"乗", "乗"}, // a trail byte 0x5C is no backslash
        {"C:\\x41", u"C:\\x41", u"C:\\x41", "C:\\\\x41"},
        {"a\xB4", std::nullopt, u"a\uFFFD", "a\\xB4"},
        {"\x80\xFF", std::nullopt, u"€\uFFFD", "€\\xFF"},
        {"\xB5\x31", std::nullopt, u"\uFFFD1", "\\xB51"},
        // "阵1" set in UTF-8 through the array's web page.
        {"\xE9\x98\xB5\x31", std::nullopt, u"闃\uFFFD1", "闃\\xB51"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeStrict(c.bytes), c.strict) << c.utf8;
        EXPECT_EQ(Decode(c.bytes), c.text) << c.utf8;
        EXPECT_EQ(ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(FromUtf8(c.utf8), c.bytes) << c.utf8;
        if (c.strict) {
            EXPECT_EQ(EncodeStrict(*c.strict), c.bytes) << c.utf8;
        }
    }
}

// Text typed in the wizard on its way to an array.
TEST(Cp936, EncodesWhatTheCodePageHoldsAndReplacesEachCodePointElse) {
    const std::tuple<std::u16string, std::optional<std::string>, std::string> cases[] = {
        {u"存储阵", "\xB4\xE6\xB4\xA2\xD5\xF3", "\xB4\xE6\xB4\xA2\xD5\xF3"},
        {u"€5", "\x80\x35", "\x80\x35"},
        {u"a\0b"s, "a\0b"s, "a\0b"s},
        {u"a😀b", std::nullopt, "a?b"},
        {u"한국", std::nullopt, "??"},
        {u"a\xD800z\xDC00", std::nullopt, "a?z?"},
    };
    for (const auto& [text, strict, replaced] : cases) {
        EXPECT_EQ(EncodeStrict(text), strict) << replaced;
        EXPECT_EQ(Encode(text), replaced);
    }
    EXPECT_EQ(Encode(u"😀存", '_'), "_\xB4\xE6");
}

// Text read from a terminal or a file: escapes are read, and only what reads back exactly passes.
TEST(Cp936, FromUtf8RefusesWhatItCannotReadExactly) {
    EXPECT_EQ(FromUtf8("\\xb4\\xE6 a\\\\b \xC2\xA4"), "\xB4\xE6 a\\b \xA1\xE8");
    const std::string refused[] = {
        // Characters the code page lacks.
        "\xF0\x9F\x98\x80", "\xED\x95\x9C",
        // Overlong '/' and '¤', a stray or a missing continuation, a surrogate, above U+10FFFF,
        // a five-byte form.
        "\xC0\xAF", "\xE0\x82\xA4", "\xA4", "\xC2", "\xC2\xE4", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xF8\x88\x80\x80\x80",
        // Malformed escapes.
        "\\", "a\\n", "\\x4", "\\xG1", "\\X41"};
    for (const auto& utf8 : refused)
        EXPECT_EQ(FromUtf8(utf8), std::nullopt) << utf8;
}

// What ToUtf8 writes as text must come back as the same bytes.
TEST(Cp936, EveryCharacterEncodesBackToItsBytes) {
    int characters = 0;
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = -1; trail < 0x100; ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (trail >= 0)
                bytes += static_cast<char>(trail);
            const auto text = DecodeStrict(bytes);
            if (text && text->size() == 1) {
                ++characters;
                EXPECT_EQ(EncodeStrict(*text), bytes) << ToUtf8(bytes);
            }
        }
    }
    EXPECT_GE(characters, 21920); // ASCII, the euro sign and GBK's 21,791 pairs
}

TEST(Cp936, AnyBytesComeBackFromTheirUtf8) {
    std::mt19937 random(936);
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 5000; ++i) {
        std::string bytes(length(random), '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        const std::string utf8 = ToUtf8(bytes);
        ASSERT_EQ(FromUtf8(utf8), bytes) << utf8;
    }
}

} // namespace
