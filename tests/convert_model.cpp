#include "convert_model.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "expected_texts.h"
#include "model.h"

namespace expect {

namespace {

using u64 = std::uint64_t;
using i64 = std::int64_t;

// The number box is read 48 characters at a time, 80 at lengths above 32.
std::size_t read_limit(int len) { return len > 32 ? 80 : 48; }

bool all_of(const std::string& s, const char* allowed) {
    for (char c : s)
        if (!c || !std::strchr(allowed, c)) return false;
    return true;
}

const char dec_digits[] = "0123456789";
const char bin_digits[] = "01";
const char oct_digits[] = "01234567";
const char hex_digits[] = "0123456789abcdefABCDEF";

std::string strip_zeros(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == '0') ++i;
    return s.substr(i);
}

bool is_sign(char c) { return c == '+' || c == '-'; }
bool has_prefix(const std::string& s) { return s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'); }

std::string signed_text(i64 v) { return std::to_string(v); }

// Bits of the values at a length: the 32-bit range up to 32, else 64.
int value_bits(int len) { return len > 32 ? 64 : 32; }

// A decimal text of at most 39 significant digits as an exact 128-bit value.
unsigned __int128 parse_wide(const std::string& d) {
    unsigned __int128 v = 0;
    for (char c : d) v = v * 10 + static_cast<unsigned>(c - '0');
    return v;
}

// The signed value of a typed binary text read in a complement mode: its
// last len digits at most, the first of them the sign.
std::string complement_of_typed_binary(const std::string& t, u64 v, int len, Mode mode) {
    if (mode == Mode::twos && v == (u64{1} << 31) && len <= 32) return "-2147483648";
    if (mode == Mode::twos && v == (u64{1} << 63) && len > 32) return "-9223372036854775808";
    const int width = std::min(static_cast<int>(t.size()), len);
    const u64 low = v & model::mask(width);
    return signed_text(mode == Mode::ones ? model::ones_value(low, width) : model::twos_value(low, width));
}

std::string complement_of_low_bits(u64 v, int len, Mode mode) {
    const u64 p = v & model::mask(len);
    return signed_text(mode == Mode::ones ? model::ones_value(p, len) : model::twos_value(p, len));
}

}  // namespace

Run convert_once(const Settings& s, const std::string& box_text) {
    std::string t = box_text.substr(0, read_limit(s.len));
    const int len = s.len, lo = model::l_oct(len), lh = model::l_hex(len), bits = value_bits(len);
    bool empty = t.empty(), valid = false, in_range = true, sign = !t.empty() && is_sign(t[0]);
    bool plus = false, minus = false;
    std::string digits = t;  // what is read as the number

    switch (s.base) {
    case Base::dec: {
        if (sign) {
            plus = t[0] == '+';
            minus = !plus;
            digits = t.substr(1);
            if (digits.empty()) empty = true;
        }
        valid = all_of(digits, dec_digits);
        if (valid) {
            const std::string d = strip_zeros(digits);
            const unsigned __int128 top = static_cast<unsigned __int128>(1) << (bits - 1);
            const unsigned __int128 limit = s.mode == Mode::us ? 2 * top : minus && s.mode == Mode::twos ? top + 1 : top;
            in_range = d.size() <= 21 && parse_wide(d) < limit;
        }
        break;
    }
    case Base::bin:
        valid = all_of(t, bin_digits);
        in_range = strip_zeros(t).size() <= static_cast<std::size_t>(bits);
        break;
    case Base::oct: {
        valid = all_of(t, oct_digits);
        const std::string d = strip_zeros(t);
        if (bits == 32)
            in_range = d.size() < 11 || (d.size() == 11 && d[0] <= '3');
        else
            in_range = d.size() < 22 || (d.size() == 22 && d[0] <= '1');
        break;
    }
    case Base::hex:
        valid = all_of(t, hex_digits);
        if (has_prefix(t)) {
            valid = all_of(t.substr(2), hex_digits);
            if (valid && t.size() == 2) empty = true;
            if (valid && !empty) digits = t = t.substr(2);
        }
        in_range = strip_zeros(digits).size() <= static_cast<std::size_t>(bits / 4);
        break;
    }

    Run r;
    if (empty) r.error = 1;
    else if (sign && (s.base != Base::dec || (s.mode == Mode::us && !plus))) r.error = 4;
    else if (!valid) r.error = 2;
    else if (!in_range) r.error = 3;
    if (r.error) {
        r.boxes = {"--", "--", "--"};
        return r;
    }

    const u64 v = model::parse(digits, s.base == Base::dec ? 10 : s.base == Base::bin ? 2 : s.base == Base::oct ? 8 : 16);
    bool options = true;
    switch (s.base) {
    case Base::dec:
        if (s.mode == Mode::us) {
            if (!sign && box_text.size() > read_limit(len)) {
                // The unsigned read takes the whole box while the checks saw 48
                // characters: the value is the program's choice then.
                r.boxes = {"<any>", "<any>", "<any>"};
                return r;
            }
            r.boxes = {model::fixed(v, 2, len), model::fixed(v, 8, lo), model::fixed(v, 16, lh)};
        } else {
            const u64 m = v & model::mask(len);
            u64 p = m;
            if (minus) p = s.mode == Mode::ones ? ~m & model::mask(len) : (~m + 1) & model::mask(len);
            r.boxes = {model::fixed(p, 2, len), model::fixed(p, 8, lo), model::fixed(p, 16, lh)};
        }
        break;
    case Base::bin:
        r.boxes = {s.mode == Mode::us ? std::to_string(v) : complement_of_typed_binary(t, v, len, s.mode),
                   model::fixed(v, 8, lo), model::fixed(v, 16, lh)};
        break;
    case Base::hex:
        options = false;  // the third box holds the octal result
        r.boxes = {s.mode == Mode::us ? std::to_string(v) : complement_of_low_bits(v, len, s.mode),
                   model::fixed(v, 2, 4 * lh), model::fixed(v & model::mask(4 * lh), 8, lo)};
        break;
    case Base::oct:
        r.boxes = {s.mode == Mode::us ? std::to_string(v) : complement_of_low_bits(v, len, s.mode),
                   model::fixed(v, 2, len), model::fixed(v & model::mask(len), 16, lh)};
        break;
    }
    if (options) {
        if (s.c_hex) r.boxes[2] = "0x" + r.boxes[2];
        if (s.c_small)
            for (char& c : r.boxes[2])
                if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

Outcome convert(const Settings& s, std::string box_text, const std::string& answers) {
    Outcome o;
    std::size_t next = 0;
    for (int round = 0; round < 200; ++round) {
        const Run r = convert_once(s, box_text);
        o.boxes = r.boxes;
        if (r.error) o.errors.push_back(r.error);
        if (r.error != 2 && r.error != 4) break;
        const char a = next < answers.size() ? answers[next++] : 'N';
        if (a != 'Y') break;
        box_text = r.error == 4 ? remove_sign(box_text, s.len) : refine(s.base, box_text, s.len);
    }
    o.number_box = box_text;
    return o;
}

std::string remove_sign(const std::string& box_text, int len) {
    const std::string t = box_text.substr(0, read_limit(len));
    if (t.empty() || !is_sign(t[0])) return box_text;
    return t.size() > 1 ? t.substr(1) : "0";
}

std::string refine(Base base, const std::string& box_text, int len) {
    const std::string t = box_text.substr(0, read_limit(len));
    std::string keep;    // characters copied as they are
    const char* allowed = nullptr;
    switch (base) {
    case Base::bin: allowed = bin_digits; break;
    case Base::oct: allowed = oct_digits; break;
    case Base::dec:
        allowed = dec_digits;
        if (!t.empty() && is_sign(t[0])) keep = t.substr(0, 1);
        break;
    case Base::hex:
        allowed = hex_digits;
        if (has_prefix(t)) keep = t.substr(0, 2);
        break;
    }
    std::string out = keep;
    for (std::size_t i = keep.size(); i < t.size(); ++i)
        if (std::strchr(allowed, t[i])) out += t[i];
    return out.empty() ? "0" : out;
}

int detected_length(Base base, const std::string& box_text, int longest) {
    const std::string t = box_text.substr(0, read_limit(longest));
    const int n = static_cast<int>(t.size());
    switch (base) {
    case Base::bin: return n;
    case Base::oct: return n == 11 ? 32 : n == 22 && longest > 32 ? 64 : 3 * n;
    case Base::hex: return has_prefix(t) ? 4 * n - 8 : 4 * n;
    case Base::dec: break;
    }
    return -1;
}

std::array<std::string, 4> labels(Base base) {
    switch (base) {
    case Base::dec: return {"Dec", "Bin", "Oct", "Hex"};
    case Base::bin: return {"Bin", "Dec", "Oct", "Hex"};
    case Base::oct: return {"Oct", "Dec", "Bin", "Hex"};
    case Base::hex: return {"Hex", "Dec", "Bin", "Oct"};
    }
    return {};
}

std::string status_base(Base base) { return labels(base)[0]; }

std::string status_mode(Mode mode) {
    return mode == Mode::us ? "unsigned" : mode == Mode::ones ? "1s comp" : "2s comp";
}

int base_command(Base base) {
    return base == Base::dec ? 490 : base == Base::bin ? 491 : base == Base::hex ? 492 : 493;
}

int mode_command(Mode mode) { return mode == Mode::us ? 494 : mode == Mode::ones ? 495 : 496; }

const char* error_text(int error) {
    switch (error) {
    case 1: return error_0x01;
    case 2: return error_0x02;
    case 3: return error_0x03;
    case 4: return error_0x04;
    }
    return "";
}

std::array<std::string, 8> valid_ranges(int len) {
    if (len == 32)
        return {"4294967295", "-2147483647", "+2147483647", "-2147483648", "+2147483647",
                std::string(32, '1'), "37777777777", "FFFFFFFF"};
    if (len == 64)
        return {"18446744073709551615", "-9223372036854775807", "+9223372036854775807", "-9223372036854775808",
                "+9223372036854775807", std::string(64, '1'), "1777777777777777777777", "FFFFFFFFFFFFFFFF"};
    const i64 p = i64{1} << (len - 1);
    const u64 all = model::mask(len);
    return {std::to_string(all), signed_text(1 - p), signed_text(p - 1), signed_text(-p), signed_text(p - 1),
            std::string(static_cast<std::size_t>(len), '1'), model::fixed(all, 8, model::l_oct(len)),
            model::fixed(all, 16, model::l_hex(len))};
}

unsigned typed_length(const std::string& typed) {
    if (typed.empty() || !all_of(typed, dec_digits)) return 0;
    const std::string d = strip_zeros(typed);
    if (d.size() > 10) return 0;
    const u64 v = model::parse(d, 10);
    return v > 0xFFFFFFFFu ? 0 : static_cast<unsigned>(v);
}

int accepted_length(const std::string& typed, int longest) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) return 0;
    const std::size_t last = typed.find_last_not_of(" \t");
    const unsigned v = typed_length(typed.substr(first, last - first + 1));
    return v >= 1 && v <= static_cast<unsigned>(longest) ? static_cast<int>(v) : 0;
}

}  // namespace expect
