// The in-memory window of the command-line converter and the web page against
// the tests' own window: the same settings and text through the same commands
// give the same boxes, the same errors in order and the same corrections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>

#include "controller/controller.h"
#include "controller/headless.h"
#include "controller/messages.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "fake_window.h"

namespace {

using controller::Answer;
using controller::Base;
using controller::Error;
using controller::Mode;

std::string random_text(std::mt19937& rng) {
    static const char alphabet[] = "0123456789abcdefABCDEFxX+- G.z\x98";
    std::uniform_int_distribution<int> n(0, 14), c(0, sizeof alphabet - 2);
    std::string t;
    for (int i = n(rng); i > 0; --i) t += alphabet[c(rng)];
    if (n(rng) < 3) t = "0x" + t;
    return t;
}

// A window as a front end starts it: the settings at process start, then s.
void fresh(controller::MemoryWindow& w, Base base, Mode mode = Mode::us, int length = 32) {
    controller::reset_process_state();
    controller::Settings s;
    s.base = base;
    s.mode = mode;
    s.length = length;
    controller::apply(w, s);
}

TEST(Headless, AgreesWithTheTestWindow) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    for (int i = 0; i < 20000; ++i) {
        controller::reset_process_state();
        controller::Settings s;
        s.base = static_cast<Base>(pick(rng) % 4);
        s.mode = static_cast<Mode>(pick(rng) % 3);
        s.length = 1 + pick(rng) % 64;
        s.prefix_0x = pick(rng) % 3 == 0;
        s.lower = pick(rng) % 3 == 0;
        const Answer answer = static_cast<Answer>(1 + pick(rng) % 3);  // yes, no, cancel
        const std::string text = random_text(rng);
        SCOPED_TRACE(text + " base " + std::to_string(static_cast<int>(s.base)) + " mode " +
                     std::to_string(static_cast<int>(s.mode)) + " len " + std::to_string(s.length));

        controller::MemoryWindow mem;
        mem.answer = answer;
        controller::apply(mem, s);
        const controller::Outcome o = controller::convert(mem, text.c_str());

        controller::reset_process_state();
        fake::Window fw;
        fw.fallback = answer;
        controller::set_base(fw, s.base);
        controller::set_mode(s.mode);
        controller::update_lens(s.length);
        if (s.prefix_0x) controller::toggle_C_hex(fw);
        if (s.lower) controller::toggle_C_small(fw);
        fw.type(text);
        controller::start(fw);

        EXPECT_EQ(mem.number, fw.text(controller::number_box));
        for (int b = 0; b < 3; ++b) EXPECT_EQ(mem.results[b], fw.results()[static_cast<std::size_t>(b)]);
        ASSERT_EQ(mem.error_count, static_cast<int>(fw.messages.size()));
        for (int m = 0; m < mem.error_count; ++m) EXPECT_EQ(mem.errors[m], controller::error_of(fw.messages[static_cast<std::size_t>(m)].text.c_str()));
        EXPECT_EQ(o.converted, fw.results()[0] != controller::text::no_result);
        if (!o.converted) {
            EXPECT_NE(o.error, Error::none);
        }
        // Every Yes to a question is followed by exactly one correction.
        int yes = 0;
        for (const auto& m : fw.messages) yes += m.answer == Answer::yes;
        EXPECT_EQ(mem.correction_count, yes);
        // The input base's text is the number box; the others are result boxes.
        EXPECT_STREQ(controller::text_for(mem, s.base), mem.number);
    }
}

// A front end that asks each question itself ends where answering Yes to
// every question ends.
TEST(Headless, AnsweringStepByStepEndsLikeYesToAll) {
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        controller::Settings s;
        s.base = static_cast<Base>(i % 4);
        s.mode = static_cast<Mode>(i / 4 % 3);
        s.length = 1 + i % 32;
        const std::string text = random_text(rng);
        controller::reset_process_state();
        controller::MemoryWindow all;
        all.answer = Answer::yes;
        controller::apply(all, s);
        const controller::Outcome want = controller::convert(all, text.c_str());

        controller::reset_process_state();
        controller::MemoryWindow step;
        step.answer = Answer::cancel;
        controller::apply(step, s);
        controller::Outcome got = controller::convert(step, text.c_str());
        int corrections = 0;
        for (int guard = 0; guard < 100 && !got.converted &&
                            (got.error == Error::sign || got.error == Error::invalid); ++guard) {
            got = controller::answer_yes(step, got);
            corrections += step.correction_count;
        }
        EXPECT_EQ(got.converted, want.converted) << text;
        EXPECT_EQ(got.error, want.error) << text;
        EXPECT_STREQ(step.number, all.number) << text;
        for (int b = 0; b < 3; ++b) EXPECT_STREQ(step.results[b], all.results[b]) << text;
        EXPECT_EQ(corrections, all.correction_count) << text;
    }
}

