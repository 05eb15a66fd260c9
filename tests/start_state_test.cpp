// The settings as the program finds them at process start. Every other test
// puts the settings back first, so a wrong start-up value would pass there
// unseen; this program is its own process and resets nothing. Its tests run
// in the order written: the first one reads the values before anything has
// touched them, the later ones open the main window on them as the program
// does and look at what a user sees.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "controller/controller.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "fake_window.h"
#include "model.h"

namespace {

// Read before any test can have changed them (static initialisation of
// this file, before main).
struct Values {
    int dec, bin, oct, hex, us, ones, twos, len, l_oct, l_hex, C_hex, C_small, ne, em;
};
const Values at_start = {controller::dec, controller::bin,  controller::oct,   controller::hex,  controller::us,
                         controller::ones, controller::twos, controller::len,  controller::l_oct, controller::l_hex,
                         controller::C_hex, controller::C_small, controller::ne, controller::em};

TEST(StartState, EveryFlagOffAndThe32BitLengths) {
    // Nothing chosen yet: the main window's initialisation picks base and mode.
    EXPECT_EQ(at_start.dec + at_start.bin + at_start.oct + at_start.hex, 0);
    EXPECT_EQ(at_start.us + at_start.ones + at_start.twos, 0);
    EXPECT_EQ(at_start.C_hex, 0);
    EXPECT_EQ(at_start.C_small, 0);
    EXPECT_EQ(at_start.ne, 0);
    EXPECT_EQ(at_start.em, 0);
    EXPECT_EQ(at_start.len, 32);
    EXPECT_EQ(at_start.l_oct, model::l_oct(32));
    EXPECT_EQ(at_start.l_hex, model::l_hex(32));
}

// The main window opened on the start-up values, as the program opens it.
class FirstWindow : public ::testing::Test {
protected:
    static fake::Window& window() {
        static fake::Window w;
        static const bool opened = (controller::init_main_window(w), true);
        (void)opened;
        return w;
    }
};

TEST_F(FirstWindow, OpensInDecimalUnsignedAt32Bits) {
    fake::Window& w = window();
    EXPECT_EQ(w.text(controller::number_box), "0");
    EXPECT_EQ(w.results(), (std::vector<std::string>{"--", "--", "--"}));
    const auto labels = expect::labels(expect::Base::dec);
    EXPECT_EQ(w.labels(), std::vector<std::string>(labels.begin(), labels.end()));
    EXPECT_EQ(controller::dec + controller::bin + controller::oct + controller::hex, 1);
    EXPECT_EQ(controller::us + controller::ones + controller::twos, 1);
}

// The first conversions show what the default settings (decimal, unsigned,
// 32 bits, no "0x", upper case) give, by the model.
TEST_F(FirstWindow, FirstConversionsFollowTheDefaultSettings) {
    fake::Window& w = window();
    const expect::Settings defaults{};
    for (const char* typed : {"0", "255", "48879", "2147483648", "4294967295", "-1", "12a", "4294967296"}) {
        w.messages.clear();
        w.answers.clear();
        w.fallback = controller::Answer::no;
        w.type(typed);
        controller::start(w);
        const expect::Outcome want = expect::convert(defaults, typed, "");
        EXPECT_EQ(w.results(), std::vector<std::string>(want.boxes.begin(), want.boxes.end())) << typed;
        EXPECT_EQ(w.messages.size(), want.errors.size()) << typed;
    }
}

// Commands that look at the base flags: with only decimal chosen, Refine uses
// the decimal filter and Auto-detect refuses the decimal base.
TEST_F(FirstWindow, DecimalIsTheOnlyBase) {
    fake::Window& w = window();
    w.type("1a2b3");
    controller::refine(w);
    EXPECT_EQ(w.text(controller::number_box), expect::refine(expect::Base::dec, "1a2b3"));
    w.messages.clear();
    w.confirm_shown.clear();
    EXPECT_FALSE(controller::auto_detect(w));
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].text, expect::auto_decimal_text);
    EXPECT_TRUE(w.confirm_shown.empty());
    EXPECT_EQ(controller::len, 32);
}

}  // namespace
