// Convert on many generated inputs, checked against the model of the tests
// (convert_model.h): its own classification of the text, its own corrections,
// and machine integers for every result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "fake_window.h"

namespace {

using controller::Answer;
using controller::MessageStyle;
using expect::Base;
using expect::Mode;
using expect::Settings;

// The model and the controller list bases and modes in the same order.
static_assert(static_cast<int>(Base::hex) == static_cast<int>(controller::Base::hex) &&
              static_cast<int>(Base::oct) == static_cast<int>(controller::Base::oct) &&
              static_cast<int>(Mode::twos) == static_cast<int>(controller::Mode::twos));

char letter(Answer a) { return a == Answer::yes ? 'Y' : a == Answer::no ? 'N' : 'C'; }

// ---- Inputs --------------------------------------------------------------------

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    Settings setting() {
        static const int lens[] = {1, 2, 3, 4, 5, 7, 8, 9, 12, 15, 16, 17, 24, 29, 30, 31, 32, 33, 48, 63, 64};
        Settings s{};
        s.base = static_cast<Base>(pick(4));
        s.mode = static_cast<Mode>(pick(3));
        s.len = chance(50) ? lens[pick(std::size(lens))] : 1 + pick(64);
        s.c_hex = chance(30);
        s.c_small = chance(30);
        return s;
    }

    std::string text(const Settings& s) {
        const int kind = pick(10);
        std::string t = kind < 4 ? number(s) : kind < 6 ? boundary(s) : noise();
        if (chance(15)) t = std::string(static_cast<std::size_t>(pick(30)), '0') + t;
        if (chance(15)) t.insert(static_cast<std::size_t>(pick(static_cast<int>(t.size()) + 1)), 1, junk());
        if (chance(10)) t = std::string(1, "+-"[pick(2)]) + t;
        if (t.size() > 90) t.resize(90);
        return t;
    }

private:
    static const char* digits_of(Base b) {
        switch (b) {
            case Base::bin: return "01";
            case Base::oct: return "01234567";
            case Base::dec: return "0123456789";
            case Base::hex: return "0123456789abcdefABCDEF";
        }
        return "0";
    }

    char junk() {
        static const char pool[] = " +-xXgG.,_#\t";
        if (chance(40)) return static_cast<char>(0x80 + pick(0x80));  // bytes >= 0x80
        if (chance(30)) return static_cast<char>(1 + pick(0x7F));
        return pool[pick(sizeof pool - 1)];
    }

    // A number of the base, sometimes with a sign or a prefix.
    std::string number(const Settings& s) {
        static const int max_digits[2][4] = {{10, 32, 11, 8}, {20, 64, 22, 16}};  // dec, bin, oct, hex
        const char* d = digits_of(s.base);
        const int n = static_cast<int>(std::char_traits<char>::length(d));
        std::string t;
        const int count = 1 + pick(max_digits[s.len > 32][static_cast<int>(s.base)] + 2);
        for (int i = 0; i < count; ++i) t += d[pick(n)];
        if (s.base == Base::hex && chance(30)) t = (chance(50) ? "0x" : "0X") + t;
        if (s.base == Base::dec && chance(30)) t = std::string(1, "+-"[pick(2)]) + t;
        return t;
    }

    // Values at and around the limits of every base and mode.
    std::string boundary(const Settings& s) {
        static const std::vector<std::string> dec = {
            "4294967295", "4294967296", "2147483647", "2147483648", "2147483649", "-2147483648", "-2147483647",
            "-2147483649", "+2147483647", "+2147483648", "+4294967295", "-0", "+0", "0", "-1", "+", "-", ""};
        static const std::vector<std::string> bin = {
            std::string(32, '1'), "1" + std::string(32, '0'), "1" + std::string(31, '0'),
            "01" + std::string(31, '0'), std::string(31, '1'), "1", "0", "10", ""};
        static const std::vector<std::string> hex = {"FFFFFFFF", "100000000", "80000000", "7FFFFFFF", "0xFFFFFFFF",
                                                     "0x80000000", "0XffffffFF", "0x100000000", "0x", "0X", "0x0", ""};
        static const std::vector<std::string> oct = {"37777777777", "40000000000", "20000000000", "17777777777",
                                                     "77777777777", "7", "0", ""};
        static const std::vector<std::string> dec64 = {
            "18446744073709551615", "18446744073709551616", "9223372036854775807", "9223372036854775808",
            "9223372036854775809", "-9223372036854775808", "-9223372036854775807", "-9223372036854775809",
            "+9223372036854775807", "+9223372036854775808", "+18446744073709551615", "4294967296", "-2147483649", "-0"};
        static const std::vector<std::string> bin64 = {
            std::string(64, '1'), "1" + std::string(64, '0'), "1" + std::string(63, '0'), "0" + std::string(64, '1'),
            std::string(63, '1'), "1" + std::string(32, '0'), "1"};
        static const std::vector<std::string> hex64 = {"FFFFFFFFFFFFFFFF", "10000000000000000", "8000000000000000",
                                                       "7FFFFFFFFFFFFFFF", "0xFFFFFFFFFFFFFFFF", "0x10000000000000000",
                                                       "100000000", "0x"};
        static const std::vector<std::string> oct64 = {"1777777777777777777777", "2000000000000000000000",
                                                       "1000000000000000000000", "777777777777777777777",
                                                       "40000000000", "7"};
        const bool wide = s.len > 32;
        const std::vector<std::string>& list = s.base == Base::dec   ? (wide ? dec64 : dec)
                                               : s.base == Base::bin ? (wide ? bin64 : bin)
                                               : s.base == Base::hex ? (wide ? hex64 : hex)
                                                                     : (wide ? oct64 : oct);
        return list[static_cast<std::size_t>(pick(static_cast<int>(list.size())))];
    }

