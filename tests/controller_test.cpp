// The controller's commands, checked where the user sees them: the boxes, the
// labels, the message boxes and the menu check marks of an in-memory window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "fake_window.h"
#include "model.h"

namespace {

using controller::Answer;
using controller::Base;
using controller::Mode;
using controller::MessageStyle;

// The error number a message box shows, 0 for none of the four.
int error_of(const fake::Message& m) {
    if (m.text == expect::error_0x01) return 1;
    if (m.text == expect::error_0x02) return 2;
    if (m.text == expect::error_0x03) return 3;
    if (m.text == expect::error_0x04) return 4;
    return 0;
}

const std::vector<std::string> kDashes{"--", "--", "--"};

std::string rep(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        controller::reset_process_state();
        controller::init_main_window(w);
    }
    // A new window and fresh settings, for table rows.
    void fresh() {
        w = fake::Window{};
        SetUp();
    }
    void use(Base b, Mode m, int length) {
        controller::set_base(w, b);
        controller::set_mode(m);
        controller::update_lens(length);
    }
    // Types the text and presses Convert.
    void convert(const std::string& text) {
        w.type(text);
        controller::start(w);
    }
    fake::Window w;
};

// ---- Settings ---------------------------------------------------------------------

TEST_F(Controller, StartShowsZeroDashesAndDecimalLayout) {
    EXPECT_EQ(w.text(controller::number_box), "0");
    EXPECT_EQ(w.results(), kDashes);
    EXPECT_EQ(w.labels(), (std::vector<std::string>{"Dec", "Bin", "Oct", "Hex"}));
    EXPECT_EQ(controller::dec + controller::bin + controller::oct + controller::hex, 1);
    EXPECT_EQ(controller::dec, 1);
    EXPECT_EQ(controller::us, 1);
    EXPECT_EQ(controller::ones + controller::twos, 0);
    EXPECT_EQ(controller::len, 32);
    EXPECT_EQ(controller::l_oct, 11);
    EXPECT_EQ(controller::l_hex, 8);
    EXPECT_EQ(controller::C_hex + controller::C_small, 0);
    EXPECT_TRUE(w.messages.empty());
}

TEST_F(Controller, UpdateLensDerivesDigitCountsAtEveryLength) {
    for (int l = 1; l <= 32; ++l) {
        controller::update_lens(l);
        EXPECT_EQ(controller::len, l);
        EXPECT_EQ(controller::l_oct, model::l_oct(l)) << l;
        EXPECT_EQ(controller::l_hex, model::l_hex(l)) << l;
    }
}

TEST_F(Controller, BaseCommandsSetOneFlagAndTheLabelsOnly) {
    struct Row {
        Base base;
        int* flag;
        std::vector<std::string> labels;
    };
    const Row rows[] = {
        {Base::bin, &controller::bin, {"Bin", "Dec", "Oct", "Hex"}},
        {Base::hex, &controller::hex, {"Hex", "Dec", "Bin", "Oct"}},
        {Base::oct, &controller::oct, {"Oct", "Dec", "Bin", "Hex"}},
        {Base::dec, &controller::dec, {"Dec", "Bin", "Oct", "Hex"}},
        {Base::dec, &controller::dec, {"Dec", "Bin", "Oct", "Hex"}},  // again: same labels
    };
    convert("300");
    const auto shown = w.results();
    for (const Row& r : rows) {
        w.texts.erase(controller::label_number);  // proves the labels are rewritten
        controller::set_base(w, r.base);
        EXPECT_EQ(*r.flag, 1);
        EXPECT_EQ(controller::dec + controller::bin + controller::oct + controller::hex, 1);
        EXPECT_EQ(w.labels(), r.labels);
        EXPECT_EQ(w.results(), shown);
        EXPECT_EQ(w.text(controller::number_box), "300");
    }
}

TEST_F(Controller, ModeCommandsSetOneFlagAndKeepResults) {
    convert("5");
    const auto shown = w.results();
    const std::pair<Mode, int*> rows[] = {
        {Mode::ones, &controller::ones}, {Mode::twos, &controller::twos}, {Mode::us, &controller::us}};
    for (const auto& [mode, flag] : rows) {
        controller::set_mode(mode);
        EXPECT_EQ(*flag, 1);
        EXPECT_EQ(controller::us + controller::ones + controller::twos, 1);
        EXPECT_EQ(w.results(), shown);
    }
}

