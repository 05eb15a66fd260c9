// Edge cases and worked examples of the number engine, grouped by routine
// family. The broad value coverage is in engine_model_test.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace {

std::string rep(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

// An output buffer with guard bytes, to see that a routine writes exactly its
// width and the terminator, and nothing behind.
struct Out {
    static constexpr std::size_t size = 160;
    char data[size];
    Out() { std::memset(data, '#', size); }
    char* get() { return data; }
    bool untouched_from(std::size_t from) const {
        for (std::size_t i = from; i < size; ++i) {
            if (data[i] != '#') return false;
        }
        return true;
    }
};

// A text in a heap block of exactly its length plus the terminator, so that
// the address sanitizer sees any read past the end.
struct ExactText {
    std::vector<char> bytes;
    explicit ExactText(const std::string& s) : bytes(s.begin(), s.end()) { bytes.push_back('\0'); }
    const char* get() const { return bytes.data(); }
};

// ---- Digit characters, signs, decimal parse and validation -----------------

TEST(Digits, CharacterValues) {
    EXPECT_EQ(engine::num_char(0), '0');
    EXPECT_EQ(engine::num_char(9), '9');
    EXPECT_EQ(engine::num_char(208), '\0');  // 48 + 208 = 256, kept to 8 bits
    EXPECT_EQ(engine::num_char(INT_MAX), static_cast<char>(47));  // no overflow trap
    EXPECT_EQ(engine::num_char_hex(10), 'A');
    EXPECT_EQ(engine::num_char_hex(15), 'F');
    EXPECT_EQ(engine::num_char_hex(9), '9');
    EXPECT_EQ(engine::num_char_hex(16), '@');  // past F: as num_char
    EXPECT_EQ(engine::char_num('0'), 0);
    EXPECT_EQ(engine::char_num('9'), 9);
    EXPECT_EQ(engine::char_num('\x80'), -128 - 48);
    EXPECT_EQ(engine::char_num('\xff'), -1 - 48);
    EXPECT_EQ(engine::char_num_hex('f'), 15);
    EXPECT_EQ(engine::char_num_hex('F'), 15);
    EXPECT_EQ(engine::char_num_hex('a'), 10);
    EXPECT_EQ(engine::char_num_hex('7'), 7);
    EXPECT_EQ(engine::char_num_hex('g'), 'g' - 48);
    for (int v = 0; v < 16; ++v) EXPECT_EQ(engine::char_num_hex(engine::num_char_hex(v)), v);
}

TEST(Digits, SignHandling) {
    EXPECT_EQ(engine::is_signed("+5"), 1);
    EXPECT_EQ(engine::is_signed("-5"), 1);
    EXPECT_EQ(engine::is_signed("5-"), 0);
    EXPECT_EQ(engine::is_signed(""), 0);

    const struct { const char* src; const char* want; } rows[] = {
        {"-0", "0"}, {"-42", "42"}, {"+", ""}, {"+-7", "-7"},
        {"", ""},  // nothing to strip: stays empty, nothing read past the end
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.src);
        ExactText src(r.src);
        Out out;
        EXPECT_EQ(engine::extract_value_of_signed(src.get(), out.get()), out.get());
        EXPECT_STREQ(out.get(), r.want);
    }
}

TEST(Digits, DecimalValidator) {
    const struct { const char* text; int want; } rows[] = {
        {"", 1}, {"0123456789", 1}, {"12a", 0}, {"-1", 0}, {"+1", 0}, {"1 2", 0}, {"1\xb9", 0},
    };
    for (const auto& r : rows) EXPECT_EQ(engine::is_valid_dec(r.text), r.want) << r.text;
}

TEST(Digits, DecimalParseWrapsModulo2To32) {
    const struct { const char* text; std::uint32_t want; } rows[] = {
        {"", 0},
        {"007", 7},
        {"2147483647", 2147483647u},
        {"2147483648", 2147483648u},
        {"4294967295", 4294967295u},
        {"4294967296", 0},
        {"4294967297", 1},
        {"000000000000000000000000000000000000000000000012", 12},
        {"1a", 10 + ('a' - 48)},  // a non-digit counts with its code minus 48
    };
    for (const auto& r : rows) {
        EXPECT_EQ(static_cast<std::uint32_t>(engine::str_int(r.text)), r.want) << r.text;
    }
    EXPECT_EQ(engine::str_int("2147483648"), INT_MIN);
    EXPECT_EQ(engine::str_int("4294967295"), -1);
}