// A front end that converts before choosing settings gets the window's
// start-up choice, and a Yes to every question still ends.
TEST(Headless, ConvertBeforeAnySettingsEnds) {
    for (const char* text : {"12", "1G", "-5", ""}) {
        controller::reset_process_state();
        controller::MemoryWindow w;
        w.answer = Answer::yes;
        controller::convert(w, text);
        controller::MemoryWindow want;
        want.answer = Answer::yes;
        controller::reset_process_state();
        controller::apply(want, controller::Settings{});
        controller::convert(want, text);
        EXPECT_STREQ(w.number, want.number) << text;
        for (int b = 0; b < 3; ++b) EXPECT_STREQ(w.results[b], want.results[b]) << text;
    }
}

TEST(Headless, AutoLengthRefusesWhatAutoDetectRefuses) {
    struct Case { Base base; const char* text; bool set; int len; };
    const Case cases[] = {
        {Base::dec, "12", false, 32},          {Base::bin, "101", true, 3},
        {Base::oct, "17777777777", true, 32},  {Base::oct, "777", true, 9},
        {Base::hex, "0xFFF", true, 12},        {Base::hex, "123456789", true, 36},
        {Base::bin, "", true, 1},              {Base::oct, "1777777777777777777777", true, 64},
        {Base::hex, "0x1234567890ABCDEF", true, 64}, {Base::hex, "1234567890ABCDEF1", false, 32},
    };
    for (const Case& c : cases) {
        controller::MemoryWindow w;
        fresh(w, c.base);
        EXPECT_EQ(controller::auto_length(w, c.text), c.set) << c.text;
        EXPECT_EQ(controller::len, c.len) << c.text;
    }
}

// The length offered for confirmation is the detected width clamped to
// 1..64 (tests' model), with the note exactly when the width exceeds 64;
// nothing changes until the front end sets it.
TEST(Headless, ProposedLengthIsTheClampedDetectedWidth) {
    std::mt19937 rng(11);
    for (int i = 0; i < 4000; ++i) {
        const Base base = static_cast<Base>(i % 4);
        std::string text = random_text(rng);
        if (i % 5 == 0) text += std::string(static_cast<std::size_t>(i % 90), '1');
        controller::reset_process_state();
        controller::MemoryWindow w;
        controller::Settings s;
        s.base = base;
        s.length = 1 + i % 64;
        controller::apply(w, s);
        const int got = controller::propose_length(w, text.c_str());
        SCOPED_TRACE(text + " base " + std::to_string(i % 4));
        EXPECT_EQ(controller::len, s.length);
        EXPECT_EQ(controller::l_oct, (s.length + 2) / 3);
        EXPECT_EQ(controller::l_hex, (s.length + 3) / 4);
        if (base == Base::dec) {
            EXPECT_EQ(got, 0);
            EXPECT_TRUE(w.refused_decimal);
            continue;
        }
        const int width = expect::detected_length(static_cast<expect::Base>(base), text, 64);
        EXPECT_EQ(got, std::clamp(width, 1, 64));
        EXPECT_EQ(w.refused_too_big, width > 64);
    }
}

// What a front end shows under each base's name: the number box for the
// input base, and for the other three the result box under that base's label
// (the model's label order and results).
TEST(Headless, TextForEveryBase) {
    struct Case { Base base; Mode mode; int length; const char* text; };
    const Case cases[] = {
        {Base::dec, Mode::us, 32, "48879"}, {Base::dec, Mode::twos, 8, "-1"}, {Base::bin, Mode::ones, 8, "10000000"},
        {Base::oct, Mode::us, 10, "7777"},  {Base::hex, Mode::twos, 12, "0xFFF"}, {Base::hex, Mode::us, 32, "12g"},
    };
    const char* const names[4] = {"Dec", "Bin", "Oct", "Hex"};
    // Each case in a window of its own, and in one window that all cases
    // share, whose labels change with the base from case to case.
    controller::MemoryWindow shared;
    for (const Case& c : cases) {
        for (const bool reused : {false, true}) {
            SCOPED_TRACE(std::string(c.text) + (reused ? " in a window used before" : ""));
            controller::MemoryWindow own;
            controller::MemoryWindow& w = reused ? shared : own;
            fresh(w, c.base, c.mode, c.length);
            controller::convert(w, c.text);
            expect::Settings m;
            m.base = static_cast<expect::Base>(c.base);
            m.mode = static_cast<expect::Mode>(c.mode);
            m.len = c.length;
            const auto boxes = expect::convert_once(m, c.text).boxes;
            const auto labels = expect::labels(m.base);
            for (int b = 0; b < 4; ++b) {
                const auto at = std::find(labels.begin(), labels.end(), names[b]) - labels.begin();
                const std::string want = at == 0 ? c.text : boxes[static_cast<std::size_t>(at - 1)];
                EXPECT_EQ(controller::text_for(w, static_cast<Base>(b)), want) << names[b];
            }
        }
    }
}