// The settings that both reload commands put back (the options excepted).
void expect_default_settings() {
    EXPECT_EQ(controller::dec, 1);
    EXPECT_EQ(controller::bin + controller::oct + controller::hex, 0);
    EXPECT_EQ(controller::us, 1);
    EXPECT_EQ(controller::ones + controller::twos, 0);
    EXPECT_EQ(controller::len, 32);
    EXPECT_EQ(controller::l_oct, 11);
    EXPECT_EQ(controller::l_hex, 8);
}

TEST_F(Controller, ReloadDefaultsKeepsBoxesAndOptions) {
    convert("77");
    use(Base::bin, Mode::twos, 8);
    controller::toggle_C_hex(w);
    controller::toggle_C_small(w);
    const auto shown = w.results();
    controller::reload_defaults(w);
    expect_default_settings();
    EXPECT_EQ(controller::C_hex, 1);
    EXPECT_EQ(controller::C_small, 1);
    EXPECT_TRUE(w.checked[controller::menu_C_hex]);
    EXPECT_EQ(w.labels(), (std::vector<std::string>{"Dec", "Bin", "Oct", "Hex"}));
    EXPECT_EQ(w.results(), shown);
    EXPECT_EQ(w.text(controller::number_box), "77");
}

TEST_F(Controller, RefreshClearsBoxesOnly) {
    use(Base::hex, Mode::ones, 12);
    convert("7F");
    controller::refresh(w);
    EXPECT_EQ(w.text(controller::number_box), "0");
    EXPECT_EQ(w.results(), kDashes);
    EXPECT_EQ(controller::hex, 1);
    EXPECT_EQ(controller::ones, 1);
    EXPECT_EQ(controller::len, 12);
    EXPECT_EQ(w.labels(), (std::vector<std::string>{"Hex", "Dec", "Bin", "Oct"}));
}

TEST_F(Controller, RefreshAndReloadDoesBoth) {
    use(Base::oct, Mode::twos, 5);
    controller::toggle_C_hex(w);
    convert("17");
    controller::refresh_and_reload(w);
    EXPECT_EQ(w.text(controller::number_box), "0");
    EXPECT_EQ(w.results(), kDashes);
    EXPECT_EQ(w.labels(), (std::vector<std::string>{"Dec", "Bin", "Oct", "Hex"}));
    expect_default_settings();
    EXPECT_EQ(controller::C_hex, 1);
}

TEST_F(Controller, ErrorInfoSelection) {
    const std::pair<int, int> rows[] = {{111, 1}, {112, 2}, {113, 3}, {114, 4}, {115, 1616}};
    for (const auto& [command, em] : rows) {
        controller::select_error_info(command);
        EXPECT_EQ(controller::em, em) << command;
    }
    controller::select_error_info(116);
    EXPECT_EQ(controller::em, 1616);
}

// ---- Convert ----------------------------------------------------------------------

struct ConvertCase {
    Base base;
    Mode mode;
    int len;
    std::string input;
    std::vector<std::string> results;  // empty: three "--"
    int error;                         // 0: no message
};

