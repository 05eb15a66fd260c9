// The engine against the machine-integer model of tests/model.h, for every
// length 1 to 32, over boundary values and seeded random values.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "model.h"

namespace {

constexpr std::uint32_t kSeed = 0x51A7E5u;
constexpr int kRandomPerLength = 60;
constexpr std::size_t kMaxText = 48;  // the number box yields at most 48 characters

struct Buf {
    char data[96] = {};
    char* get() { return data; }
};

int l_oct(int len) { return model::l_oct(len); }
int l_hex(int len) { return model::l_hex(len); }

// Unsigned values worth trying at a length: the edges of the length's
// unsigned and signed ranges and of 32 bits, and random ones (over 32 bits
// and within the length).
std::vector<std::uint32_t> values_for(int len, std::mt19937& rng) {
    const std::uint64_t half = std::uint64_t{1} << (len - 1);
    std::vector<std::uint64_t> wide = {0,        1,        2,        3,
                                       half - 1, half,     half + 1, 2 * half - 1,
                                       2 * half, 2 * half + 1, 0x7FFFFFFFu, 0x80000000u,
                                       0x80000001u, 0xFFFFFFFEu, 0xFFFFFFFFu};
    std::vector<std::uint32_t> out;
    for (std::uint64_t v : wide) out.push_back(static_cast<std::uint32_t>(v));
    for (int i = 0; i < kRandomPerLength; ++i) {
        const std::uint32_t r = static_cast<std::uint32_t>(rng());
        out.push_back(r);
        out.push_back(static_cast<std::uint32_t>(r & model::mask(len)));
    }
    return out;
}

std::string random_digits(std::mt19937& rng, unsigned base, std::size_t count) {
    static const char lower[] = "0123456789abcdef";
    static const char upper[] = "0123456789ABCDEF";
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        const auto d = rng() % base;
        s += (rng() & 1u) ? lower[d] : upper[d];
    }
    return s;
}

std::size_t random_below(std::mt19937& rng, std::size_t bound) {
    return bound == 0 ? 0 : static_cast<std::size_t>(rng()) % bound;
}

// The value written in base at its natural width, then widened on the left
// with random digits or zeros, or cut down to a random shorter tail: texts
// shorter than, equal to and longer than the length's digit count.
std::vector<std::string> texts_of(std::uint32_t v, unsigned base, int digits, std::mt19937& rng) {
    std::string exact = model::fixed(v, base, digits);
    if (rng() & 1u) {
        for (char& c : exact) {
            if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
        }
    }
    std::vector<std::string> texts = {exact};
    const std::size_t room = kMaxText - exact.size();
    texts.push_back(random_digits(rng, base, 1 + random_below(rng, room)) + exact);
    texts.push_back(std::string(1 + random_below(rng, room), '0') + exact);
    texts.push_back(exact.substr(random_below(rng, exact.size() + 1)));
    return texts;
}

TEST(EngineModel, FixedWidthFormatting) {
    std::mt19937 rng(kSeed);
    for (int len = 1; len <= 32; ++len) {
        for (std::uint32_t v : values_for(len, rng)) {
            SCOPED_TRACE(testing::Message() << v << " at length " << len);
            Buf b, o, h;
            EXPECT_EQ(engine::dec_bin(v, len, b.get()), model::fixed(v, 2, len));
            EXPECT_EQ(engine::dec_oct(v, l_oct(len), o.get()), model::fixed(v, 8, l_oct(len)));
            EXPECT_EQ(engine::dec_hex(v, l_hex(len), h.get()), model::fixed(v, 16, l_hex(len)));
        }
    }
}