TEST(Digits, PowerWrapsModulo2To32) {
    const struct { int base, exponent; std::uint32_t want; } rows[] = {
        {2, 0, 1},          {0, 0, 1},          {10, 9, 1000000000u}, {16, 7, 268435456u},
        {16, 8, 0},         {8, 11, 0},         {2, 32, 0},           {2, 31, 2147483648u},
        {3, 21, 1870418611u},  // 10460353203 mod 2^32
        {-2, 3, static_cast<std::uint32_t>(-8)},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(static_cast<std::uint32_t>(engine::pow(r.base, r.exponent)), r.want)
            << r.base << "^" << r.exponent;
    }
    // A huge exponent answers at once: 3^(2^30) squared is 3^(2^31 - 1) times 3.
    const auto half = static_cast<std::uint32_t>(engine::pow(3, 1 << 30));
    const auto most = static_cast<std::uint32_t>(engine::pow(3, INT_MAX));
    EXPECT_EQ(half * half, most * 3u);
}

TEST(Digits, GroupEquality) {
    EXPECT_EQ(engine::dlw_strcmp("0101", "0101"), 0);
    EXPECT_EQ(engine::dlw_strcmp("0110", "0111"), 1);
    EXPECT_EQ(engine::dlw_strcmp("000", "001"), 1);
    EXPECT_EQ(engine::dlw_strcmp("101", "101"), 0);      // the terminators match too
    EXPECT_EQ(engine::dlw_strcmp("1010x", "1010y"), 0);  // only four characters count
    EXPECT_EQ(engine::dlw_strcmp("101", "1010"), 1);
    // Texts shorter than four characters are not read past their terminator.
    ExactText a("1"), b("1"), c("10");
    EXPECT_EQ(engine::dlw_strcmp(a.get(), b.get()), 0);
    EXPECT_EQ(engine::dlw_strcmp(a.get(), c.get()), 1);
}

TEST(Digits, FixedWidthWorkedExamples) {
    using Fn = char* (*)(std::uint32_t, int, char*);
    const struct { Fn fn; std::uint32_t value; int count; const char* want; } rows[] = {
        {engine::dec_bin, 5, 8, "00000101"},
        {engine::dec_bin, 300, 8, "00101100"},
        {engine::dec_bin, 13, 3, "101"},
        {engine::dec_bin, 0, 1, "0"},
        {engine::dec_bin, 4294967295u, 1, "1"},
        {engine::dec_oct, 4294967295u, 11, "37777777777"},
        {engine::dec_oct, 4294967295u, 4, "7777"},
        {engine::dec_oct, 8, 1, "0"},
        {engine::dec_hex, 48879, 8, "0000BEEF"},
        {engine::dec_hex, 74565, 4, "2345"},
        {engine::dec_hex, 4294967295u, 3, "FFF"},
        {engine::dec_hex, 10, 1, "A"},
        {engine::dec_hex, 3054, 3, "BEE"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.want);
        Out out;
        EXPECT_EQ(r.fn(r.value, r.count, out.get()), out.get());
        EXPECT_STREQ(out.get(), r.want);
        EXPECT_TRUE(out.untouched_from(static_cast<std::size_t>(r.count) + 1));
    }
    Out out;
    EXPECT_EQ(engine::dec_bin(4294967295u, 32, out.get()), rep(32, '1'));
    EXPECT_EQ(engine::dec_bin(1, 40, out.get()), rep(39, '0') + "1");  // wider than 32 bits
}

TEST(Digits, DecimalCompare) {
    const struct { std::string a, b; int want; } rows[] = {
        {"4294967295", "4294967296", 2},
        {"4294967296", "4294967296", 0},
        {"0004294967297", "4294967296", 1},
        {"10", "9", 1},
        {"9", "10", 2},
        {"", "0", 0},
        {"0042", "42", 0},
        {"1" + rep(32, '0'), "4294967296", 1},
        {rep(36, '0') + "1234", "4294967296", 2},
        {rep(48, '9'), rep(47, '9') + "8", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.a + " vs " + r.b);
        EXPECT_EQ(engine::dec_compare(r.a.c_str(), r.b.c_str(), 32), r.want);
        // The width only widens the field; it never changes the answer.
        EXPECT_EQ(engine::dec_compare(r.a.c_str(), r.b.c_str(), 0), r.want);
    }
}

// ---- Binary conversions ---------------------------------------------------------

TEST(Binary, Validator) {
    const struct { const char* text; int want; } rows[] = {
        {"", 0}, {"0110", 0}, {"-101", 1}, {"1 0", 1}, {"102", 1}, {"\x81", 1},
    };
    for (const auto& r : rows) EXPECT_EQ(engine::is_valid_bin(r.text), r.want) << r.text;
}