std::vector<ConvertCase> convert_cases() {
    const std::string ones32 = rep(32, '1');
    const std::string min32 = "1" + rep(31, '0');
    return {
        // empty input and bare signs or prefixes
        {Base::dec, Mode::us, 32, "+", {}, 1},
        {Base::dec, Mode::ones, 32, "-", {}, 1},
        {Base::hex, Mode::us, 32, "0x", {}, 1},
        {Base::hex, Mode::twos, 32, "0X", {}, 1},
        // decimal signs
        {Base::dec, Mode::us, 32, "+5", {rep(29, '0') + "101", "00000000005", "00000005"}, 0},
        {Base::dec, Mode::us, 32, "-5", {}, 4},
        {Base::dec, Mode::ones, 8, "-5", {"11111010", "372", "FA"}, 0},
        {Base::dec, Mode::twos, 8, "-5", {"11111011", "373", "FB"}, 0},
        {Base::dec, Mode::ones, 8, "-0", {"11111111", "377", "FF"}, 0},
        {Base::dec, Mode::twos, 8, "-0", {"00000000", "000", "00"}, 0},
        {Base::dec, Mode::twos, 8, "-128", {"10000000", "200", "80"}, 0},
        {Base::dec, Mode::ones, 4, "200", {"1000", "10", "8"}, 0},
        // decimal limits
        {Base::dec, Mode::us, 32, "4294967295", {ones32, "37777777777", "FFFFFFFF"}, 0},
        {Base::dec, Mode::us, 32, "4294967296", {}, 3},
        {Base::dec, Mode::us, 32, "+4294967296", {}, 3},
        {Base::dec, Mode::us, 32, "-4294967296", {}, 4},
        {Base::dec, Mode::ones, 32, "-2147483648", {}, 3},
        {Base::dec, Mode::ones, 32, "-2147483647", {min32, "20000000000", "80000000"}, 0},
        {Base::dec, Mode::ones, 32, "2147483647", {"0" + rep(31, '1'), "17777777777", "7FFFFFFF"}, 0},
        {Base::dec, Mode::twos, 32, "-2147483648", {min32, "20000000000", "80000000"}, 0},
        {Base::dec, Mode::twos, 32, "-2147483649", {}, 3},
        {Base::dec, Mode::twos, 32, "2147483648", {}, 3},
        {Base::dec, Mode::twos, 32, "+2147483648", {}, 3},
        // invalid decimal characters, and the order of the errors
        {Base::dec, Mode::us, 32, "12a", {}, 2},
        {Base::dec, Mode::us, 32, " 12", {}, 2},
        {Base::dec, Mode::us, 32, "-12a", {}, 4},
        {Base::dec, Mode::ones, 32, "-12a", {}, 2},
        {Base::dec, Mode::twos, 32, "+99999999999x", {}, 2},
        {Base::dec, Mode::us, 32, "-", {}, 1},
        // long text: whole value counts; only the first 48 characters are seen
        {Base::dec, Mode::us, 32, "1" + rep(32, '0'), {}, 3},
        {Base::dec, Mode::us, 32, rep(47, '0') + "7", {rep(29, '0') + "111", "00000000007", "00000007"}, 0},
        {Base::dec, Mode::us, 32, rep(48, '0') + "5", {rep(32, '0'), rep(11, '0'), rep(8, '0')}, 0},
        {Base::dec, Mode::us, 32, rep(48, '0') + "x", {rep(32, '0'), rep(11, '0'), rep(8, '0')}, 0},
        {Base::dec, Mode::us, 8, "300", {"00101100", "454", "2C"}, 0},
        // binary
        {Base::bin, Mode::us, 32, rep(33, '1'), {}, 3},
        {Base::bin, Mode::us, 32, "0" + ones32, {"4294967295", "37777777777", "FFFFFFFF"}, 0},
        {Base::bin, Mode::us, 32, "-101", {}, 4},
        {Base::bin, Mode::ones, 32, "+101", {}, 4},
        {Base::bin, Mode::us, 8, "1 01", {}, 2},
        {Base::bin, Mode::us, 8, "-1 01", {}, 4},
        {Base::bin, Mode::twos, 32, min32, {"-2147483648", "20000000000", "80000000"}, 0},
        {Base::bin, Mode::ones, 32, min32, {"-2147483647", "20000000000", "80000000"}, 0},
        {Base::bin, Mode::us, 8, "11111111", {"255", "377", "FF"}, 0},
        {Base::bin, Mode::ones, 8, "11111111", {"0", "377", "FF"}, 0},
        {Base::bin, Mode::twos, 8, "11111111", {"-1", "377", "FF"}, 0},
        {Base::bin, Mode::ones, 8, "101", {"-2", "005", "05"}, 0},
        {Base::bin, Mode::twos, 8, "101", {"-3", "005", "05"}, 0},
        {Base::bin, Mode::twos, 32, "1111", {"-1", "00000000017", "0000000F"}, 0},
        {Base::bin, Mode::us, 8, rep(9, '1'), {"511", "777", "FF"}, 0},
        // binary longer than len in a complement mode: the last len digits
        {Base::bin, Mode::ones, 8, "111111110", {"-1", "776", "FE"}, 0},
        {Base::bin, Mode::twos, 8, "111111110", {"-2", "776", "FE"}, 0},
        {Base::bin, Mode::twos, 8, "011111111", {"-1", "377", "FF"}, 0},
        {Base::bin, Mode::ones, 8, "100000001", {"1", "401", "01"}, 0},
        {Base::bin, Mode::ones, 4, "0000000000001", {"1", "01", "1"}, 0},
        // 2^31 is shown as fixed text in 2s complement whatever the length
        {Base::bin, Mode::twos, 8, "0" + min32, {"-2147483648", "000", "00"}, 0},
        // hexadecimal
        {Base::hex, Mode::us, 32, "0x1f", {"31", rep(27, '0') + "11111", "00000000037"}, 0},
        {Base::hex, Mode::us, 32, "1F", {"31", rep(27, '0') + "11111", "00000000037"}, 0},
        {Base::hex, Mode::us, 32, "FFFFFFFF", {"4294967295", ones32, "37777777777"}, 0},
        {Base::hex, Mode::us, 32, "00000000FFFFFFFF", {"4294967295", ones32, "37777777777"}, 0},
        {Base::hex, Mode::us, 32, "100000000", {}, 3},
        {Base::hex, Mode::us, 32, "0x100000000", {}, 3},
        {Base::hex, Mode::us, 32, "0xg", {}, 2},
        {Base::hex, Mode::us, 32, "0x-1", {}, 2},
        {Base::hex, Mode::us, 32, "-0x1F", {}, 4},
        {Base::hex, Mode::us, 32, "x1F", {}, 2},
        {Base::hex, Mode::twos, 8, "0xff", {"-1", "11111111", "377"}, 0},
        {Base::hex, Mode::twos, 8, "F", {"15", "00001111", "017"}, 0},
        {Base::hex, Mode::ones, 8, "FE", {"-1", "11111110", "376"}, 0},
        {Base::hex, Mode::us, 30, "FFFFFFFF", {"4294967295", ones32, "7777777777"}, 0},
        {Base::hex, Mode::us, 8, "FFF", {"4095", "11111111", "377"}, 0},
        {Base::hex, Mode::twos, 32, "80000000", {"-2147483648", min32, "20000000000"}, 0},
        {Base::hex, Mode::us, 16, "beef", {"48879", "1011111011101111", "137357"}, 0},
        // octal
        {Base::oct, Mode::us, 32, "37777777777", {"4294967295", ones32, "FFFFFFFF"}, 0},
        {Base::oct, Mode::us, 32, "40000000000", {}, 3},
        {Base::oct, Mode::us, 32, "8", {}, 2},
        {Base::oct, Mode::us, 32, "-7", {}, 4},
        {Base::oct, Mode::us, 8, "377", {"255", "11111111", "FF"}, 0},
        {Base::oct, Mode::twos, 8, "377", {"-1", "11111111", "FF"}, 0},
        {Base::oct, Mode::ones, 8, "200", {"-127", "10000000", "80"}, 0},
        {Base::oct, Mode::twos, 10, "7777", {"-1", "1111111111", "3FF"}, 0},
    };
}