TEST(EngineModel, ParsersWrapModulo2To32And2To64) {
    std::mt19937 rng(kSeed + 1);
    for (int round = 0; round < 3000; ++round) {
        // Up to the 80 characters the number box reads above 32 bits.
        const std::size_t count = static_cast<std::size_t>(round) % 81;
        const std::string dec = random_digits(rng, 10, count);
        const std::string bin = random_digits(rng, 2, count);
        const std::string oct = random_digits(rng, 8, count);
        const std::string hex = random_digits(rng, 16, count);
        int value = 0;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::str_int(dec.c_str())),
                  static_cast<std::uint32_t>(model::parse(dec, 10)))
            << dec;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::bin_dec(bin.c_str(), &value)),
                  static_cast<std::uint32_t>(model::parse(bin, 2)))
            << bin;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::oct_dec(oct.c_str(), &value)),
                  static_cast<std::uint32_t>(model::parse(oct, 8)))
            << oct;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::hex_dec(hex.c_str(), &value)),
                  static_cast<std::uint32_t>(model::parse(hex, 16)))
            << hex;
        EXPECT_EQ(static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(model::parse(hex, 16)));
        // The 64-bit width: the same texts modulo 2^64.
        EXPECT_EQ(engine::str_int(dec.c_str(), engine::Bits::b64), model::parse(dec, 10)) << dec;
        EXPECT_EQ(engine::bin_dec(bin.c_str(), engine::Bits::b64), model::parse(bin, 2)) << bin;
        EXPECT_EQ(engine::oct_dec(oct.c_str(), engine::Bits::b64), model::parse(oct, 8)) << oct;
        EXPECT_EQ(engine::hex_dec(hex.c_str(), engine::Bits::b64), model::parse(hex, 16)) << hex;
    }
    for (int base : {-7, -3, -2, -1, 0, 1, 2, 3, 7, 8, 10, 16, 65537, 2147483647}) {
        std::uint32_t expected = 1;
        for (int exponent = 0; exponent <= 70; ++exponent) {
            EXPECT_EQ(static_cast<std::uint32_t>(engine::pow(base, exponent)), expected)
                << base << "^" << exponent;
            expected *= static_cast<std::uint32_t>(base);
        }
    }
}

TEST(EngineModel, BaseChangesThroughBinary) {
    std::mt19937 rng(kSeed + 2);
    for (int len = 1; len <= 32; ++len) {
        const int nh = l_hex(len);
        const int no = l_oct(len);
        for (std::uint32_t v : values_for(len, rng)) {
            SCOPED_TRACE(testing::Message() << v << " at length " << len);
            for (const std::string& t : texts_of(v, 2, len, rng)) {
                const std::uint64_t x = model::parse(t, 2);
                Buf h, o;
                EXPECT_EQ(engine::bin_hex(t.c_str(), h.get(), nh), model::fixed(x, 16, nh)) << t;
                EXPECT_EQ(engine::bin_oct(t.c_str(), o.get(), no), model::fixed(x, 8, no)) << t;
            }
            // The hexadecimal expansion regrouped into octal, as hexadecimal input does.
            const std::string expansion = model::fixed(v, 2, 4 * nh);
            Buf o;
            EXPECT_EQ(engine::bin_oct(expansion.c_str(), o.get(), no),
                      model::fixed(v & model::mask(4 * nh), 8, no));
            for (const std::string& t : texts_of(v, 16, nh, rng)) {
                Buf b;
                EXPECT_EQ(engine::hex_bin(t.c_str(), b.get(), nh),
                          model::fixed(model::parse(t, 16), 2, 4 * nh))
                    << t;
            }
            for (const std::string& t : texts_of(v, 8, no, rng)) {
                Buf b;
                EXPECT_EQ(engine::oct_bin(t.c_str(), b.get(), len),
                          model::fixed(model::parse(t, 8), 2, len))
                    << t;
            }
        }
    }
}