TEST(Binary, ValueOfLast32Digits) {
    const struct { std::string text; std::uint32_t want; } rows[] = {
        {"101", 5},
        {rep(32, '1'), 4294967295u},
        {"1" + rep(32, '0'), 0},
        {"", 0},
        {rep(16, '1') + rep(32, '0') , 0},
        {"1" + rep(31, '0'), 2147483648u},
        {"1x1", 5},  // a stray character still holds its place
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        int value = 12345;
        const int result = engine::bin_dec(r.text.c_str(), &value);
        EXPECT_EQ(static_cast<std::uint32_t>(result), r.want);
        EXPECT_EQ(value, result);
    }
}

TEST(Binary, Regrouping) {
    using Fn = char* (*)(const char*, char*, int);
    const struct { Fn fn; std::string src; int n; const char* want; } rows[] = {
        {engine::bin_hex, "1010", 1, "A"},
        {engine::bin_hex, "101", 2, "05"},
        {engine::bin_hex, rep(10, '1'), 3, "3FF"},
        {engine::bin_hex, rep(32, '1'), 8, "FFFFFFFF"},
        {engine::bin_hex, "111100001010", 2, "0A"},
        {engine::bin_hex, "", 8, "00000000"},
        {engine::bin_hex, "1", 1, "1"},
        {engine::bin_hex, "1x111011", 2, "0B"},  // a stray character spoils only its group
        {engine::bin_oct, "101", 1, "5"},
        {engine::bin_oct, "11111111", 3, "377"},
        {engine::bin_oct, rep(32, '1'), 11, "37777777777"},
        {engine::bin_oct, rep(40, '1'), 11, "77777777777"},
        {engine::bin_oct, "00011111", 2, "37"},
        {engine::bin_oct, "111111111", 3, "777"},
        {engine::bin_oct, "11211", 2, "30"},
        // Eight characters are read at a time: a stray one at either end of
        // such a run, or a byte above 0x7F, still spoils only its group.
        {engine::bin_hex, "x1111111", 2, "0F"},
        {engine::bin_hex, "1111111x", 2, "F0"},
        {engine::bin_hex, "1010\xb1" "1110000", 3, "A00"},
        // A field of more than 64 digits is no 64-bit value.
        {engine::bin_hex, rep(64, '1'), 16, "FFFFFFFFFFFFFFFF"},
        {engine::bin_hex, rep(65, '1'), 17, "1FFFFFFFFFFFFFFFF"},
        {engine::bin_oct, "1" + rep(64, '0'), 22, "2000000000000000000000"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.src);
        Out out;
        EXPECT_EQ(r.fn(r.src.c_str(), out.get(), r.n), out.get());
        EXPECT_STREQ(out.get(), r.want);
        EXPECT_TRUE(out.untouched_from(static_cast<std::size_t>(r.n) + 1));
    }
}

TEST(Binary, Compare) {
    const struct { std::string a, b; int width, want; } rows[] = {
        {"101", "011", 4, 1},
        {"011", "101", 4, 2},
        {"0101", "101", 4, 0},
        {"1", "1" + rep(31, '0'), 32, 2},
        {"1" + rep(32, '0'), "1" + rep(31, '0'), 32, 1},
        {"01" + rep(31, '0'), "01" + rep(31, '0'), 32, 0},
        {"01" + rep(31, '0'), "1" + rep(31, '0'), 32, 0},
        {"2", "0", 4, 0},  // only a 1 against a 0 is a difference
        {"12", "01", 4, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.a + " vs " + r.b);
        EXPECT_EQ(engine::bin_compare(r.a.c_str(), r.b.c_str(), r.width), r.want);
    }
}

TEST(Binary, Extract) {
    const struct { std::string src; int len; std::string want; } rows[] = {
        {"000011111111", 10, "0011111111"},
        {"1" + rep(31, '0'), 32, "1" + rep(31, '0')},
        {"11", 4, "0011"},
        {"", 3, "000"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.src);
        Out out;
        EXPECT_EQ(engine::bin_extract(r.src.c_str(), out.get(), r.len), out.get());
        EXPECT_EQ(std::string(out.get()), r.want);
    }
}

// ---- Complement arithmetic ------------------------------------------------------