TEST_F(Controller, ConvertTable) {
    for (const ConvertCase& c : convert_cases()) {
        fresh();
        use(c.base, c.mode, c.len);
        w.fallback = Answer::no;
        convert(c.input);
        const std::string where = "input \"" + c.input + "\" at length " + std::to_string(c.len);
        EXPECT_EQ(w.results(), c.results.empty() ? kDashes : c.results) << where;
        ASSERT_EQ(w.messages.size(), c.error ? 1u : 0u) << where;
        if (c.error) {
            EXPECT_EQ(error_of(w.messages[0]), c.error) << where;
            EXPECT_EQ(w.messages[0].title, expect::error_title);
        }
        EXPECT_EQ(w.text(controller::number_box), c.input) << where;  // No corrects nothing
    }
}

TEST_F(Controller, EmptyInputInEveryBaseAndMode) {
    for (Base b : {Base::dec, Base::bin, Base::oct, Base::hex}) {
        for (Mode m : {Mode::us, Mode::ones, Mode::twos}) {
            fresh();
            use(b, m, 32);
            convert("1");  // a result on display must not survive
            ASSERT_NE(w.results(), kDashes);
            convert("");
            EXPECT_EQ(w.results(), kDashes);
            ASSERT_EQ(w.messages.size(), 1u);
            EXPECT_EQ(error_of(w.messages[0]), 1);
        }
    }
}