// Signed values worth trying at a length within [lowest, 2^31 - 1].
std::vector<std::int64_t> signed_values_for(int len, std::int64_t lowest, std::mt19937& rng) {
    const std::int64_t half = std::int64_t{1} << (len - 1);
    std::vector<std::int64_t> candidates = {0,           1,          -1,        half - 1,
                                            -(half - 1), half,       -half,     2 * half - 1,
                                            -(2 * half - 1), 2 * half, -2 * half, 2147483647,
                                            -2147483647, -2147483648LL};
    for (int i = 0; i < kRandomPerLength; ++i) {
        candidates.push_back(static_cast<std::int32_t>(rng()));
        candidates.push_back(static_cast<std::int64_t>(rng() % (4 * half + 1)) - 2 * half);
    }
    std::vector<std::int64_t> out;
    for (std::int64_t v : candidates) {
        if (v >= lowest && v <= 2147483647) out.push_back(v);
    }
    return out;
}

// The ways the Convert command may receive a signed decimal: with or without
// a plus sign, with leading zeros, and zero also with a minus sign.
std::vector<std::string> decimal_texts(std::int64_t v, std::mt19937& rng) {
    const std::string digits = std::to_string(v < 0 ? -v : v);
    const std::string zeros(1 + random_below(rng, kMaxText - 1 - digits.size()), '0');
    if (v < 0) return {"-" + digits, "-" + zeros + digits};
    std::vector<std::string> texts = {digits, "+" + digits, zeros + digits, "+" + zeros + digits};
    if (v == 0) texts.insert(texts.end(), {"-0", "-" + zeros + "0"});
    return texts;
}

TEST(EngineModel, SignedDecimalToComplement) {
    std::mt19937 rng(kSeed + 3);
    for (int len = 1; len <= 32; ++len) {
        for (std::int64_t v : signed_values_for(len, -2147483648LL, rng)) {
            for (const std::string& text : decimal_texts(v, rng)) {
                SCOPED_TRACE(text + " at length " + std::to_string(len));
                const bool minus_zero = text[0] == '-' && v == 0;
                Buf o, t;
                EXPECT_EQ(engine::twos_comp(text.c_str(), len, t.get()),
                          model::fixed(model::twos_pattern(v, len), 2, len));
                if (v < -2147483647) continue;  // outside the 1s complement range
                // The 1s complement -0 is all ones.
                const std::uint64_t ones =
                    minus_zero ? model::mask(len) : model::ones_pattern(v, len);
                EXPECT_EQ(engine::ones_comp(text.c_str(), len, o.get()), model::fixed(ones, 2, len));
            }
        }
    }
}

TEST(EngineModel, ComplementToSignedValue) {
    std::mt19937 rng(kSeed + 4);
    const auto check = [](const std::string& text, int len, std::int64_t ones, std::int64_t twos) {
        SCOPED_TRACE(text + " at length " + std::to_string(len));
        int value = 0;
        engine::ones_comp_dec(text.c_str(), &value, len);
        EXPECT_EQ(value, ones);
        engine::twos_comp_dec(text.c_str(), &value, len);
        EXPECT_EQ(value, twos);
    };
    for (int len = 1; len <= 32; ++len) {
        for (std::uint32_t p : values_for(len, rng)) {
            const std::uint64_t pattern = p & model::mask(len);
            const std::string exact = model::fixed(pattern, 2, len);
            check(exact, len, model::ones_value(pattern, len), model::twos_value(pattern, len));
            // Longer: its last len digits count, sign digit included.
            const std::string head = random_digits(rng, 2, 1 + random_below(rng, kMaxText - exact.size()));
            check(head + exact, len, model::ones_value(pattern, len), model::twos_value(pattern, len));
            // Shorter: its own first digit is the sign, extended to the length.
            if (len > 1) {
                const int k = 1 + static_cast<int>(random_below(rng, static_cast<std::size_t>(len - 1)));
                const std::uint64_t tail = pattern & model::mask(k);
                check(model::fixed(tail, 2, k), len, model::ones_value(tail, k), model::twos_value(tail, k));
            }
        }
    }
}

