// The length dialogs' computations: valid ranges at every length and the test
// of a typed length.
#include <gtest/gtest.h>

#include <string>

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "model.h"

namespace {

// Every length against the model, in the order of the window's fields.
TEST(LengthTools, ValidRangesFollowTheModel) {
    for (int len = 1; len <= 32; ++len) {
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