TEST(Complement, SignedDecimalToPattern) {
    // Text, then the 1s and 2s forms at lengths 4, 8 and 32 ("" = refused by
    // the Convert command, not asked of ones_comp).
    const struct { const char* text; std::string o4, t4, o8, t8, o32, t32; } rows[] = {
        {"5", "0101", "0101", "00000101", "00000101", rep(29, '0') + "101", rep(29, '0') + "101"},
        {"+5", "0101", "0101", "00000101", "00000101", rep(29, '0') + "101", rep(29, '0') + "101"},
        {"-5", "1010", "1011", "11111010", "11111011", rep(29, '1') + "010", rep(29, '1') + "011"},
        {"-1", "1110", "1111", "11111110", "11111111", rep(31, '1') + "0", rep(32, '1')},
        {"0", "0000", "0000", "00000000", "00000000", rep(32, '0'), rep(32, '0')},
        {"+0", "0000", "0000", "00000000", "00000000", rep(32, '0'), rep(32, '0')},
        {"-0", "1111", "0000", "11111111", "00000000", rep(32, '1'), rep(32, '0')},
        {"7", "0111", "0111", "00000111", "00000111", rep(29, '0') + "111", rep(29, '0') + "111"},
        {"-7", "1000", "1001", "11111000", "11111001", rep(29, '1') + "000", rep(29, '1') + "001"},
        {"-8", "0111", "1000", "11110111", "11111000", rep(28, '1') + "0111", rep(29, '1') + "000"},
        {"127", "1111", "1111", "01111111", "01111111", rep(25, '0') + rep(7, '1'),
         rep(25, '0') + rep(7, '1')},
        {"-127", "0000", "0001", "10000000", "10000001", rep(25, '1') + rep(7, '0'),
         rep(25, '1') + rep(6, '0') + "1"},
        {"-128", "1111", "0000", "01111111", "10000000", rep(24, '1') + "01111111",
         rep(25, '1') + rep(7, '0')},
        {"200", "1000", "1000", "11001000", "11001000", rep(24, '0') + "11001000",
         rep(24, '0') + "11001000"},
        {"2147483647", "1111", "1111", "11111111", "11111111", "0" + rep(31, '1'), "0" + rep(31, '1')},
        {"-2147483648", "", "0000", "", "00000000", "", "1" + rep(31, '0')},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const struct { int len; const std::string& ones; const std::string& twos; } cols[] = {
            {4, r.o4, r.t4}, {8, r.o8, r.t8}, {32, r.o32, r.t32}};
        for (const auto& c : cols) {
            Out out;
            if (!c.ones.empty()) {
                EXPECT_EQ(engine::ones_comp(r.text, c.len, out.get()), out.get());
                EXPECT_EQ(std::string(out.get()), c.ones) << "1s at " << c.len;
            }
            EXPECT_EQ(engine::twos_comp(r.text, c.len, out.get()), out.get());
            EXPECT_EQ(std::string(out.get()), c.twos) << "2s at " << c.len;
            EXPECT_TRUE(out.untouched_from(static_cast<std::size_t>(c.len) + 1));
        }
    }
}

TEST(Complement, SignedDecimalEdgeCases) {
    Out out;
    EXPECT_STREQ(engine::ones_comp("-0", 1, out.get()), "1");
    EXPECT_STREQ(engine::ones_comp("5", 1, out.get()), "1");
    EXPECT_STREQ(engine::twos_comp("-1", 1, out.get()), "1");
    EXPECT_STREQ(engine::twos_comp("-0", 1, out.get()), "0");
    // An empty magnitude counts as 0.
    EXPECT_STREQ(engine::ones_comp("-", 6, out.get()), "111111");
    EXPECT_STREQ(engine::twos_comp("-", 6, out.get()), "000000");
    EXPECT_STREQ(engine::ones_comp("", 6, out.get()), "000000");
    EXPECT_STREQ(engine::twos_comp("+", 6, out.get()), "000000");
    for (int len = 1; len <= 32; ++len) {
        EXPECT_EQ(std::string(engine::ones_comp("-0", len, out.get())), rep(len, '1'));
        EXPECT_EQ(std::string(engine::twos_comp("-0", len, out.get())), rep(len, '0'));
    }
}