// The adder and subtractor pass over a place where either operand holds
// anything but a binary digit: '0' stays there and the carry (borrow) goes on
// to the next place unchanged. Their result is therefore the machine sum
// (difference) of the operands with those places taken out, spread back
// around them; a carry or borrow other than 0 and 1 is outside the table at
// every place, which leaves all zeros and hands the carry back unchanged.
struct Sum {
    std::string digits;
    int carry;
};
Sum add_model(const std::string& a, const std::string& b, int len, int carry, bool subtract) {
    const std::string pa = model::fixed(0, 2, len - static_cast<int>(std::min<std::size_t>(a.size(), len))) +
                           a.substr(a.size() - std::min<std::size_t>(a.size(), len));
    const std::string pb = model::fixed(0, 2, len - static_cast<int>(std::min<std::size_t>(b.size(), len))) +
                           b.substr(b.size() - std::min<std::size_t>(b.size(), len));
    auto bit = [](char c) { return c == '0' || c == '1'; };
    std::uint64_t va = 0, vb = 0;
    int k = 0;
    for (std::size_t i = 0; i < pa.size(); ++i) {
        if (!bit(pa[i]) || !bit(pb[i])) continue;
        va = va * 2 + static_cast<std::uint64_t>(pa[i] - '0');
        vb = vb * 2 + static_cast<std::uint64_t>(pb[i] - '0');
        ++k;
    }
    if (carry != 0 && carry != 1) return {std::string(pa.size(), '0'), carry};
    const std::uint64_t c = static_cast<std::uint64_t>(carry);
    const std::uint64_t r = subtract ? va - vb - c : va + vb + c;
    const int out = subtract ? (va < vb + c ? 1 : 0) : static_cast<int>((r >> k) & 1);
    const std::string compact = model::fixed(r & model::mask(k), 2, k);
    std::string digits(pa.size(), '0');
    for (std::size_t i = 0, j = 0; i < pa.size(); ++i)
        if (bit(pa[i]) && bit(pb[i])) digits[i] = compact[j++];
    return {digits, out};
}

TEST(EngineModel, AdderAndSubtractorWithStrayDigitsAndCarries) {
    std::mt19937 rng(kSeed + 7);
    std::vector<std::string> operands = {"",     "1",    "0110", "1111",   "1x01", "10 1", "\xff" "1", "2",
                                         "-1",   "1+1",  "+",    "1.0",    "0x1",  "111111111", "10a01b1"};
    // Random binary texts of up to 40 characters, a fifth of them stray.
    for (int i = 0; i < 24; ++i) {
        std::string t;
        for (std::size_t n = random_below(rng, 41); n > 0; --n)
            t += rng() % 5 == 0 ? " x2-\x80"[rng() % 5] : static_cast<char>('0' + rng() % 2);
        operands.push_back(t);
    }
    const int carries[] = {0, 1, -1, 2, 7, INT_MIN, INT_MAX};
    const int lens[] = {1, 4, 9, 32};
    int stray = 0, outside = 0;
    for (const std::string& a : operands) {
        for (const std::string& b : operands) {
            for (int carry : carries) {
                for (int len : lens) {
                    for (bool subtract : {false, true}) {
                        const Sum want = add_model(a, b, len, carry, subtract);
                        Buf out;
                        int carry_out = -99;
                        const char* got =
                            subtract ? engine::bin_substractor(a.c_str(), b.c_str(), out.get(), len, carry, &carry_out)
                                     : engine::bin_adder(a.c_str(), b.c_str(), out.get(), len, carry, &carry_out);
                        ASSERT_EQ(std::string(got), want.digits)
                            << (subtract ? "subtract " : "add ") << '"' << a << "\" \"" << b << "\" len " << len
                            << " carry " << carry;
                        ASSERT_EQ(carry_out, want.carry)
                            << (subtract ? "subtract " : "add ") << '"' << a << "\" \"" << b << "\" len " << len
                            << " carry " << carry;
                        stray += a.find_first_not_of("01") != std::string::npos;
                        outside += carry != 0 && carry != 1;
                    }
                }
            }
        }
    }
    EXPECT_GT(stray, 5000);
    EXPECT_GT(outside, 5000);
}