    // Anything: digits of every base, signs, prefixes, blanks and junk bytes.
    std::string noise() {
        static const char pool[] = "0123456789abcdefABCDEF01010101+-xX  ";
        std::string t;
        const int n = pick(91);
        if (chance(20)) t = chance(50) ? "0x" : "0X";
        while (static_cast<int>(t.size()) < n) t += chance(85) ? pool[pick(sizeof pool - 1)] : junk();
        return t;
    }

    std::mt19937 rng_;
};

// ---- The test --------------------------------------------------------------------

TEST(ControllerRandom, ConvertAgreesWithModel) {
    Generator gen(20240611u);
    const Answer choices[] = {Answer::yes, Answer::no, Answer::cancel};
    int converted = 0, by_error[5] = {};
    for (int run = 0; run < 40000; ++run) {
        const Settings s = gen.setting();
        const std::string typed = gen.text(s);
        std::vector<Answer> answers;
        for (int i = gen.pick(4); i > 0; --i) answers.push_back(choices[gen.pick(3)]);
        const Answer fallback = choices[gen.pick(3)];

        controller::reset_process_state();
        fake::Window w;
        controller::init_main_window(w);
        controller::set_base(w, static_cast<controller::Base>(s.base));
        controller::set_mode(static_cast<controller::Mode>(s.mode));
        controller::update_lens(s.len);
        if (s.c_hex) controller::toggle_C_hex(w);
        if (s.c_small) controller::toggle_C_small(w);
        // An earlier result on display must never survive a run.
        w.texts[controller::result_box1] = w.texts[controller::result_box2] = w.texts[controller::result_box3] = "old";
        w.type(typed);
        w.answers.assign(answers.begin(), answers.end());
        w.fallback = fallback;

        controller::start(w);

        // The model reads one answer per question; the fallback stands for
        // the ones after the queue ran dry.
        answers.insert(answers.end(), 8, fallback);
        std::string letters;
        for (Answer a : answers) letters += letter(a);
        const expect::Outcome want = expect::convert(s, typed, letters);
        std::string where = "run " + std::to_string(run) + " base " + std::to_string(static_cast<int>(s.base)) +
                            " mode " + std::to_string(static_cast<int>(s.mode)) + " len " + std::to_string(s.len) +
                            " text \"" + typed + "\"";
        const auto got = w.results();
        const bool dashes = got == std::vector<std::string>{"--", "--", "--"};
        ASSERT_TRUE(dashes || std::none_of(got.begin(), got.end(), [](const std::string& r) {
                        return r == "--" || r == "old" || r.empty();
                    })) << where;
        for (std::size_t i = 0; i < 3; ++i) {
            if (want.boxes[i] == "<any>") continue;  // the three-results check above is all there is
            ASSERT_EQ(got[i], want.boxes[i]) << where << " box " << i;
        }
        ASSERT_EQ(w.text(controller::number_box), want.number_box) << where;
        // Every message, the first error that applies each time, answered as
        // the user chose (information boxes have OK only).
        ASSERT_EQ(w.messages.size(), want.errors.size()) << where;
        std::size_t next = 0;
        for (std::size_t i = 0; i < want.errors.size(); ++i) {
            const fake::Message& m = w.messages[i];
            const int e = want.errors[i];
            const bool question = e == 2 || e == 4;
            ASSERT_EQ(m.text, expect::error_text(e)) << where << " message " << i;
            ASSERT_EQ(m.title, expect::error_title) << where;
            ASSERT_EQ(m.style, question ? MessageStyle::question : MessageStyle::information) << where;
            ASSERT_EQ(m.answer, question ? answers[next++] : Answer::ok) << where;
        }
        if (want.errors.empty()) ++converted;
        for (int e : want.errors) ++by_error[e];
    }
    // The generator must reach every outcome often enough to mean something.
    EXPECT_GT(converted, 4000);
    for (int e = 1; e <= 4; ++e) EXPECT_GT(by_error[e], 700) << "error " << e;
}

}  // namespace
