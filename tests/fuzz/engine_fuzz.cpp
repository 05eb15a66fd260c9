// Every routine of the number engine on arbitrary texts, widths and values.
//
// Input: one byte width (signed; -128 stands for INT_MIN), one byte carry or
// borrow (signed), a 32-bit value (little-endian), then two texts separated
// by a NUL. Each routine must write exactly its width and the terminator into
// a buffer of exactly that size and read no byte past its texts (the address
// sanitizer watches both), and where it has a meaning in machine integers,
// agree with them: 128-bit integers here, so that widths up to 126 are
// checked as well as the 1 to 32 the program uses.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "fuzz_check.h"
#include "model.h"

namespace {

using fuzz::Buffer;
using fuzz::show;
using fuzz::Text;
using u128 = unsigned __int128;
using i128 = __int128;

const std::string bin_digits = "01";
const std::string oct_digits = "01234567";
const std::string dec_digits = "0123456789";
const std::string hex_digits = "0123456789abcdefABCDEF";

bool only(const std::string& s, const std::string& allowed) {
    return s.find_first_not_of(allowed) == std::string::npos;
}

u128 mask(int bits) { return bits >= 128 ? ~u128{0} : (u128{1} << bits) - 1; }

// Digits of a valid text of a base, read as one machine integer.
u128 parse(const std::string& digits, unsigned base) {
    u128 v = 0;
    for (char c : digits) v = v * base + static_cast<unsigned>(hex_digits.find(c) < 16 ? hex_digits.find(c) : hex_digits.find(c) - 6);
    return v;
}

// v as exactly count digits of base, upper case.
std::string fixed(u128 v, unsigned base, int count) {
    std::string s(count > 0 ? static_cast<std::size_t>(count) : 0u, '0');
    for (std::size_t i = s.size(); i-- > 0; v /= base) s[i] = "0123456789ABCDEF"[static_cast<unsigned>(v % base)];
    return s;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The last n characters of t, padded on the left with '0' to n.
std::string tail(const std::string& t, int n) {
    const std::size_t w = n > 0 ? static_cast<std::size_t>(n) : 0u;
    if (t.size() >= w) return t.substr(t.size() - w);
    return std::string(w - t.size(), '0') + t;
}

// The text with every group of `group` characters (from the left; the
// length is a multiple of it) holding anything but digits of `digits`
// replaced by zeros.
std::string clean_groups(std::string t, std::size_t group, const std::string& digits) {
    for (std::size_t i = 0; i < t.size(); i += group) {
        if (!only(t.substr(i, group), digits)) t.replace(i, group, group, '0');
    }
    return t;
}

// The signed value of a pattern of `bits` digits (1 to 126).
i128 ones_value(u128 p, int bits) {
    return (p >> (bits - 1)) & 1 ? -static_cast<i128>(~p & mask(bits)) : static_cast<i128>(p);
}
i128 twos_value(u128 p, int bits) {
    return (p >> (bits - 1)) & 1 ? static_cast<i128>(p) - static_cast<i128>(mask(bits)) - 1 : static_cast<i128>(p);
}
int low32(i128 v) { return static_cast<int>(static_cast<std::uint32_t>(static_cast<u128>(v))); }

// The 64-bit value of a text read by weights of a base from the right,
// by Horner's rule; `digit` gives each character's value. Its low 32 bits
// are the 32-bit value.
template <typename Digit>
std::uint64_t horner(const std::string& t, unsigned base, Digit digit) {
    std::uint64_t v = 0;
    for (char c : t) v = v * base + static_cast<std::uint64_t>(static_cast<std::int64_t>(digit(c)));
    return v;
}
std::uint64_t str_int_model(const std::string& t) {
    return horner(t, 10, [](char c) { return static_cast<signed char>(c) - 48; });
}
std::uint64_t value_of(const std::string& t, unsigned base) {
    return horner(t, base, [&](char c) {
        const std::size_t k = hex_digits.find(c);
        const unsigned v = k == std::string::npos ? 0u : k < 16 ? static_cast<unsigned>(k) : static_cast<unsigned>(k - 6);
        return v < base ? static_cast<int>(v) : 0;
    });
}

std::size_t out_size(int digits) { return digits > 0 ? static_cast<std::size_t>(digits) + 1 : 1u; }

// Runs a routine that fills `digits` characters into a buffer of exactly
// that size plus the terminator, checks it returned the buffer and wrote
// exactly that many characters, and gives the text.
template <typename Call>
std::string fill(const char* name, int digits, Call call) {
    Buffer out(out_size(digits));
    char* r = call(out.get());
    FUZZ_CHECK(r == out.get(), "%s did not return its output buffer", name);
    FUZZ_CHECK(out.terminated(), "%s left its output unterminated", name);
    const std::string s = out.text();
    FUZZ_CHECK(s.size() == out.size() - 1, "%s wrote %zu characters for a width of %d", name, s.size(), digits);
    return s;
}

// ---- Digits, signs, decimal ----------------------------------------------------

void characters(const std::string& a, std::uint32_t value) {
    const int v = static_cast<int>(value);
    FUZZ_CHECK(engine::num_char(v) == static_cast<char>((value + 48u) & 0xFFu), "num_char(%d)", v);
    const char hx = engine::num_char_hex(v);
    if (value >= 10 && value <= 15)
        FUZZ_CHECK(hx == "ABCDEF"[value - 10], "num_char_hex(%d)", v);
    else
        FUZZ_CHECK(hx == engine::num_char(v), "num_char_hex(%d)", v);
    for (char c : a) {
        // char_num and num_char undo each other for every byte.
        FUZZ_CHECK(engine::num_char(engine::char_num(c)) == c, "char_num 0x%02X", static_cast<unsigned char>(c));
        const std::size_t k = hex_digits.find(c);
        const int want = k == std::string::npos ? engine::char_num(c) : static_cast<int>(parse(std::string(1, c), 16));
        FUZZ_CHECK(engine::char_num_hex(c) == want, "char_num_hex 0x%02X", static_cast<unsigned char>(c));
    }
}

void signs_and_decimal(const std::string& a, const std::string& b) {
    const Text ta(a);
    const bool sign = !a.empty() && (a[0] == '+' || a[0] == '-');
    FUZZ_CHECK(engine::is_signed(ta.get()) == (sign ? 1 : 0), "is_signed %s", show(a).c_str());

    // The destination holds the source's length (the empty text: one byte).
    Buffer dst(std::max<std::size_t>(a.size(), 1));
    FUZZ_CHECK(engine::extract_value_of_signed(ta.get(), dst.get()) == dst.get(), "extract_value_of_signed");
    FUZZ_CHECK(dst.terminated() && dst.text() == (a.empty() ? "" : a.substr(1)), "extract_value_of_signed %s",
               show(a).c_str());

    FUZZ_CHECK(engine::is_valid_dec(ta.get()) == (only(a, dec_digits) ? 1 : 0), "is_valid_dec %s", show(a).c_str());
    FUZZ_CHECK(static_cast<std::uint32_t>(engine::str_int(ta.get())) == static_cast<std::uint32_t>(str_int_model(a)),
               "str_int %s", show(a).c_str());
    FUZZ_CHECK(engine::str_int(ta.get(), engine::Bits::b64) == str_int_model(a), "str_int %s at 64 bits",
               show(a).c_str());

    const Text tb(b);
    const bool same4 = a.substr(0, 4) == b.substr(0, 4);
    FUZZ_CHECK(engine::dlw_strcmp(ta.get(), tb.get()) == (same4 ? 0 : 1), "dlw_strcmp %s %s", show(a).c_str(),
               show(b).c_str());
}

void power(std::uint32_t base, int small_exponent, std::uint32_t big) {
    const int b = static_cast<int>(base);
    if (small_exponent >= 0) {
        std::uint32_t want = 1;
        for (int i = 0; i < small_exponent; ++i) want *= base;
        FUZZ_CHECK(static_cast<std::uint32_t>(engine::pow(b, small_exponent)) == want, "pow(%d, %d)", b,
                   small_exponent);
    }
    // Any exponent: one more factor multiplies by the base.
    const int e = static_cast<int>(big & 0x7FFFFFFFu);
    if (e >= 1) {
        const auto p = static_cast<std::uint32_t>(engine::pow(b, e));
        const auto q = static_cast<std::uint32_t>(engine::pow(b, e - 1));
        FUZZ_CHECK(p == q * base, "pow(%d, %d) against pow(%d, %d)", b, e, b, e - 1);
    }
}

void fixed_width(std::uint32_t value, int w) {
    const struct { const char* name; char* (*f)(std::uint32_t, int, char*); unsigned base; } rows[] = {
        {"dec_bin", engine::dec_bin, 2}, {"dec_oct", engine::dec_oct, 8}, {"dec_hex", engine::dec_hex, 16}};
    for (const auto& r : rows) {
        const std::string got = fill(r.name, w, [&](char* out) { return r.f(value, w, out); });
        FUZZ_CHECK(got == model::fixed(value, r.base, std::max(w, 0)), "%s(%u, %d) gave %s", r.name, value, w, got.c_str());
    }
}

// ---- Comparisons ----------------------------------------------------------------------

void comparison(const char* name, int (*cmp)(const char*, const char*, int), const std::string& a,
                const std::string& b, int w, const std::string& digits, unsigned base) {
    const Text ta(a), tb(b), za("0" + a);
    const int r = cmp(ta.get(), tb.get(), w);
    FUZZ_CHECK(r >= 0 && r <= 2, "%s gave %d", name, r);
    if (only(a, digits) && only(b, digits))
        FUZZ_CHECK(r == model::compare(a, b, base), "%s(%s, %s) gave %d", name, show(a).c_str(), show(b).c_str(), r);
    // Whatever the texts: the width does not matter, swapping swaps the
    // answer, a text equals itself, and a leading zero changes nothing.
    FUZZ_CHECK(cmp(ta.get(), tb.get(), 32) == r, "%s depends on the width %d", name, w);
    const int swapped = cmp(tb.get(), ta.get(), w);
    FUZZ_CHECK(swapped == (r == 0 ? 0 : 3 - r), "%s not antisymmetric: %d, %d", name, r, swapped);
    FUZZ_CHECK(cmp(ta.get(), ta.get(), w) == 0, "%s of a text with itself", name);
    FUZZ_CHECK(cmp(za.get(), tb.get(), w) == r, "%s changed by a leading zero", name);
}

// ---- Validators and value parsers ---------------------------------------------------

void validators_and_values(const std::string& a) {
    const Text ta(a);
    FUZZ_CHECK(engine::is_valid_bin(ta.get()) == (only(a, bin_digits) ? 0 : 1), "is_valid_bin %s", show(a).c_str());
    FUZZ_CHECK(engine::is_valid_oct(ta.get()) == (only(a, oct_digits) ? 0 : 1), "is_valid_oct %s", show(a).c_str());
    FUZZ_CHECK(engine::is_valid_hex(ta.get()) == (only(a, hex_digits) ? 0 : 1), "is_valid_hex %s", show(a).c_str());
    const bool prefixed = a.size() >= 2 && a[0] == '0' && (a[1] == 'x' || a[1] == 'X');
    FUZZ_CHECK(engine::is_C_hex(ta.get()) == (prefixed ? 0 : 1), "is_C_hex %s", show(a).c_str());
    const int c_hex = !prefixed ? 1 : only(a.substr(2), hex_digits) ? 0 : 2;
    FUZZ_CHECK(engine::is_valid_C_hex(ta.get()) == c_hex, "is_valid_C_hex %s", show(a).c_str());

    // A character that is not a digit of the base adds nothing but keeps its
    // place; the value is the whole text's modulo 2^32.
    const struct {
        const char* name;
        int (*f)(const char*, int*);
        engine::Value (*wide)(const char*, engine::Bits);
        unsigned base;
    } rows[] = {{"bin_dec", engine::bin_dec, engine::bin_dec, 2},
                {"oct_dec", engine::oct_dec, engine::oct_dec, 8},
                {"hex_dec", engine::hex_dec, engine::hex_dec, 16}};
    for (const auto& r : rows) {
        FUZZ_CHECK(r.wide(ta.get(), engine::Bits::b64) == value_of(a, r.base), "%s(%s) at 64 bits", r.name,
                   show(a).c_str());
        const auto want = static_cast<std::uint32_t>(value_of(a, r.base));
        int stored = 12345;
        const int got = r.f(ta.get(), &stored);
        FUZZ_CHECK(static_cast<std::uint32_t>(got) == want && stored == got, "%s(%s) gave %d, stored %d", r.name,
                   show(a).c_str(), got, stored);
        FUZZ_CHECK(r.f(ta.get(), nullptr) == got, "%s without a pointer", r.name);
    }
}

// ---- Regrouping between bases -----------------------------------------------------

void regrouping(const std::string& a, int w) {
    const Text ta(a);
    const int n = std::max(w, 0);  // digits written (INT_MIN must not be multiplied)
    // Binary to hexadecimal and octal: w digits from the last 4w (3w) binary
    // characters; a group with a stray character gives 0.
    const std::string bin4 = clean_groups(tail(a, 4 * n), 4, bin_digits);
    const std::string hex = fill("bin_hex", w, [&](char* out) { return engine::bin_hex(ta.get(), out, w); });
    if (4 * n <= 128) FUZZ_CHECK(hex == fixed(parse(bin4, 2), 16, w), "bin_hex(%s, %d) gave %s", show(a).c_str(), w, hex.c_str());
    const Text thex(hex);
    FUZZ_CHECK(fill("hex_bin", 4 * n, [&](char* out) { return engine::hex_bin(thex.get(), out, w); }) == bin4,
               "hex_bin does not undo bin_hex at %d", w);

    const std::string bin3 = clean_groups(tail(a, 3 * n), 3, bin_digits);
    const std::string oct = fill("bin_oct", w, [&](char* out) { return engine::bin_oct(ta.get(), out, w); });
    if (3 * n <= 128) FUZZ_CHECK(oct == fixed(parse(bin3, 2), 8, w), "bin_oct(%s, %d) gave %s", show(a).c_str(), w, oct.c_str());
    const Text toct(oct);
    FUZZ_CHECK(fill("oct_bin", 3 * n, [&](char* out) { return engine::oct_bin(toct.get(), out, 3 * n); }) == bin3,
               "oct_bin does not undo bin_oct at %d", w);

    // Hexadecimal to binary: 4w digits from the last w characters, a stray
    // character giving 0000.
    const std::string hexw = clean_groups(tail(a, w), 1, hex_digits);
    const std::string bin = fill("hex_bin", 4 * n, [&](char* out) { return engine::hex_bin(ta.get(), out, w); });
    if (4 * n <= 128) FUZZ_CHECK(bin == fixed(parse(hexw, 16), 2, 4 * n), "hex_bin(%s, %d) gave %s", show(a).c_str(), w, bin.c_str());
    const Text tbin(bin);
    FUZZ_CHECK(fill("bin_hex", w, [&](char* out) { return engine::bin_hex(tbin.get(), out, w); }) == upper(hexw),
               "bin_hex does not undo hex_bin at %d", w);

    // Octal to binary: w bits from the last ceil(w/3) characters, the value
    // modulo 2^w.
    const int d = (n + 2) / 3;
    const std::string octd = clean_groups(tail(a, d), 1, oct_digits);
    const std::string ob = fill("oct_bin", w, [&](char* out) { return engine::oct_bin(ta.get(), out, w); });
    FUZZ_CHECK(ob == fixed(parse(octd, 8) & mask(n), 2, w), "oct_bin(%s, %d) gave %s", show(a).c_str(), w,
               ob.c_str());

    const std::string ex = fill("bin_extract", w, [&](char* out) { return engine::bin_extract(ta.get(), out, w); });
    FUZZ_CHECK(ex == tail(a, w), "bin_extract(%s, %d)", show(a).c_str(), w);
}

// ---- Complement arithmetic -----------------------------------------------------------

bool is_bit(char c) { return c == '0' || c == '1'; }

// The adder and subtractor pass over a place where either operand is not a
// binary digit: they leave '0' there and carry on. So their result is the
// machine sum (difference) of the operands with those places taken out,
// written back around them. An out-of-range carry or borrow passes over
// every place.
void add_and_subtract(const std::string& a, const std::string& b, int w, int carry) {
    const Text ta(a), tb(b);
    const int n = std::max(w, 0);
    const std::string pa = tail(a, n), pb = tail(b, n);
    std::string ca, cb;
    for (int i = 0; i < n; ++i) {
        if (is_bit(pa[static_cast<std::size_t>(i)]) && is_bit(pb[static_cast<std::size_t>(i)])) {
            ca += pa[static_cast<std::size_t>(i)];
            cb += pb[static_cast<std::size_t>(i)];
        }
    }
    const bool in_table = carry == 0 || carry == 1;
    const int k = static_cast<int>(ca.size());
    auto spread = [&](u128 v, int carried) {
        std::string compact = in_table ? fixed(v & mask(k), 2, k) : std::string(static_cast<std::size_t>(k), '0');
        std::string out(static_cast<std::size_t>(n), '0');
        std::size_t j = 0;
        for (int i = 0; i < n; ++i) {
            const std::size_t p = static_cast<std::size_t>(i);
            if (is_bit(pa[p]) && is_bit(pb[p])) out[p] = compact[j++];
        }
        return std::make_pair(out, in_table && n > 0 ? carried : carry);
    };
    const u128 va = parse(ca, 2), vb = parse(cb, 2), c = static_cast<u128>(in_table ? carry : 0);
    const u128 sum = va + vb + c;
    const auto add_want = spread(sum, static_cast<int>((sum >> k) & 1));
    const auto sub_want = spread(va - vb - c, va < vb + c ? 1 : 0);

    int carry_out = -77;
    const std::string s = fill("bin_adder", w, [&](char* out) { return engine::bin_adder(ta.get(), tb.get(), out, w, carry, &carry_out); });
    FUZZ_CHECK(s == add_want.first, "bin_adder(%s, %s, %d, carry %d) gave %s", show(a).c_str(), show(b).c_str(), w,
               carry, s.c_str());
    // At a width of 0 or less nothing is touched, the carry out included.
    FUZZ_CHECK(carry_out == (n > 0 ? add_want.second : -77), "bin_adder carry out %d", carry_out);
    FUZZ_CHECK(fill("bin_adder", w, [&](char* out) { return engine::bin_adder(ta.get(), tb.get(), out, w, carry, nullptr); }) == s,
               "bin_adder without a carry pointer");

    int borrow_out = -77;
    const std::string d = fill("bin_substractor", w, [&](char* out) {
        return engine::bin_substractor(ta.get(), tb.get(), out, w, carry, &borrow_out);
    });
    FUZZ_CHECK(d == sub_want.first, "bin_substractor(%s, %s, %d, borrow %d) gave %s", show(a).c_str(), show(b).c_str(),
               w, carry, d.c_str());
    FUZZ_CHECK(borrow_out == (n > 0 ? sub_want.second : -77), "bin_substractor borrow out %d", borrow_out);
    FUZZ_CHECK(fill("bin_substractor", w, [&](char* out) { return engine::bin_substractor(ta.get(), tb.get(), out, w, carry, nullptr); }) == d,
               "bin_substractor without a borrow pointer");
}

void complements(const std::string& a, int w) {
    const Text ta(a);
    const int n = std::max(w, 0);
    const std::string pa = tail(a, n);

    // bin_not: '0' gives '1', anything else '0'.
    std::string ones_for_not = pa;
    for (char& c : ones_for_not)
        if (c != '0') c = '1';
    const std::string inv = fill("bin_not", w, [&](char* out) { return engine::bin_not(ta.get(), w, out); });
    FUZZ_CHECK(inv == fixed(~parse(ones_for_not, 2) & mask(n), 2, w), "bin_not(%s, %d) gave %s", show(a).c_str(), w,
               inv.c_str());

    // sign_extend of a non-empty text: the value kept, in more digits. The
    // empty text has no sign digit; only the buffer contract holds for it.
    const std::string se = fill("sign_extend", w, [&](char* out) { return engine::sign_extend(ta.get(), w, out); });
    if (!a.empty()) {
        std::string want = tail(a, n);
        if (static_cast<int>(a.size()) <= n) {
            if (only(a, bin_digits)) {
                const int len = static_cast<int>(a.size());
                want = fixed(static_cast<u128>(twos_value(parse(a, 2), len)) & mask(n), 2, n);
            } else {
                want = std::string(static_cast<std::size_t>(n) - a.size() + 1, a[0] == '0' ? '0' : '1') + a.substr(1);
            }
        }
        FUZZ_CHECK(se == want, "sign_extend(%s, %d) gave %s", show(a).c_str(), w, se.c_str());
    }

    // Signed decimal text to a pattern: the magnitude's value modulo 2^32
    // (str_int), negated in 1s or 2s complement.
    const bool minus = !a.empty() && a[0] == '-';
    const bool sign = minus || (!a.empty() && a[0] == '+');
    for (const int bits : {32, 64}) {
        const engine::Bits width = bits == 32 ? engine::Bits::b32 : engine::Bits::b64;
        const u128 m = str_int_model(sign ? a.substr(1) : a) & mask(bits);
        const u128 ones = minus ? ~m : m, twos = minus ? u128{0} - m : m;
        FUZZ_CHECK(fill("ones_comp", w, [&](char* out) { return engine::ones_comp(ta.get(), w, out, width); }) ==
                       fixed(ones & mask(n), 2, w),
                   "ones_comp(%s, %d) at %d bits", show(a).c_str(), w, bits);
        FUZZ_CHECK(fill("twos_comp", w, [&](char* out) { return engine::twos_comp(ta.get(), w, out, width); }) ==
                       fixed(twos & mask(n), 2, w),
                   "twos_comp(%s, %d) at %d bits", show(a).c_str(), w, bits);
    }
    FUZZ_CHECK(fill("ones_comp", w, [&](char* out) { return engine::ones_comp(ta.get(), w, out); }) ==
                   fill("ones_comp", w, [&](char* out) { return engine::ones_comp(ta.get(), w, out, engine::Bits::b32); }),
               "ones_comp(%s, %d) is not its 32-bit width", show(a).c_str(), w);
    FUZZ_CHECK(fill("twos_comp", w, [&](char* out) { return engine::twos_comp(ta.get(), w, out); }) ==
                   fill("twos_comp", w, [&](char* out) { return engine::twos_comp(ta.get(), w, out, engine::Bits::b32); }),
               "twos_comp(%s, %d) is not its 32-bit width", show(a).c_str(), w);

    // A pattern back to its value: the last w digits at most, sign-extended
    // from their first; nothing is stored unless that first is a digit.
    const std::string t = a.size() > static_cast<std::size_t>(n) ? a.substr(a.size() - static_cast<std::size_t>(n)) : a;
    const struct {
        const char* name;
        int* (*f)(const char*, int*, int);
        engine::Value* (*wide)(const char*, engine::Value*, int, engine::Bits);
        bool twos;
    } rows[] = {{"ones_comp_dec", engine::ones_comp_dec, engine::ones_comp_dec, false},
                {"twos_comp_dec", engine::twos_comp_dec, engine::twos_comp_dec, true}};
    for (const auto& r : rows) {
        const engine::Value wide_untouched = 0x4242424242424242u;
        engine::Value wide = wide_untouched;
        FUZZ_CHECK(r.wide(ta.get(), &wide, w, engine::Bits::b64) == &wide, "%s did not return its pointer", r.name);
        if (n == 0 || t.empty() || !is_bit(t[0])) {
            FUZZ_CHECK(wide == wide_untouched, "%s(%s, %d) stored at 64 bits", r.name, show(a).c_str(), w);
        } else if (only(t, bin_digits)) {
            const int bits = static_cast<int>(t.size());
            const u128 p = parse(t, 2);
            const auto want = static_cast<engine::Value>(static_cast<u128>(r.twos ? twos_value(p, bits) : ones_value(p, bits)));
            FUZZ_CHECK(wide == want, "%s(%s, %d) at 64 bits", r.name, show(a).c_str(), w);
        }
        const int untouched = -424242;
        int v = untouched;
        FUZZ_CHECK(r.f(ta.get(), &v, w) == &v, "%s did not return its pointer", r.name);
        FUZZ_CHECK(r.f(ta.get(), nullptr, w) == nullptr, "%s without a pointer", r.name);
        if (n == 0 || t.empty() || !is_bit(t[0])) {
            FUZZ_CHECK(v == untouched, "%s(%s, %d) stored %d", r.name, show(a).c_str(), w, v);
        } else if (only(t, bin_digits)) {
            const int bits = static_cast<int>(t.size());
            const u128 p = parse(t, 2);
            const int want = low32(r.twos ? twos_value(p, bits) : ones_value(p, bits));
            FUZZ_CHECK(v == want, "%s(%s, %d) gave %d, not %d", r.name, show(a).c_str(), w, v, want);
        }
    }
}

// ---- Refinement filters -----------------------------------------------------------

void filters(const std::string& a) {
    const Text ta(a);
    const struct { const char* name; char* (*f)(const char*, char*); std::size_t keep; const std::string& allowed; } rows[] = {
        {"bin_refine", engine::bin_refine, 0, bin_digits},
        {"dec_refine", engine::dec_refine, 0, dec_digits},
        {"dec_refine_signed", engine::dec_refine_signed, 1, dec_digits},
        {"oct_refine", engine::oct_refine, 0, oct_digits},
        {"hex_refine", engine::hex_refine, 0, hex_digits},
        {"C_hex_refine", engine::C_hex_refine, 2, hex_digits},
    };
    for (const auto& r : rows) {
        std::string want = a.substr(0, std::min(r.keep, a.size()));
        for (std::size_t i = want.size(); i < a.size(); ++i)
            if (r.allowed.find(a[i]) != std::string::npos) want += a[i];
        Buffer dst(a.size() + 1);
        FUZZ_CHECK(r.f(ta.get(), dst.get()) == dst.get(), "%s did not return its buffer", r.name);
        FUZZ_CHECK(dst.terminated() && dst.text() == want, "%s(%s) gave %s", r.name, show(a).c_str(),
                   show(dst.text()).c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const auto wb = static_cast<std::int8_t>(in.byte());
    const int w = wb == INT8_MIN ? INT_MIN : wb;  // widths -127 to 127, and INT_MIN
    const int carry = static_cast<std::int8_t>(in.byte());
    const std::uint32_t value = in.u32();
    const std::string a = in.text();
    const std::string b = in.text();

    characters(a, value);
    signs_and_decimal(a, b);
    power(value, wb, static_cast<std::uint32_t>(str_int_model(b)));
    fixed_width(value, w);
    comparison("dec_compare", engine::dec_compare, a, b, w, dec_digits, 10);
    comparison("oct_compare", engine::oct_compare, a, b, w, oct_digits, 8);
    comparison("hex_compare", engine::hex_compare, a, b, w, hex_digits, 16);
    comparison("bin_compare", engine::bin_compare, a, b, w, bin_digits, 2);
    validators_and_values(a);
    regrouping(a, w);
    add_and_subtract(a, b, w, carry);
    complements(a, w);
    filters(a);
    return 0;
}