TEST(Complement, PatternToValue) {
    const struct { std::string bin; int len; int ones, twos; } rows[] = {
        {"0101", 4, 5, 5},
        {"1010", 4, -5, -6},
        {"0111", 4, 7, 7},
        {"1000", 4, -7, -8},
        {"1111", 4, 0, -1},
        {"1", 4, 0, -1},
        {"101", 8, -2, -3},
        {"01111111", 8, 127, 127},
        {"10000000", 8, -127, -128},
        {"11111111", 8, 0, -1},
        {"0" + rep(31, '1'), 32, 2147483647, 2147483647},
        {"1" + rep(31, '0'), 32, -2147483647, INT_MIN},
        {rep(32, '1'), 32, 0, -1},
        {"1", 1, 0, -1},
        {"0", 1, 0, 0},
        {"1", 32, 0, -1},
        // Longer than the length: the last len digits, sign digit included.
        {"100000001", 8, 1, 1},
        {"011111111", 8, 0, -1},
        {"110000000", 8, -127, -128},
        {rep(16, '0') + "1" + rep(31, '0'), 32, -2147483647, INT_MIN},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bin + " at " + std::to_string(r.len));
        int value = 99;
        EXPECT_EQ(engine::ones_comp_dec(r.bin.c_str(), &value, r.len), &value);
        EXPECT_EQ(value, r.ones);
        value = 99;
        EXPECT_EQ(engine::twos_comp_dec(r.bin.c_str(), &value, r.len), &value);
        EXPECT_EQ(value, r.twos);
    }
}

TEST(Complement, PatternToValueStoresNothingWithoutSignDigit) {
    const struct { const char* bin; int len; } rows[] = {
        {"", 8}, {"x01", 8}, {"-1", 8}, {"0101", 0}, {"1", -4}, {"2" "0000000", 8},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.bin);
        int value = 4321;
        EXPECT_EQ(engine::ones_comp_dec(r.bin, &value, r.len), &value);
        EXPECT_EQ(value, 4321);
        EXPECT_EQ(engine::twos_comp_dec(r.bin, &value, r.len), &value);
        EXPECT_EQ(value, 4321);
    }
}

// Without a place to store the value, the parsers still answer it and the
// complement readers answer the null pointer they were given.
TEST(Complement, ValuesWithoutAPlaceToStore) {
    for (const std::string& t : std::vector<std::string>{"101", "11111111", "1" + rep(40, '0'), "777", "FFFFFFFF", ""}) {
        SCOPED_TRACE(t);
        int v = 0;
        EXPECT_EQ(engine::bin_dec(t.c_str(), nullptr), engine::bin_dec(t.c_str(), &v));
        EXPECT_EQ(engine::oct_dec(t.c_str(), nullptr), engine::oct_dec(t.c_str(), &v));
        EXPECT_EQ(engine::hex_dec(t.c_str(), nullptr), engine::hex_dec(t.c_str(), &v));
        EXPECT_EQ(engine::ones_comp_dec(t.c_str(), nullptr, 8), nullptr);
        EXPECT_EQ(engine::twos_comp_dec(t.c_str(), nullptr, 32), nullptr);
    }
}

TEST(Complement, AdderAndSubtractor) {
    const struct { bool add; std::string a, b; int len, in; std::string want; int out; } rows[] = {
        {true, "1111", "1", 4, 0, "0000", 1},
        {true, "0110", "0011", 4, 0, "1001", 0},
        {true, "0110", "0011", 4, 1, "1010", 0},
        {true, rep(32, '1'), "1", 32, 0, rep(32, '0'), 1},
        {true, "1x1", "1", 4, 0, "1000", 0},  // a stray digit writes 0 and keeps the carry
        {false, "0000", "1", 4, 0, "1111", 1},
        {false, "1000", "1", 4, 0, "0111", 0},
        {false, "1000", "1", 4, 1, "0110", 0},
        {false, "0011", "0101", 4, 0, "1110", 1},
        {false, "1" + rep(31, '0'), "1", 32, 0, "0" + rep(31, '1'), 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.a + (r.add ? " + " : " - ") + r.b);
        Out out;
        int carry = 7;
        char* result = r.add ? engine::bin_adder(r.a.c_str(), r.b.c_str(), out.get(), r.len, r.in, &carry)
                             : engine::bin_substractor(r.a.c_str(), r.b.c_str(), out.get(), r.len,
                                                       r.in, &carry);
        EXPECT_EQ(result, out.get());
        EXPECT_EQ(std::string(out.get()), r.want);
        EXPECT_EQ(carry, r.out);
        // Without a carry pointer the same digits come out.
        Out plain;
        if (r.add) engine::bin_adder(r.a.c_str(), r.b.c_str(), plain.get(), r.len, r.in, nullptr);
        else engine::bin_substractor(r.a.c_str(), r.b.c_str(), plain.get(), r.len, r.in, nullptr);
        EXPECT_EQ(std::string(plain.get()), r.want);
    }
}