TEST_F(Controller, MessageTextsTitlesAndStyles) {
    struct Row {
        std::string input;
        const char* text;
        MessageStyle style;
    };
    const Row rows[] = {
        {"", expect::error_0x01, MessageStyle::information},
        {"7q", expect::error_0x02, MessageStyle::question},
        {"99999999999", expect::error_0x03, MessageStyle::information},
        {"-7", expect::error_0x04, MessageStyle::question},
    };
    for (const Row& r : rows) {
        fresh();
        w.fallback = Answer::cancel;
        convert(r.input);
        ASSERT_EQ(w.messages.size(), 1u);
        EXPECT_EQ(w.messages[0].text, r.text);
        EXPECT_EQ(w.messages[0].title, expect::error_title);
        EXPECT_EQ(w.messages[0].style, r.style);
        EXPECT_EQ(w.messages[0].answer, r.style == MessageStyle::question ? Answer::cancel : Answer::ok);
    }
}

// ---- Corrections ------------------------------------------------------------------

TEST_F(Controller, RemoveSignTable) {
    const std::pair<std::string, std::string> rows[] = {
        {"-42", "42"}, {"+42", "42"}, {"42", "42"}, {"--42", "-42"}, {"-", "0"}, {"", ""}, {"4-2", "4-2"}};
    for (const auto& [typed, after] : rows) {
        convert("9");
        const auto shown = w.results();
        w.type(typed);
        controller::remove_sign(w);
        EXPECT_EQ(w.text(controller::number_box), after) << typed;
        EXPECT_EQ(w.results(), shown);  // a menu correction converts nothing
    }
}

TEST_F(Controller, RefineTable) {
    struct Row {
        Base base;
        std::string typed;
        std::string after;
    };
    const Row rows[] = {
        {Base::dec, "12,345", "12345"}, {Base::dec, "-12a3", "-123"}, {Base::dec, "+ 7", "+7"},
        {Base::dec, "", "0"},           {Base::dec, "abc", "0"},      {Base::hex, "0x1G2", "0x12"},
        {Base::hex, "-1F", "1F"},       {Base::hex, "aBg", "aB"},     {Base::bin, "1 0 1", "101"},
        {Base::bin, "-101", "101"},     {Base::oct, "1289", "12"},    {Base::oct, "\xff" "7", "7"},
    };
    for (const Row& r : rows) {
        fresh();
        controller::set_base(w, r.base);
        convert("1");
        const auto shown = w.results();
        // The mode plays no part in the choice of filter.
        for (Mode m : {Mode::us, Mode::twos}) {
            controller::set_mode(m);
            w.type(r.typed);
            controller::refine(w);
            EXPECT_EQ(w.text(controller::number_box), r.after) << r.typed;
            EXPECT_EQ(w.results(), shown);
        }
    }
}

struct ChainCase {
    Base base;
    Mode mode;
    std::string typed;
    std::vector<Answer> answers;
    std::vector<int> errors;  // in the order shown
    std::string box_after;
    std::vector<std::string> results;  // empty: "--"
};