// The short texts of front ends: one for each error of Convert, none for
// "no error"; and only the four error texts read as errors.
TEST(Headless, ErrorTextsForFrontEnds) {
    const Error errors[] = {Error::empty, Error::invalid, Error::out_of_range, Error::sign};
    std::set<std::string> summaries, hints;
    for (int e = 1; e <= 4; ++e) {
        EXPECT_EQ(controller::error_of(expect::error_text(e)), errors[e - 1]);
        summaries.insert(controller::error_summary(errors[e - 1]));
        hints.insert(controller::error_hint(errors[e - 1]));
    }
    EXPECT_EQ(summaries.size(), 4u);
    EXPECT_EQ(hints.size(), 4u);
    EXPECT_EQ(summaries.count(""), 0u);
    EXPECT_EQ(hints.count(""), 0u);
    EXPECT_STREQ(controller::error_summary(Error::none), "");
    EXPECT_STREQ(controller::error_hint(Error::none), "");
    for (const char* other : {"", expect::auto_decimal_text, expect::auto_too_big_text, expect::length_invalid_text,
                              "Error 0x02"})
        EXPECT_EQ(controller::error_of(other), Error::none) << other;
}

// Error 0x03 at a length up to 32 says when a length above 32 takes the
// number: the number box read as such a length reads it (80 characters).
TEST(Headless, WiderLengthTakesSixtyFourBitNumbers) {
    struct Case { Base base; Mode mode; int length; std::string text; bool wider; };
    const Case cases[] = {
        {Base::dec, Mode::us, 32, "18446744073709551615", true},
        {Base::dec, Mode::us, 32, "18446744073709551616", false},
        {Base::dec, Mode::twos, 32, "-9223372036854775808", true},
        {Base::dec, Mode::ones, 32, "-9223372036854775808", false},
        {Base::hex, Mode::us, 16, "0xFFFFFFFFFFFFFFFF", true},
        {Base::bin, Mode::twos, 32, std::string(64, '1'), true},  // longer than the box reads at 32
        {Base::dec, Mode::us, 32, std::string(38, '0') + "5000000000" + "x", false},
        {Base::dec, Mode::us, 40, "18446744073709551616", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        controller::MemoryWindow w;
        fresh(w, c.base, c.mode, c.length);
        const controller::Outcome o = controller::convert(w, c.text.c_str());
        EXPECT_FALSE(o.converted);
        EXPECT_EQ(o.wider_fits, c.wider);
    }
}

// A Yes only answers a question: after a conversion, or after error 0x01
// or 0x03, answer_yes changes nothing.
TEST(Headless, AnswerYesOnlyAfterAQuestion) {
    struct Case { Base base; const char* text; bool converted; Error error; };
    const Case cases[] = {
        {Base::dec, "12", true, Error::none},
        {Base::hex, "0x", false, Error::empty},
        {Base::dec, "99999999999", false, Error::out_of_range},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        controller::MemoryWindow w;
        fresh(w, c.base);
        const controller::Outcome o = controller::convert(w, c.text);
        ASSERT_EQ(o.converted, c.converted);
        ASSERT_EQ(o.error, c.error);
        const std::string shown = w.results[2];
        const controller::Outcome again = controller::answer_yes(w, o);
        EXPECT_EQ(again.converted, o.converted);
        EXPECT_EQ(again.error, o.error);
        EXPECT_STREQ(w.number, c.text);
        EXPECT_EQ(w.results[2], shown);
        EXPECT_EQ(w.correction_count, 0);
    }
}

// Only a Yes makes a write of the number box a correction: Refresh after a
// corrected Convert clears the boxes and records nothing more.
TEST(Headless, OnlyAYesRecordsACorrection) {
    controller::reset_process_state();
    controller::MemoryWindow w;
    controller::apply(w, controller::Settings{});
    w.answer = Answer::yes;
    ASSERT_TRUE(controller::convert(w, "-1x2").converted);
    const int corrections = w.correction_count;
    ASSERT_GT(corrections, 0);
    controller::refresh(w);
    EXPECT_STREQ(w.number, "0");
    EXPECT_STREQ(w.results[0], controller::text::no_result);
    EXPECT_EQ(w.correction_count, corrections);
}

// The in-memory window has the number box, three result boxes and four
// labels; any other control reads as empty and takes no text.
TEST(Headless, MemoryWindowHasOnlyItsBoxes) {
    controller::reset_process_state();
    controller::MemoryWindow w;
    // Before any settings, no box is labelled, so no base has a text yet.
    for (int b = 0; b < 4; ++b) EXPECT_STREQ(controller::text_for(w, static_cast<Base>(b)), "") << b;
    controller::apply(w, controller::Settings{});
    controller::convert(w, "255");
    const controller::MemoryWindow before = w;
    w.set_text(1234, "x");
    w.set_int(394, 7, true);
    char buf[8] = "#######";
    w.get_text(1234, buf, sizeof buf);
    EXPECT_STREQ(buf, "");
    char untouched[4] = "abc";
    w.get_text(controller::number_box, untouched, 0);  // no room at all: nothing written
    EXPECT_STREQ(untouched, "abc");
    EXPECT_STREQ(w.number, before.number);
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(w.results[i], before.results[i]);
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(w.labels[i], before.labels[i]);
}

}  // namespace