TEST(Complement, NotAndSignExtend) {
    Out out;
    EXPECT_STREQ(engine::bin_not("101", 4, out.get()), "1010");
    EXPECT_STREQ(engine::bin_not("", 4, out.get()), "1111");
    EXPECT_STREQ(engine::bin_not("110011", 4, out.get()), "1100");
    EXPECT_STREQ(engine::bin_not("1x0", 4, out.get()), "1001");

    const struct { std::string src; int len; std::string want; } rows[] = {
        {"101", 8, "11111101"},
        {"0101", 8, "00000101"},
        {"110", 32, rep(31, '1') + "0"},
        {"1", 1, "1"},
        {"0110", 4, "0110"},
        {"100110", 4, "0110"},  // longer: its last len digits, no fill
        {"", 4, "0000"},        // no sign digit: zeros
        {"x01", 6, "111101"},   // anything but '0' fills with '1'
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.src);
        Out ext;
        EXPECT_EQ(engine::sign_extend(r.src.c_str(), r.len, ext.get()), ext.get());
        EXPECT_EQ(std::string(ext.get()), r.want);
    }
}

// ---- Hexadecimal conversions ---------------------------------------------------

TEST(Hex, ValidatorsAndPrefix) {
    const struct { const char* text; int valid, prefixed, valid_c; } rows[] = {
        {"1aF", 0, 1, 1},  {"", 0, 1, 1},     {"0x1F", 1, 0, 0}, {"0X1F", 1, 0, 0},
        {"-1", 1, 1, 1},   {"1 F", 1, 1, 1},  {"x1F", 1, 1, 1}, {"00x1", 1, 1, 1},
        {"0", 0, 1, 1},    {"0x", 1, 0, 0},   {"0xG1", 1, 0, 2}, {"0x1\xc1", 1, 0, 2},
        {"1F", 0, 1, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        ExactText t(r.text);
        EXPECT_EQ(engine::is_valid_hex(t.get()), r.valid);
        EXPECT_EQ(engine::is_C_hex(t.get()), r.prefixed);
        EXPECT_EQ(engine::is_valid_C_hex(t.get()), r.valid_c);
    }
}

TEST(Hex, ToBinary) {
    const struct { std::string hex; int n; std::string want; } rows[] = {
        {"A5", 3, "000010100101"},
        {"FFFF", 3, rep(12, '1')},
        {"1f", 2, "00011111"},
        {"G", 1, "0000"},
        {"1", 8, rep(31, '0') + "1"},
        {"aBcD", 4, "1010101111001101"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.hex);
        Out out;
        EXPECT_EQ(engine::hex_bin(r.hex.c_str(), out.get(), r.n), out.get());
        EXPECT_EQ(std::string(out.get()), r.want);
        EXPECT_TRUE(out.untouched_from(4 * static_cast<std::size_t>(r.n) + 1));
    }
}

TEST(Hex, Value) {
    const struct { const char* hex; std::uint32_t want; } rows[] = {
        {"FFFFFFFF", 4294967295u}, {"1FFFFFFFF", 4294967295u}, {"ff", 255}, {"", 0},
        {"80000000", 2147483648u}, {"1g1", 257},  // a stray character keeps its place
    };
    for (const auto& r : rows) {
        int value = 0;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::hex_dec(r.hex, &value)), r.want) << r.hex;
        EXPECT_EQ(static_cast<std::uint32_t>(value), r.want) << r.hex;
    }
}

TEST(Hex, Compare) {
    const struct { std::string a, b; int want; } rows[] = {
        {"FFFFFFFF", "FFFFFFFF", 0},
        {"ffffffff", "FFFFFFFF", 0},
        {"100000000", "FFFFFFFF", 1},
        {"00000000FFFFFFFF", "FFFFFFFF", 0},
        {rep(40, '1'), "FFFFFFFF", 1},
        {"a", "9", 1},
        {"FFFFFFFE", "ffffffff", 2},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(engine::hex_compare(r.a.c_str(), r.b.c_str(), 32), r.want) << r.a << " vs " << r.b;
    }
}

// ---- Octal conversions ------------------------------------------------------------

TEST(Octal, Validator) {
    const struct { const char* text; int want; } rows[] = {
        {"0127", 0}, {"", 0}, {"18", 1}, {"-7", 1}, {"7 7", 1},
    };
    for (const auto& r : rows) EXPECT_EQ(engine::is_valid_oct(r.text), r.want) << r.text;
}