TEST(EngineModel, ComparisonsByValue) {
    std::mt19937 rng(kSeed + 5);
    struct Kind { unsigned base; int (*compare)(const char*, const char*, int); };
    const Kind kinds[] = {{2, engine::bin_compare}, {8, engine::oct_compare},
                          {10, engine::dec_compare}, {16, engine::hex_compare}};
    for (const Kind& kind : kinds) {
        for (int round = 0; round < 1500; ++round) {
            std::string a = random_digits(rng, kind.base, random_below(rng, kMaxText + 1));
            a = std::string(random_below(rng, kMaxText + 1 - a.size()), '0') + a;
            std::string b;
            switch (round % 4) {
                case 0:  // unrelated
                    b = random_digits(rng, kind.base, random_below(rng, kMaxText + 1));
                    break;
                case 1: {  // the same value with other leading zeros
                    b = a.substr(std::min(a.find_first_not_of('0'), a.size()));
                    b = std::string(random_below(rng, kMaxText + 1 - b.size()), '0') + b;
                    break;
                }
                case 2:  // one digit changed
                    b = a;
                    if (!b.empty()) b[random_below(rng, b.size())] = random_digits(rng, kind.base, 1)[0];
                    break;
                default:  // one digit more or less
                    b = a.size() < kMaxText && (rng() & 1u) ? a + random_digits(rng, kind.base, 1)
                                                           : a.substr(0, a.empty() ? 0 : a.size() - 1);
                    break;
            }
            EXPECT_EQ(kind.compare(a.c_str(), b.c_str(), 32), model::compare(a, b, kind.base))
                << "base " << kind.base << ": " << a << " vs " << b;
        }
    }
}

TEST(EngineModel, FiltersKeepTheDigitsOfTheBase) {
    std::mt19937 rng(kSeed + 6);
    const auto in = [](char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; };
    const auto is_bin = [&](char c) { return in(c, "01"); };
    const auto is_dec = [&](char c) { return in(c, "0123456789"); };
    const auto is_oct = [&](char c) { return in(c, "01234567"); };
    const auto is_hex = [&](char c) { return in(c, "0123456789abcdefABCDEF"); };
    // The model: the first `keep` characters as they are, then the wanted ones.
    const auto expected = [](const std::string& s, std::size_t keep, auto wanted) {
        const std::size_t head = std::min(keep, s.size());
        std::string out = s.substr(0, head);
        std::copy_if(s.begin() + static_cast<std::ptrdiff_t>(head), s.end(), std::back_inserter(out), wanted);
        return out;
    };
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string s(random_below(rng, kMaxText + 1), ' ');
        for (char& c : s) c = static_cast<char>(byte(rng));
        if (round % 3 == 0) {  // mostly digits, so that the kept part is not always empty
            for (char& c : s) {
                if (rng() % 4 != 0) c = "0123456789abcdefABCDEF+-x"[rng() % 25];
            }
        }
        SCOPED_TRACE(round);
        Buf out;
        EXPECT_EQ(engine::bin_refine(s.c_str(), out.get()), expected(s, 0, is_bin));
        EXPECT_EQ(engine::dec_refine(s.c_str(), out.get()), expected(s, 0, is_dec));
        EXPECT_EQ(engine::dec_refine_signed(s.c_str(), out.get()), expected(s, 1, is_dec));
        EXPECT_EQ(engine::oct_refine(s.c_str(), out.get()), expected(s, 0, is_oct));
        EXPECT_EQ(engine::hex_refine(s.c_str(), out.get()), expected(s, 0, is_hex));
        EXPECT_EQ(engine::C_hex_refine(s.c_str(), out.get()), expected(s, 2, is_hex));
    }
}

}  // namespace

