// The length dialogs' computations: valid ranges at every length and the test
// of a typed length.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "model.h"

namespace {

// Every length against the model, in the order of the window's fields.
TEST(LengthTools, ValidRangesFollowTheModel) {
    for (int len = 1; len <= 64; ++len) {
        controller::ValidRanges r{};
        controller::valid_ranges(len, model::l_oct(len), model::l_hex(len), &r);
        EXPECT_EQ(std::string(r.length), std::to_string(len));
        const char* got[8] = {r.dec_max, r.ones_min, r.ones_max, r.twos_min,
                              r.twos_max, r.bin_max, r.oct_max, r.hex_max};
        const auto want = expect::valid_ranges(len);
        for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(std::string(got[i]), want[i]) << len << " bits, field " << i;
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

// What a user can type into the length box (or paste: typing takes digits
// only), against the model's reading of it: every length 0 to 40 plainly,
// with leading zeros, a leading or trailing 9, blanks around or inside, signs
// and letters; values above 32, at the edges of 2^31 and 2^32 (2^32 + 12
// must not wrap to 12) and far beyond.
TEST(LengthTools, AcceptedLengthOverEverythingTypable) {
    std::vector<std::string> typed = {"", " ", "\t", "  \t ", "+", "-", "99999999999999999999999",
                                      "0000000000000000000000000000012", "0x1F", "1e1", "\xff", "3\xa0"};
    for (int n = 0; n <= 40; ++n) {
        const std::string d = std::to_string(n);
        for (const std::string& t : {d, "0" + d, "000" + d, "9" + d, d + "9", " " + d, d + " ", "\t" + d + "\t",
                                     "  " + d + "  ", "+" + d, "-" + d, d.substr(0, 1) + " " + d.substr(1), d + "x",
                                     "x" + d, " +" + d, d + "-"})
            typed.push_back(t);
    }
    for (const std::uint64_t v : {99ull, 100ull, 2147483647ull, 2147483648ull, 2147483649ull, 4294967295ull,
                                  4294967296ull, 4294967297ull, 4294967296ull + 12, 4294967296ull + 32,
                                  18446744073709551615ull}) {
        const std::string d = std::to_string(v);
        for (const std::string& t : {d, "00" + d, " " + d + " ", "9" + d}) typed.push_back(t);
    }
    int accepted = 0;
    for (const std::string& t : typed) {
        const int got = controller::accepted_length(t.c_str());
        EXPECT_EQ(got, expect::accepted_length(t)) << '"' << t << '"';
        accepted += got != 0;
    }
    EXPECT_GT(accepted, 32 * 6);
    // Every length a user means is taken as itself, plainly or between blanks.
    for (int n = 1; n <= 32; ++n) {
        EXPECT_EQ(controller::accepted_length(std::to_string(n).c_str()), n);
        EXPECT_EQ(controller::accepted_length((" " + std::to_string(n) + "\t").c_str()), n);
    }
}

// The front ends pass lengths of 1 to 64 only. Handed anything else, every
// field stays within its bounds and shows the nearest length there is.
TEST(LengthTools, ValidRangesOutsideTheLengths) {
    const struct { int len, l_oct, l_hex, shown; } rows[] = {
        {0, 0, 0, 1},      {-1, 0, 0, 1},    {-40, -12, -9, 1},  {INT_MIN, INT_MIN, INT_MIN, 1},
        {65, 22, 17, 64},  {80, 27, 20, 64}, {64, 40, 30, 64},   {INT_MAX, INT_MAX, INT_MAX, 64},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.len);
        controller::ValidRanges r;
        std::memset(&r, '#', sizeof r);
        controller::valid_ranges(row.len, row.l_oct, row.l_hex, &r);
        const char* got[8] = {r.dec_max, r.ones_min, r.ones_max, r.twos_min, r.twos_max, r.bin_max, r.oct_max, r.hex_max};
        const std::size_t sizes[8] = {sizeof r.dec_max, sizeof r.ones_min, sizeof r.ones_max, sizeof r.twos_min,
                                      sizeof r.twos_max, sizeof r.bin_max, sizeof r.oct_max, sizeof r.hex_max};
        ASSERT_NE(std::memchr(r.length, '\0', sizeof r.length), nullptr);
        EXPECT_EQ(std::string(r.length), std::to_string(row.shown));
        const auto want = expect::valid_ranges(row.shown);
        for (std::size_t i = 0; i < 8; ++i) {
            ASSERT_NE(std::memchr(got[i], '\0', sizes[i]), nullptr) << "field " << i;
            EXPECT_EQ(std::string(got[i]), want[i]) << "field " << i;
        }
    }
}

TEST(LengthTools, AcceptedLengthsSetTheDigitCounts) {
    controller::reset_process_state();
    controller::update_lens(controller::accepted_length("12"));
    EXPECT_EQ(controller::len, 12);
    EXPECT_EQ(controller::l_oct, 4);
    EXPECT_EQ(controller::l_hex, 3);
}

TEST(LengthTools, RefusalNote) {
    EXPECT_STREQ(controller::length_invalid_title, expect::length_invalid_title);
    EXPECT_STREQ(controller::length_invalid_text, expect::length_invalid_text);
}

}  // namespace