TEST(Octal, ToBinary) {
    const struct { std::string oct; int bits; std::string want; } rows[] = {
        {"37777777777", 32, rep(32, '1')},
        {"7777", 10, rep(10, '1')},
        {"17", 10, "0000001111"},
        {"5", 1, "1"},
        {"777", 8, rep(8, '1')},
        {"37777777777", 10, rep(10, '1')},
        {"4", 2, "00"},
        {"3", 2, "11"},
        {"7", 3, "111"},
        {"8", 3, "000"},
        {"", 5, "00000"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.oct + " at " + std::to_string(r.bits));
        Out out;
        EXPECT_EQ(engine::oct_bin(r.oct.c_str(), out.get(), r.bits), out.get());
        EXPECT_EQ(std::string(out.get()), r.want);
        EXPECT_TRUE(out.untouched_from(static_cast<std::size_t>(r.bits) + 1));
    }
}

TEST(Octal, ValueAndCompare) {
    const struct { const char* oct; std::uint32_t want; } values[] = {
        {"37777777777", 4294967295u}, {"77777777777", 4294967295u}, {"17", 15}, {"", 0},
        {"40000000000", 0}, {"1" "00000000000", 0},
    };
    for (const auto& r : values) {
        int value = 0;
        EXPECT_EQ(static_cast<std::uint32_t>(engine::oct_dec(r.oct, &value)), r.want) << r.oct;
        EXPECT_EQ(static_cast<std::uint32_t>(value), r.want) << r.oct;
    }
    const struct { const char* a; const char* b; int want; } compares[] = {
        {"37777777777", "37777777777", 0},
        {"40000000000", "37777777777", 1},
        {"0037777777777", "37777777777", 0},
        {"7", "10", 2},
    };
    for (const auto& r : compares) {
        EXPECT_EQ(engine::oct_compare(r.a, r.b, 32), r.want) << r.a << " vs " << r.b;
    }
}

// ---- Input refinement filters -------------------------------------------------------

TEST(Refine, KeepsTheDigitsOfTheBase) {
    using Fn = char* (*)(const char*, char*);
    const struct { Fn fn; const char* src; const char* want; } rows[] = {
        {engine::bin_refine, "1 0 1", "101"},
        {engine::bin_refine, "-101", "101"},
        {engine::bin_refine, "2", ""},
        {engine::dec_refine, "12,345", "12345"},
        {engine::dec_refine, "1.5", "15"},
        {engine::dec_refine_signed, "-12a3", "-123"},
        {engine::dec_refine_signed, "+ 7", "+7"},
        {engine::dec_refine_signed, "-", "-"},
        {engine::dec_refine_signed, "--5", "-5"},
        {engine::oct_refine, "1289", "12"},
        {engine::hex_refine, "aBg", "aB"},
        {engine::hex_refine, "DEAD BEEF", "DEADBEEF"},
        {engine::C_hex_refine, "0x1G2", "0x12"},
        {engine::C_hex_refine, "0X zz", "0X"},
        {engine::C_hex_refine, "0x-1F", "0x1F"},
        {engine::bin_refine, "", ""},
        {engine::dec_refine, "", ""},
        {engine::oct_refine, "", ""},
        {engine::hex_refine, "", ""},
        // Shorter than the kept characters: kept whole, nothing read past the end.
        {engine::dec_refine_signed, "", ""},
        {engine::C_hex_refine, "", ""},
        {engine::C_hex_refine, "0", "0"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.src);
        ExactText src(r.src);
        Out out;
        EXPECT_EQ(r.fn(src.get(), out.get()), out.get());
        EXPECT_STREQ(out.get(), r.want);
        EXPECT_TRUE(out.untouched_from(std::strlen(r.src) + 1));
    }
}

// ---- Widths of 0 or less and arbitrary texts ----------------------------------------

TEST(Widths, ZeroOrLessGivesTheEmptyText) {
    for (int width : {0, -1, INT_MIN}) {
        SCOPED_TRACE(width);
        const auto check = [](char* result, Out& out) {
            EXPECT_EQ(result, out.get());
            EXPECT_EQ(out.data[0], '\0');
            EXPECT_TRUE(out.untouched_from(1));
        };
        { Out o; check(engine::dec_bin(77, width, o.get()), o); }
        { Out o; check(engine::dec_oct(77, width, o.get()), o); }
        { Out o; check(engine::dec_hex(77, width, o.get()), o); }
        { Out o; check(engine::bin_hex("1011", o.get(), width), o); }
        { Out o; check(engine::bin_oct("1011", o.get(), width), o); }
        { Out o; check(engine::bin_extract("1011", o.get(), width), o); }
        { Out o; check(engine::bin_not("1011", width, o.get()), o); }
        { Out o; check(engine::sign_extend("1011", width, o.get()), o); }
        { Out o; check(engine::ones_comp("-5", width, o.get()), o); }
        { Out o; check(engine::twos_comp("-5", width, o.get()), o); }
        { Out o; check(engine::hex_bin("F", o.get(), width), o); }
        { Out o; check(engine::oct_bin("7", o.get(), width), o); }
        {
            Out o;
            int carry = 5;
            check(engine::bin_adder("1", "1", o.get(), width, 1, &carry), o);
            EXPECT_EQ(carry, 5);
            check(engine::bin_substractor("0", "1", o.get(), width, 1, &carry), o);
            EXPECT_EQ(carry, 5);
        }
        // Comparisons do not depend on the width.
        EXPECT_EQ(engine::dec_compare("12", "012", width), 0);
        EXPECT_EQ(engine::bin_compare("10", "01", width), 1);
        EXPECT_EQ(engine::hex_compare("a", "B", width), 2);
        EXPECT_EQ(engine::oct_compare("7", "10", width), 2);
    }
}