TEST_F(Controller, AutomaticCorrectionChains) {
    const Answer Y = Answer::yes, N = Answer::no, C = Answer::cancel;
    const ChainCase cases[] = {
        {Base::bin, Mode::us, "-101", {Y}, {4}, "101", {"5", "00000000005", "00000005"}},
        {Base::dec, Mode::ones, "-12a", {Y}, {2}, "-12", {rep(28, '1') + "0011", "37777777763", "FFFFFFF3"}},
        {Base::hex, Mode::us, "0xZ", {Y}, {2, 1}, "0x", {}},
        {Base::dec, Mode::us, "-5x", {Y, Y}, {4, 2}, "5", {rep(29, '0') + "101", "00000000005", "00000005"}},
        {Base::dec, Mode::us, "-+5", {Y}, {4}, "+5", {rep(29, '0') + "101", "00000000005", "00000005"}},
        {Base::dec, Mode::us, "-5x", {Y, N}, {4, 2}, "5x", {}},
        {Base::dec, Mode::us, "--5", {Y, Y}, {4, 4}, "5", {rep(29, '0') + "101", "00000000005", "00000005"}},
        {Base::dec, Mode::us, "-x", {Y, Y}, {4, 2}, "0", {rep(32, '0'), rep(11, '0'), rep(8, '0')}},
        {Base::dec, Mode::us, "-", {}, {1}, "-", {}},  // empty comes first: nothing to correct
        {Base::oct, Mode::us, "9" + rep(12, '7'), {Y}, {2, 3}, rep(12, '7'), {}},
        {Base::bin, Mode::us, "-101", {N}, {4}, "-101", {}},
        {Base::bin, Mode::us, "-101", {C}, {4}, "-101", {}},
        {Base::hex, Mode::us, "0xZ", {C}, {2}, "0xZ", {}},
        {Base::hex, Mode::twos, "-FF", {Y}, {4}, "FF", {"255", rep(24, '0') + "11111111", "00000000377"}},
    };
    for (const ChainCase& c : cases) {
        fresh();
        use(c.base, c.mode, 32);
        w.answers.assign(c.answers.begin(), c.answers.end());
        w.fallback = Answer::no;
        convert(c.typed);
        std::vector<int> errors;
        for (const auto& m : w.messages) errors.push_back(error_of(m));
        EXPECT_EQ(errors, c.errors) << c.typed;
        EXPECT_EQ(w.text(controller::number_box), c.box_after) << c.typed;
        EXPECT_EQ(w.results(), c.results.empty() ? kDashes : c.results) << c.typed;
        EXPECT_TRUE(w.answers.empty()) << c.typed;  // every scripted answer was asked for
    }
}

TEST_F(Controller, CorrectedInputConvertsAgainWithoutMessage) {
    controller::set_base(w, Base::bin);
    w.answers = {Answer::yes};
    convert("-101");
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].answer, Answer::yes);
    controller::start(w);
    EXPECT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.results(), (std::vector<std::string>{"5", "00000000005", "00000005"}));
}

// ---- Hexadecimal options ----------------------------------------------------------

TEST_F(Controller, HexOptionsOnTheThirdBox) {
    struct Row {
        Base base;
        int len;
        std::string input;
        int c_hex, c_small;
        std::vector<std::string> results;
    };
    const Row rows[] = {
        {Base::dec, 32, "255", 0, 0, {rep(24, '0') + rep(8, '1'), "00000000377", "000000FF"}},
        {Base::dec, 32, "255", 1, 0, {rep(24, '0') + rep(8, '1'), "00000000377", "0x000000FF"}},
        {Base::dec, 32, "255", 0, 1, {rep(24, '0') + rep(8, '1'), "00000000377", "000000ff"}},
        {Base::dec, 32, "255", 1, 1, {rep(24, '0') + rep(8, '1'), "00000000377", "0x000000ff"}},
        {Base::dec, 16, "48879", 1, 1, {"1011111011101111", "137357", "0xbeef"}},
        {Base::dec, 32, "4294967295", 1, 1, {rep(32, '1'), "37777777777", "0xffffffff"}},
        {Base::bin, 8, "10101011", 1, 1, {"171", "253", "0xab"}},
        {Base::oct, 8, "377", 1, 1, {"255", "11111111", "0xff"}},
        {Base::hex, 8, "0xFF", 1, 1, {"255", "11111111", "377"}},
        {Base::hex, 32, "abcdef", 1, 1, {"11259375", rep(8, '0') + "101010111100110111101111", "00052746757"}},
    };
    for (const Row& r : rows) {
        fresh();
        use(r.base, Mode::us, r.len);
        if (r.c_hex) controller::toggle_C_hex(w);
        if (r.c_small) controller::toggle_C_small(w);
        convert(r.input);
        EXPECT_EQ(w.results(), r.results) << r.input;
        EXPECT_TRUE(w.messages.empty());
    }
}

