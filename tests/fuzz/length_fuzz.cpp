// The length dialogs' computations on anything a user can type or a caller
// can pass: the Define length text against the model's reading of it
// (convert_model.h), and the valid ranges at any length, digit counts
// included, within their fixed fields.
//
// Input: the typed text up to a NUL, then three 32-bit integers (length,
// octal and hexadecimal digit counts; little-endian).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "controller/controller.h"
#include "controller/length_tools.h"
#include "convert_model.h"
#include "fuzz_check.h"
#include "model.h"

namespace {

template <std::size_t N>
bool terminated(const char (&field)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (field[i] == '\0') return true;
    return false;
}

void typed_length(const std::string& typed) {
    const fuzz::Text t(typed);
    const int got = controller::accepted_length(t.get());
    const int want = expect::accepted_length(typed);
    FUZZ_CHECK(got == want, "accepted_length(%s) gave %d, not %d", fuzz::show(typed).c_str(), got, want);
    const int got64 = controller::accepted_length(t.get(), 64);
    FUZZ_CHECK(got64 == expect::accepted_length(typed, 64), "accepted_length(%s, 64) gave %d",
               fuzz::show(typed).c_str(), got64);
    if (got != 0) {
        controller::update_lens(got);
        FUZZ_CHECK(controller::len == got && controller::l_oct == model::l_oct(got) &&
                       controller::l_hex == model::l_hex(got),
                   "update_lens(%d)", got);
    }
}

void ranges(int len, int l_oct, int l_hex) {
    // A block of exactly the structure's size: a field overrun would be seen.
    auto r = std::make_unique<controller::ValidRanges>();
    std::memset(r.get(), '#', sizeof *r);
    controller::valid_ranges(len, l_oct, l_hex, r.get());
    FUZZ_CHECK(terminated(r->length) && terminated(r->dec_max) && terminated(r->ones_min) &&
                   terminated(r->ones_max) && terminated(r->twos_min) && terminated(r->twos_max) &&
                   terminated(r->bin_max) && terminated(r->oct_max) && terminated(r->hex_max),
               "valid_ranges(%d, %d, %d) left a field unterminated", len, l_oct, l_hex);
    // With the digit counts of its length, a length outside 1 to 64 shows
    // the ranges of the nearest length there is.
    const bool small = len > -1000000 && len < 1000000;  // model::l_oct adds to len
    if (small && l_oct == model::l_oct(len) && l_hex == model::l_hex(len)) {
        const int shown = len < 1 ? 1 : len > 64 ? 64 : len;
        const auto want = expect::valid_ranges(shown);
        const char* got[8] = {r->dec_max, r->ones_min, r->ones_max, r->twos_min,
                              r->twos_max, r->bin_max, r->oct_max, r->hex_max};
        FUZZ_CHECK(std::string(r->length) == std::to_string(shown), "valid_ranges(%d) length %s", len, r->length);
        for (std::size_t i = 0; i < 8; ++i)
            FUZZ_CHECK(want[i] == got[i], "valid_ranges(%d) field %zu: %s, not %s", len, i, got[i], want[i].c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::string typed = in.text();
    const int len = static_cast<int>(in.u32());
    const bool derived = in.empty();  // no digit counts given: those of the length
    int l_oct = static_cast<int>(in.u32());
    int l_hex = static_cast<int>(in.u32());
    const bool small = len > -1000000 && len < 1000000;
    if (derived && small) {
        l_oct = model::l_oct(len);
        l_hex = model::l_hex(len);
    }
    controller::reset_process_state();
    typed_length(typed);
    ranges(len, l_oct, l_hex);
    if (small) ranges(len, model::l_oct(len), model::l_hex(len));
    return 0;
}