// Every routine on long texts of arbitrary bytes (0x80 and above included),
// each in a block of its exact size: the sanitizers report any stray access,
// and every result has exactly its width.
TEST(AnyText, NoRoutineLeavesItsBuffers) {
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> pick(0, 3);
    const char* alphabet[] = {"01", "0123456789abcdefABCDEFxX+-", nullptr, nullptr};
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = static_cast<std::size_t>(round % 101);
        std::string s;
        const char* letters = alphabet[pick(rng)];
        for (std::size_t i = 0; i < length; ++i) {
            s += letters ? letters[static_cast<std::size_t>(byte(rng)) % std::strlen(letters)]
                         : static_cast<char>(byte(rng));
        }
        SCOPED_TRACE(round);
        ExactText a(s), b(s.substr(s.size() / 2));
        const char* t = a.get();
        const int width = 1 + round % 33;
        const auto w = static_cast<std::size_t>(width);
        const auto exact = [](Out& out, std::size_t n) {
            EXPECT_EQ(std::strlen(out.data), n);
            EXPECT_TRUE(out.untouched_from(n + 1));
        };
        { Out o; engine::bin_hex(t, o.get(), width); exact(o, w); }
        { Out o; engine::bin_oct(t, o.get(), width); exact(o, w); }
        { Out o; engine::bin_extract(t, o.get(), width); exact(o, w); }
        { Out o; engine::bin_not(t, width, o.get()); exact(o, w); }
        { Out o; engine::sign_extend(t, width, o.get()); exact(o, w); }
        { Out o; engine::ones_comp(t, width, o.get()); exact(o, w); }
        { Out o; engine::twos_comp(t, width, o.get()); exact(o, w); }
        { Out o; engine::oct_bin(t, o.get(), width); exact(o, w); }
        { Out o; engine::hex_bin(t, o.get(), (width + 3) / 4); exact(o, 4 * ((w + 3) / 4)); }
        { Out o; engine::bin_adder(t, b.get(), o.get(), width, 1, nullptr); exact(o, w); }
        { Out o; engine::bin_substractor(t, b.get(), o.get(), width, 1, nullptr); exact(o, w); }
        { Out o; engine::extract_value_of_signed(t, o.get()); exact(o, length == 0 ? 0 : length - 1); }
        Out o;
        for (auto filter : {engine::bin_refine, engine::dec_refine, engine::dec_refine_signed,
                            engine::oct_refine, engine::hex_refine, engine::C_hex_refine}) {
            filter(t, o.get());
            EXPECT_LE(std::strlen(o.data), length);
        }
        int value = 0;
        engine::ones_comp_dec(t, &value, width);
        engine::twos_comp_dec(t, &value, width);
        engine::bin_dec(t, &value);
        engine::hex_dec(t, &value);
        engine::oct_dec(t, &value);
        (void)engine::str_int(t);
        (void)engine::is_valid_dec(t);
        (void)engine::is_valid_bin(t);
        (void)engine::is_valid_oct(t);
        (void)engine::is_valid_hex(t);
        (void)engine::is_valid_C_hex(t);
        (void)engine::is_signed(t);
        (void)engine::dlw_strcmp(t, b.get());
        const int d = engine::dec_compare(t, b.get(), width);
        EXPECT_EQ(engine::dec_compare(b.get(), t, width), d == 0 ? 0 : 3 - d);
        EXPECT_EQ(engine::hex_compare(t, t, width), 0);
        EXPECT_EQ(engine::oct_compare(t, b.get(), width), d);
        const int bc = engine::bin_compare(t, b.get(), width);
        EXPECT_EQ(engine::bin_compare(b.get(), t, width), bc == 0 ? 0 : 3 - bc);
    }
}

}  // namespace