TEST_F(Controller, TogglesFlipFlagAndCheckMarkOnly) {
    convert("10");
    const auto shown = w.results();
    controller::toggle_C_hex(w);
    EXPECT_EQ(controller::C_hex, 1);
    EXPECT_TRUE(w.checked.at(controller::menu_C_hex));
    EXPECT_EQ(w.results(), shown);  // takes effect at the next Convert
    controller::toggle_C_small(w);
    EXPECT_EQ(controller::C_small, 1);
    EXPECT_TRUE(w.checked.at(controller::menu_C_small));
    controller::start(w);
    EXPECT_EQ(w.text(controller::result_box3), "0x0000000a");
    controller::toggle_C_hex(w);
    EXPECT_EQ(controller::C_hex, 0);
    EXPECT_FALSE(w.checked.at(controller::menu_C_hex));
    EXPECT_EQ(w.text(controller::result_box3), "0x0000000a");  // stays until Convert
    controller::start(w);
    EXPECT_EQ(w.text(controller::result_box3), "0000000a");
    controller::toggle_C_small(w);
    EXPECT_FALSE(w.checked.at(controller::menu_C_small));
}

// Each option switched on and off again, alone and together with the other,
// in every base: after each switch Convert shows what the options now say
// (the model's results), not what they said before, and the check marks
// follow. For hexadecimal input the third box is octal and stays plain.
TEST_F(Controller, HexOptionsSwitchOffAgainOnTheResults) {
    struct Row {
        Base base;
        Mode mode;
        int len;
        const char* typed;
    };
    const Row rows[] = {
        {Base::dec, Mode::us, 32, "48879"}, {Base::dec, Mode::twos, 16, "-1"}, {Base::bin, Mode::us, 8, "10101011"},
        {Base::oct, Mode::ones, 12, "7654"}, {Base::hex, Mode::us, 32, "0xabCD"},
    };
    // The option each step switches: 'x' the "0x" prefix, 's' lower case.
    const char* const sequences[] = {"ss", "xx", "xsxs", "xssx", "sxxs"};
    for (const Row& r : rows) {
        for (const char* seq : sequences) {
            fresh();
            use(r.base, r.mode, r.len);
            expect::Settings s;
            s.base = static_cast<expect::Base>(r.base);
            s.mode = static_cast<expect::Mode>(r.mode);
            s.len = r.len;
            for (const char* step = seq; *step != '\0'; ++step) {
                if (*step == 'x') {
                    controller::toggle_C_hex(w);
                    s.c_hex = !s.c_hex;
                } else {
                    controller::toggle_C_small(w);
                    s.c_small = !s.c_small;
                }
                convert(r.typed);
                const auto want = expect::convert_once(s, r.typed).boxes;
                const std::string where = std::string(r.typed) + ", switches " + std::string(seq, step + 1);
                EXPECT_EQ(w.results(), std::vector<std::string>(want.begin(), want.end())) << where;
                EXPECT_EQ(w.checked[controller::menu_C_hex], s.c_hex) << where;
                EXPECT_EQ(w.checked[controller::menu_C_small], s.c_small) << where;
            }
            EXPECT_FALSE(s.c_hex || s.c_small) << seq << ": every sequence ends with both off";
        }
    }
}

TEST_F(Controller, HexOptionsNeverDecorateDashes) {
    controller::toggle_C_hex(w);
    controller::toggle_C_small(w);
    for (const char* bad : {"", "12a", "-1", "99999999999"}) {
        convert(bad);
        EXPECT_EQ(w.results(), kDashes) << bad;
    }
}

TEST_F(Controller, HexOptionCommandsLeaveEmptyBoxAlone) {
    w.texts[controller::result_box3] = "";
    controller::do_C_hex(w);
    controller::do_C_small(w);
    EXPECT_EQ(w.text(controller::result_box3), "");
    w.texts[controller::result_box3] = "0xABCDEF12";
    controller::do_C_small(w);
    EXPECT_EQ(w.text(controller::result_box3), "0xabcdef12");
}

