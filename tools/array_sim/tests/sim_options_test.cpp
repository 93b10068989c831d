#include "tools/array_sim/sim_arrays.h"
#include "tools/array_sim/sim_options.h"

#include <gtest/gtest.h>

namespace {

std::optional<SimOptions> Parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string ignored;
    return ParseOptions(args, error ? *error : ignored);
}

TEST(SimOptions, SwitchesSetTheirFields) {
    const auto o = Parse({"--arrays", "7", "--delay-ms", "0", "--duplicate", "3", "--silent",
                          "--malformed", "--reply-to", "10.77.0.200", "--log", "/tmp/x"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->arrays, 7);
    EXPECT_EQ(o->delayMs, 0);
    EXPECT_EQ(o->duplicate, 3);
    EXPECT_TRUE(o->silent && o->malformed);
    EXPECT_EQ(o->replyTo, "10.77.0.200");
    EXPECT_EQ(o->logFile, "/tmp/x");
    EXPECT_GT(o->staggerMs, 0);

    const auto burst = Parse({"--burst", "500"});
    ASSERT_TRUE(burst);
    EXPECT_EQ(burst->arrays, 500);
    EXPECT_EQ(burst->staggerMs, 0);
}

TEST(SimOptions, BadValuesAreRefusedWithAReason) {
    std::string error;
    for (std::vector<std::string> args : {std::vector<std::string>{"--arrays"},
                                          {"--arrays", "0"},
                                          {"--arrays", "3x"},
                                          {"--arrays", "-1"},
                                          {"--delay-ms", "99999999999"},
                                          {"--duplicate", "0"},
                                          {"--reply-to", "1234567890123456"},
                                          {"--reply-to", ""},
                                          {"--password-of", "1"},
                                          {"--frobnicate"}}) {
        error.clear();
        EXPECT_FALSE(Parse(args, &error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimOptions, PasswordsGoToAllArraysThenToSingleOnes) {
    auto o = Parse({"--password", "a& b", "--password-of", "2", "two"});
    ASSERT_TRUE(o);
    auto arrays = DefaultArrays(3);
    std::string error;
    ASSERT_TRUE(ApplyPasswords(arrays, *o, error));
    EXPECT_EQ(arrays[0].password, "a& b");
    EXPECT_EQ(arrays[1].password, "two");
    EXPECT_EQ(arrays[2].password, "a& b");

    o = Parse({"--password-of", "4", "x"});
    ASSERT_TRUE(o);
    EXPECT_FALSE(ApplyPasswords(arrays, *o, error));
    EXPECT_NE(error.find("only 3"), std::string::npos) << error;
}

} // namespace