// The 64-bit width of the routines that hold a value in a machine integer,
// at lengths 33 to 64, against the model: fixed-width formatting and the
// complements both ways, the most negative value included.
TEST(EngineModel, SixtyFourBitValues) {
    using engine::Bits;
    std::mt19937_64 rng(kSeed + 64);
    for (int len = 33; len <= 64; ++len) {
        const std::uint64_t half = std::uint64_t{1} << (len - 1);
        std::vector<std::uint64_t> patterns = {0, 1, half - 1, half, half + 1, model::mask(len), model::mask(len) - 1};
        for (int i = 0; i < 40; ++i) patterns.push_back(rng() & model::mask(len));
        for (const std::uint64_t p : patterns) {
            SCOPED_TRACE(testing::Message() << p << " at length " << len);
            Buf b, o, h;
            EXPECT_EQ(engine::dec_bin(p, len, b.get(), Bits::b64), model::fixed(p, 2, len));
            EXPECT_EQ(engine::dec_oct(p, l_oct(len), o.get(), Bits::b64), model::fixed(p, 8, l_oct(len)));
            EXPECT_EQ(engine::dec_hex(p, l_hex(len), h.get(), Bits::b64), model::fixed(p, 16, l_hex(len)));
            // Pattern to signed value, the pattern's last len digits read.
            const std::string bin = model::fixed(p, 2, len);
            engine::Value ones = 0, twos = 0;
            engine::ones_comp_dec(("1" + bin).c_str(), &ones, len, Bits::b64);
            engine::twos_comp_dec(bin.c_str(), &twos, len, Bits::b64);
            EXPECT_EQ(static_cast<std::int64_t>(ones), model::ones_value(p, len));
            EXPECT_EQ(static_cast<std::int64_t>(twos), model::twos_value(p, len));
            // Signed value back to its pattern, from decimal text.
            const std::int64_t v = model::twos_value(p, len);
            const std::string text = v < 0 ? "-" + std::to_string(0 - static_cast<std::uint64_t>(v)) : std::to_string(v);
            EXPECT_EQ(engine::twos_comp(text.c_str(), len, b.get(), Bits::b64), model::fixed(model::twos_pattern(v, len), 2, len));
            if (v != model::twos_value(half, len)) {  // else outside the 1s complement range
                EXPECT_EQ(engine::ones_comp(text.c_str(), len, o.get(), Bits::b64),
                          model::fixed(model::ones_pattern(v, len), 2, len));
            }
        }
    }
    // Complements wider than the value: every digit above the 64th is the
    // sign, at both value widths (1s complement -0 is all ones).
    const struct { const char* text; std::int64_t v; Bits bits; } wide[] = {
        {"-0", 0, Bits::b32}, {"-0", 0, Bits::b64}, {"0", 0, Bits::b64}, {"-1", -1, Bits::b32},
        {"-5", -5, Bits::b64}, {"+5", 5, Bits::b32}, {"-2147483648", INT32_MIN, Bits::b32},
        {"9223372036854775807", INT64_MAX, Bits::b64}, {"-9223372036854775808", INT64_MIN, Bits::b64},
    };
    for (const auto& c : wide) {
        for (const int len : {65, 66, 67, 68, 69, 95}) {
            SCOPED_TRACE(testing::Message() << c.text << " at length " << len);
            const std::string above(static_cast<std::size_t>(len - 64), c.v < 0 ? '1' : '0');
            const bool minus_zero = c.text[0] == '-' && c.v == 0;
            Buf t, o;
            EXPECT_EQ(engine::twos_comp(c.text, len, t.get(), c.bits), above + model::fixed(model::twos_pattern(c.v, 64), 2, 64));
            if (c.v == INT64_MIN) continue;  // outside the 1s complement range
            EXPECT_EQ(engine::ones_comp(c.text, len, o.get(), c.bits),
                      minus_zero ? std::string(static_cast<std::size_t>(len), '1')
                                 : above + model::fixed(model::ones_pattern(c.v, 64), 2, 64));
        }
    }
}