// ---- Auto-detect ------------------------------------------------------------------

struct AutoCase {
    Base base;
    std::string typed;
    int confirm;     // dialog result
    bool too_big;    // the note about more than 32 bits
    int shown;       // length in the dialog
    int final_len;
};

TEST_F(Controller, AutoDetectTable) {
    const AutoCase cases[] = {
        {Base::bin, "1011", 1, false, 4, 4},
        {Base::bin, "-101", 1, false, 4, 4},
        {Base::bin, "", 1, false, 1, 1},
        {Base::bin, rep(40, '1'), 1, true, 32, 32},
        {Base::bin, rep(32, '0'), 1, false, 32, 32},
        {Base::oct, "777", 1, false, 9, 9},
        {Base::oct, rep(11, '7'), 1, false, 32, 32},
        {Base::oct, rep(12, '7'), 1, true, 32, 32},
        {Base::oct, "1x 3", 1, false, 12, 12},
        {Base::hex, "FF", 1, false, 8, 8},
        {Base::hex, "0xFF", 1, false, 8, 8},
        {Base::hex, "0X", 1, false, 1, 1},
        {Base::hex, rep(9, 'F'), 1, true, 32, 32},
        {Base::hex, "0x" + rep(8, 'F'), 1, false, 32, 32},
        {Base::hex, "-0xF", 1, false, 16, 16},  // a sign hides the prefix
        {Base::bin, "1011", 0, false, 4, 16},     // Cancel restores the old length
        {Base::oct, rep(20, '7'), 0, true, 32, 16},
    };
    for (const AutoCase& c : cases) {
        fresh();
        controller::set_base(w, c.base);
        controller::update_lens(16);
        w.type(c.typed);
        w.confirm_results = {c.confirm};
        EXPECT_TRUE(controller::auto_detect(w)) << c.typed;
        EXPECT_EQ(w.confirm_shown, std::vector<int>{c.shown}) << c.typed;
        ASSERT_EQ(w.messages.size(), c.too_big ? 1u : 0u) << c.typed;
        if (c.too_big) {
            EXPECT_EQ(w.messages[0].text, expect::auto_too_big_text);
            EXPECT_EQ(w.messages[0].title, expect::note_title);
            EXPECT_EQ(w.messages[0].style, MessageStyle::information);
        }
        EXPECT_EQ(controller::len, c.final_len) << c.typed;
        EXPECT_EQ(controller::l_oct, model::l_oct(c.final_len));
        EXPECT_EQ(controller::l_hex, model::l_hex(c.final_len));
        EXPECT_EQ(w.text(controller::number_box), c.typed);  // nothing converted or changed
        EXPECT_EQ(w.results(), kDashes);
    }
}

TEST_F(Controller, AutoDetectRefusesDecimal) {
    controller::update_lens(12);
    w.type("1011");
    EXPECT_FALSE(controller::auto_detect(w));
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].text, expect::auto_decimal_text);
    EXPECT_EQ(w.messages[0].title, expect::note_title);
    EXPECT_EQ(w.messages[0].style, MessageStyle::information);
    EXPECT_TRUE(w.confirm_shown.empty());
    EXPECT_EQ(controller::len, 12);
    EXPECT_EQ(controller::l_oct, 4);
    EXPECT_EQ(controller::l_hex, 3);
}

TEST_F(Controller, LenAutoCountsAtMost48Characters) {
    struct Row {
        Base base;
        std::string typed;
        int bits;
    };
    const Row rows[] = {
        {Base::bin, rep(60, '1'), 48},
        {Base::bin, rep(48, '1'), 48},
        {Base::oct, rep(49, '7'), 144},
        {Base::hex, rep(50, 'F'), 192},
        {Base::hex, "0X" + rep(50, 'F'), 184},
        {Base::hex, "0x", 0},
        {Base::bin, "", 0},
        {Base::dec, "12345", 0},  // decimal text has no width (Auto-detect refuses it first)
    };
    for (const Row& r : rows) {
        controller::set_base(w, r.base);
        w.type(r.typed);
        EXPECT_EQ(controller::len_auto(w), r.bits) << r.typed;
    }
}

}  // namespace
