// The length dialogs' computations: valid ranges at every length and the test
// of a typed length.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "model.h"

namespace {

TEST(LengthTools, ValidRangesBelow32BitsFollowMachineIntegers) {
    for (int len = 1; len <= 31; ++len) {
        controller::ValidRanges r{};
        controller::valid_ranges(len, model::l_oct(len), model::l_hex(len), &r);
        const std::int64_t half = std::int64_t{1} << (len - 1);
        const std::uint64_t all = model::mask(len);
        EXPECT_EQ(std::string(r.length), std::to_string(len));
        EXPECT_EQ(std::string(r.dec_max), std::to_string(all)) << len;
        EXPECT_EQ(std::string(r.ones_min), std::to_string(-(half - 1))) << len;
        EXPECT_EQ(std::string(r.ones_max), std::to_string(half - 1)) << len;
        EXPECT_EQ(std::string(r.twos_min), std::to_string(-half)) << len;
        EXPECT_EQ(std::string(r.twos_max), std::to_string(half - 1)) << len;
        EXPECT_EQ(std::string(r.bin_max), model::fixed(all, 2, len)) << len;
        EXPECT_EQ(std::string(r.oct_max), model::fixed(all, 8, model::l_oct(len))) << len;
        EXPECT_EQ(std::string(r.hex_max), model::fixed(all, 16, model::l_hex(len))) << len;
    }
}

TEST(LengthTools, ValidRangesAtSmallLengths) {
    controller::ValidRanges r{};
    controller::valid_ranges(8, 3, 2, &r);
    EXPECT_STREQ(r.length, "8");
    EXPECT_STREQ(r.dec_max, "255");
    EXPECT_STREQ(r.ones_min, "-127");
    EXPECT_STREQ(r.ones_max, "127");
    EXPECT_STREQ(r.twos_min, "-128");
    EXPECT_STREQ(r.twos_max, "127");
    EXPECT_STREQ(r.bin_max, "11111111");
    EXPECT_STREQ(r.oct_max, "377");
    EXPECT_STREQ(r.hex_max, "FF");

    controller::valid_ranges(1, 1, 1, &r);
    EXPECT_STREQ(r.dec_max, "1");
    EXPECT_STREQ(r.ones_min, "0");
    EXPECT_STREQ(r.ones_max, "0");
    EXPECT_STREQ(r.twos_min, "-1");
    EXPECT_STREQ(r.twos_max, "0");
    EXPECT_STREQ(r.bin_max, "1");
    EXPECT_STREQ(r.oct_max, "1");
    EXPECT_STREQ(r.hex_max, "1");
}

TEST(LengthTools, ValidRangesAt32BitsAreTheWindowsOwnTexts) {
    controller::ValidRanges r{};
    controller::valid_ranges(32, 11, 8, &r);
    EXPECT_STREQ(r.length, "32");
    EXPECT_STREQ(r.dec_max, "4294967295");
    EXPECT_STREQ(r.ones_min, "-2147483647");
    EXPECT_STREQ(r.ones_max, "+2147483647");
    EXPECT_STREQ(r.twos_min, "-2147483648");
    EXPECT_STREQ(r.twos_max, "+2147483647");
    EXPECT_EQ(std::string(r.bin_max), std::string(32, '1'));
    EXPECT_STREQ(r.oct_max, "37777777777");
    EXPECT_STREQ(r.hex_max, "FFFFFFFF");
}

TEST(LengthTools, AcceptedLengthTable) {
    const std::pair<const char*, int> rows[] = {
        {"12", 12},          {"1", 1},           {"32", 32},          {" 7", 7},           {"7 ", 7},
        {"  16  ", 16},      {"032", 32},        {"0", 0},            {"33", 0},           {"", 0},
        {"   ", 0},          {"abc", 0},         {"1a", 0},           {"1 2", 0},          {"-5", 0},
        {"+5", 0},           {"4294967295", 0},  {"4294967296", 0},   {"4294967328", 0},   {"99999999999999999999", 0},
        {"2147483648", 0},   {"\xff" "8", 0},
    };
    for (const auto& [typed, want] : rows) EXPECT_EQ(controller::accepted_length(typed), want) << '"' << typed << '"';
}

TEST(LengthTools, AcceptedLengthsSetTheDigitCounts) {
    controller::reset_process_state();
    controller::update_lens(controller::accepted_length("12"));
    EXPECT_EQ(controller::len, 12);
    EXPECT_EQ(controller::l_oct, 4);
    EXPECT_EQ(controller::l_hex, 3);
}

TEST(LengthTools, RefusalNote) {
    EXPECT_STREQ(controller::length_invalid_title, "Length invalid...!");
    EXPECT_STREQ(controller::length_invalid_text,
                 "\nThe length you entered is not vaild!                           \n\nSupported length for this "
                 "version of program \nis from 1 to 32 bit.\n\nPlease re-enter the length within the range "
                 "\nspecified above.\n\nOr you can leave the length unchanged by \nclicking cancel.\n");
}

}  // namespace
