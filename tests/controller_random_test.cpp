// Convert on many generated inputs, checked against an independent model: its
// own classification of the text, its own corrections, and the machine-integer
// model of every result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "controller/messages.h"
#include "fake_window.h"
#include "model.h"

namespace {

using controller::Answer;
using controller::Base;
using controller::Mode;
using controller::MessageStyle;

struct Setting {
    Base base;
    Mode mode;
    int len;
    bool c_hex;
    bool c_small;
};

bool is_dec_digit(char c) { return c >= '0' && c <= '9'; }
bool is_bin_digit(char c) { return c == '0' || c == '1'; }
bool is_oct_digit(char c) { return c >= '0' && c <= '7'; }
bool is_hex_digit(char c) { return is_dec_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

template <class Pred>
bool all_of(const std::string& s, Pred p) {
    return std::all_of(s.begin(), s.end(), p);
}

std::string strip_zeros(const std::string& s) {
    const std::size_t i = s.find_first_not_of('0');
    return i == std::string::npos ? std::string() : s.substr(i);
}

// Digit text at most max by value (digits only, any leading zeros).
bool at_most(const std::string& digits, const std::string& max) {
    const std::string d = strip_zeros(digits);
    if (d.size() != max.size()) return d.size() < max.size();
    return d <= max;
}

bool begins_with_sign(const std::string& t) { return !t.empty() && (t[0] == '+' || t[0] == '-'); }
bool begins_with_prefix(const std::string& t) {
    return t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X');
}

// The error a text gets, 0 when it converts; digits receives the text to convert.
int classify(const std::string& t, const Setting& s, std::string* digits) {
    const bool sign = begins_with_sign(t);
    switch (s.base) {
        case Base::dec: {
            *digits = sign ? t.substr(1) : t;
            const bool minus = sign && t[0] == '-';
            if (t.empty() || digits->empty()) return 1;
            if (minus && s.mode == Mode::us) return 4;
            if (!all_of(*digits, is_dec_digit)) return 2;
            const char* max = s.mode == Mode::us ? "4294967295"
                              : (s.mode == Mode::twos && minus) ? "2147483648"
                                                                 : "2147483647";
            return at_most(*digits, max) ? 0 : 3;
        }
        case Base::bin:
            *digits = t;
            if (t.empty()) return 1;
            if (sign) return 4;
            if (!all_of(t, is_bin_digit)) return 2;
            return strip_zeros(t).size() <= 32 ? 0 : 3;
        case Base::hex: {
            const bool prefix = begins_with_prefix(t);
            *digits = prefix ? t.substr(2) : t;
            const bool valid = all_of(*digits, is_hex_digit);
            if (t.empty() || (prefix && valid && digits->empty())) return 1;
            if (sign) return 4;
            if (!valid) return 2;
            return strip_zeros(*digits).size() <= 8 ? 0 : 3;
        }
        case Base::oct:
            *digits = t;
            if (t.empty()) return 1;
            if (sign) return 4;
            if (!all_of(t, is_oct_digit)) return 2;
            return at_most(t, "37777777777") ? 0 : 3;
    }
    return 0;
}

std::string signed_text(std::int64_t v) { return std::to_string(v); }

// The three results of an accepted text.
std::vector<std::string> results_of(const std::string& typed, const std::string& digits, const Setting& s) {
    const int len = s.len, lo = model::l_oct(len), lh = model::l_hex(len);
    std::vector<std::string> r(3);
    switch (s.base) {
        case Base::dec: {
            const std::uint64_t mag = model::parse(strip_zeros(digits), 10);
            const bool minus = typed[0] == '-';
            std::uint64_t p = mag;
            if (s.mode == Mode::ones) p = (minus ? ~mag : mag) & model::mask(len);
            if (s.mode == Mode::twos) p = (minus ? 0 - mag : mag) & model::mask(len);
            r = {model::fixed(p, 2, len), model::fixed(p, 8, lo), model::fixed(p, 16, lh)};
            break;
        }
        case Base::bin: {
            const std::uint64_t v = model::parse(strip_zeros(digits), 2);
            // A complement reads the typed digits, at most the last len of them.
            const int width = std::min(static_cast<int>(digits.size()), len);
            const std::uint64_t low = v & model::mask(width);
            if (s.mode == Mode::us)
                r[0] = std::to_string(v);
            else if (s.mode == Mode::ones)
                r[0] = signed_text(model::ones_value(low, width));
            else
                r[0] = v == (std::uint64_t{1} << 31) ? "-2147483648" : signed_text(model::twos_value(low, width));
            r[1] = model::fixed(v, 8, lo);
            r[2] = model::fixed(v, 16, lh);
            break;
        }
        case Base::hex: {
            const std::uint64_t v = model::parse(strip_zeros(digits), 16);
            const std::uint64_t low = v & model::mask(len);
            r[0] = s.mode == Mode::us     ? std::to_string(v)
                   : s.mode == Mode::ones ? signed_text(model::ones_value(low, len))
                                          : signed_text(model::twos_value(low, len));
            r[1] = model::fixed(v, 2, 4 * lh);
            r[2] = model::fixed(v & model::mask(4 * lh), 8, lo);
            break;
        }
        case Base::oct: {
            const std::uint64_t v = model::parse(strip_zeros(digits), 8);
            const std::uint64_t low = v & model::mask(len);
            r[0] = s.mode == Mode::us     ? std::to_string(v)
                   : s.mode == Mode::ones ? signed_text(model::ones_value(low, len))
                                          : signed_text(model::twos_value(low, len));
            r[1] = model::fixed(v, 2, len);
            r[2] = model::fixed(low, 16, lh);
            break;
        }
    }
    if (s.base != Base::hex) {
        if (s.c_hex) r[2] = "0x" + r[2];
        if (s.c_small)
            for (char& c : r[2])
                if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

std::string or_zero(const std::string& s) { return s.empty() ? "0" : s; }

std::string removed_sign(const std::string& t) { return begins_with_sign(t) ? or_zero(t.substr(1)) : t; }

std::string refined(const std::string& t, Base base) {
    std::string keep;
    std::size_t from = 0;
    bool (*ok)(char) = is_dec_digit;
    switch (base) {
        case Base::bin: ok = is_bin_digit; break;
        case Base::oct: ok = is_oct_digit; break;
        case Base::dec:
            if (begins_with_sign(t)) from = 1;
            break;
        case Base::hex:
            ok = is_hex_digit;
            if (begins_with_prefix(t)) from = 2;
            break;
    }
    keep = t.substr(0, from);
    for (std::size_t i = from; i < t.size(); ++i)
        if (ok(t[i])) keep += t[i];
    return or_zero(keep);
}

struct Outcome {
    std::vector<int> errors;
    std::vector<Answer> answers;
    std::string box;
    std::vector<std::string> results;
};

// What one press of Convert shows, with the user's answers.
Outcome expected(const std::string& typed, const Setting& s, std::vector<Answer> answers, Answer fallback) {
    Outcome o;
    o.box = typed;
    for (;;) {
        const std::string seen = o.box.substr(0, 48);
        std::string digits;
        const int e = classify(seen, s, &digits);
        if (e == 0) {
            o.results = results_of(seen, digits, s);
            return o;
        }
        o.results = {"--", "--", "--"};
        o.errors.push_back(e);
        if (e == 1 || e == 3) {
            o.answers.push_back(Answer::ok);
            return o;
        }
        Answer a = fallback;
        if (!answers.empty()) {
            a = answers.front();
            answers.erase(answers.begin());
        }
        o.answers.push_back(a);
        if (a != Answer::yes) return o;
        o.box = e == 4 ? removed_sign(seen) : refined(seen, s.base);
    }
}

// ---- Inputs --------------------------------------------------------------------

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    Setting setting() {
        static const int lens[] = {1, 2, 3, 4, 5, 7, 8, 9, 12, 15, 16, 17, 24, 29, 30, 31, 32};
        Setting s{};
        s.base = static_cast<Base>(pick(4));
        s.mode = static_cast<Mode>(pick(3));
        s.len = chance(50) ? lens[pick(std::size(lens))] : 1 + pick(32);
        s.c_hex = chance(30);
        s.c_small = chance(30);
        return s;
    }

    std::string text(const Setting& s) {
        const int kind = pick(10);
        std::string t = kind < 4 ? number(s) : kind < 6 ? boundary(s) : noise();
        if (chance(15)) t = std::string(static_cast<std::size_t>(pick(30)), '0') + t;
        if (chance(15)) t.insert(static_cast<std::size_t>(pick(static_cast<int>(t.size()) + 1)), 1, junk());
        if (chance(10)) t = std::string(1, "+-"[pick(2)]) + t;
        if (t.size() > 60) t.resize(60);
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
    std::string number(const Setting& s) {
        static const int max_digits[] = {10, 32, 11, 8};  // dec, bin, oct, hex
        const char* d = digits_of(s.base);
        const int n = static_cast<int>(std::char_traits<char>::length(d));
        std::string t;
        const int count = 1 + pick(max_digits[static_cast<int>(s.base)] + 2);
        for (int i = 0; i < count; ++i) t += d[pick(n)];
        if (s.base == Base::hex && chance(30)) t = (chance(50) ? "0x" : "0X") + t;
        if (s.base == Base::dec && chance(30)) t = std::string(1, "+-"[pick(2)]) + t;
        return t;
    }

    // Values at and around the limits of every base and mode.
    std::string boundary(const Setting& s) {
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
        const std::vector<std::string>& list = s.base == Base::dec   ? dec
                                               : s.base == Base::bin ? bin
                                               : s.base == Base::hex ? hex
                                                                     : oct;
        return list[static_cast<std::size_t>(pick(static_cast<int>(list.size())))];
    }

    // Anything: digits of every base, signs, prefixes, blanks and junk bytes.
    std::string noise() {
        static const char pool[] = "0123456789abcdefABCDEF01010101+-xX  ";
        std::string t;
        const int n = pick(61);
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
        const Setting s = gen.setting();
        const std::string typed = gen.text(s);
        std::vector<Answer> answers;
        for (int i = gen.pick(4); i > 0; --i) answers.push_back(choices[gen.pick(3)]);
        const Answer fallback = choices[gen.pick(3)];

        controller::reset_process_state();
        fake::Window w;
        controller::init_main_window(w);
        controller::set_base(w, s.base);
        controller::set_mode(s.mode);
        controller::update_lens(s.len);
        if (s.c_hex) controller::toggle_C_hex(w);
        if (s.c_small) controller::toggle_C_small(w);
        // An earlier result on display must never survive a run.
        w.texts[controller::result_box1] = w.texts[controller::result_box2] = w.texts[controller::result_box3] = "old";
        w.type(typed);
        w.answers.assign(answers.begin(), answers.end());
        w.fallback = fallback;

        controller::start(w);

        const Outcome want = expected(typed, s, answers, fallback);
        std::string where = "run " + std::to_string(run) + " base " + std::to_string(static_cast<int>(s.base)) +
                            " mode " + std::to_string(static_cast<int>(s.mode)) + " len " + std::to_string(s.len) +
                            " text \"" + typed + "\"";
        const auto got = w.results();
        const bool dashes = got == std::vector<std::string>{"--", "--", "--"};
        ASSERT_TRUE(dashes || std::none_of(got.begin(), got.end(), [](const std::string& r) {
                        return r == "--" || r == "old";
                    })) << where;
        ASSERT_EQ(got, want.results) << where;
        ASSERT_EQ(w.text(controller::number_box), want.box) << where;
        ASSERT_EQ(w.messages.size(), want.errors.size()) << where;
        for (std::size_t i = 0; i < want.errors.size(); ++i) {
            const fake::Message& m = w.messages[i];
            const int e = want.errors[i];
            const char* text = e == 1   ? controller::text::error_0x01
                               : e == 2 ? controller::text::error_0x02
                               : e == 3 ? controller::text::error_0x03
                                        : controller::text::error_0x04;
            ASSERT_EQ(m.text, text) << where << " message " << i;
            ASSERT_EQ(m.title, controller::text::error_title) << where;
            ASSERT_EQ(m.style, (e == 2 || e == 4) ? MessageStyle::question : MessageStyle::information) << where;
            ASSERT_EQ(m.answer, want.answers[i]) << where;
        }
        if (want.errors.empty()) ++converted;
        for (int e : want.errors) ++by_error[e];
    }
    // The generator must reach every outcome often enough to mean something.
    EXPECT_GT(converted, 4000);
    for (int e = 1; e <= 4; ++e) EXPECT_GT(by_error[e], 1000) << "error " << e;
}

}  // namespace
