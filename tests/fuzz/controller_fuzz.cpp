// The controller's commands in any order, on any number-box text, with any
// answers to its questions, against the model of the tests (convert_model.h)
// kept alongside: settings, labels, check marks, the number box, every
// message and every result. Two windows take part: the test window
// (fake_window.h), whose questions are answered from a script, and the
// in-memory window of the command-line and web front ends (headless.h).
//
// Input: a sequence of commands, one byte each, some followed by bytes of
// their own (see run()).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "controller/headless.h"
#include "convert_model.h"
#include "expected_texts.h"
#include "fake_window.h"
#include "fuzz_check.h"
#include "model.h"

namespace {

using controller::Answer;
using expect::Base;
using expect::Mode;
using fuzz::show;

static_assert(static_cast<int>(Base::hex) == static_cast<int>(controller::Base::hex) &&
              static_cast<int>(Base::oct) == static_cast<int>(controller::Base::oct) &&
              static_cast<int>(Mode::twos) == static_cast<int>(controller::Mode::twos));

using Boxes = std::array<std::string, 3>;
const Boxes dashes{"--", "--", "--"};

int error_of(const std::string& text) {
    for (int e = 1; e <= 4; ++e)
        if (text == expect::error_text(e)) return e;
    return 0;
}

char letter(Answer a) { return a == Answer::yes ? 'Y' : a == Answer::no ? 'N' : 'C'; }
Answer answer_of(unsigned v) { return v == 0 ? Answer::yes : v == 1 ? Answer::no : Answer::cancel; }

// A number of the base from 32 or 64 bits of the input (as the length's
// values hold): the fuzzer reaches conversions at once rather than by chance.
std::string number(Base base, Mode mode, std::uint64_t v, bool sign, int bits) {
    if (bits == 32) v &= 0xFFFFFFFFu;
    switch (base) {
        case Base::bin: return model::fixed(v, 2, 64).substr(static_cast<std::size_t>(__builtin_clzll(v | 1)));
        case Base::oct: return std::to_string(v % 8) + model::fixed(v / 8, 8, bits == 32 ? 10 : 21);
        case Base::hex: return (sign ? "0x" : "") + model::fixed(v, 16, bits / 4);
        case Base::dec: break;
    }
    if (mode == Mode::us) return std::to_string(v);
    return (sign ? "-" : "+") + std::to_string(v & (model::mask(bits) >> 1));
}

class Session {
public:
    Session() {
        controller::reset_process_state();
        controller::init_main_window(w_);
        number_ = "0";
        results_ = dashes;
        check("start");
    }

    void run(fuzz::Reader& in) {
        for (int steps = 0; steps < 64 && !in.empty(); ++steps) {
            w_.messages.clear();
            w_.confirm_shown.clear();
            const std::uint8_t op = in.byte();
            switch (op % 16) {
                case 0: type(in.bytes(in.byte() % 64)); break;
                case 1: {
                    const std::uint64_t low = in.u32();
                    type(number(s_.base, s_.mode, low | std::uint64_t{in.u32()} << 32, in.byte() & 1,
                                s_.len > 32 ? 64 : 32));
                    break;
                }
                case 2:
                    s_.base = static_cast<Base>(in.byte() % 4);
                    controller::set_base(w_, static_cast<controller::Base>(s_.base));
                    break;
                case 3:
                    s_.mode = static_cast<Mode>(in.byte() % 3);
                    controller::set_mode(static_cast<controller::Mode>(s_.mode));
                    break;
                case 4:
                    // Lengths above 32 as the front ends that offer them set them.
                    s_.len = in.byte() % 64 + 1;
                    if (s_.len > 32) longest_ = controller::max_len = 64;
                    controller::update_lens(s_.len);
                    break;
                case 5:
                    s_.c_hex = !s_.c_hex;
                    controller::toggle_C_hex(w_);
                    break;
                case 6:
                    s_.c_small = !s_.c_small;
                    controller::toggle_C_small(w_);
                    break;
                case 7:
                    reload();
                    controller::reload_defaults(w_);
                    break;
                case 8:
                    number_ = "0";
                    results_ = dashes;
                    controller::refresh(w_);
                    break;
                case 9:
                    reload();
                    number_ = "0";
                    results_ = dashes;
                    controller::refresh_and_reload(w_);
                    break;
                case 10:
                    number_ = expect::remove_sign(number_, s_.len);
                    controller::remove_sign(w_);
                    break;
                case 11:
                    number_ = expect::refine(s_.base, number_, s_.len);
                    controller::refine(w_);
                    break;
                case 12: auto_detect(in.byte() & 1); break;
                case 13: headless(in.byte()); break;
                default: convert(in.byte()); break;
            }
            check("after command " + std::to_string(op % 16));
        }
    }

private:
    void type(const std::string& t) {
        number_ = t;
        w_.type(t);
    }

    void reload() {
        s_.base = Base::dec;
        s_.mode = Mode::us;
        s_.len = 32;
    }

    // Convert, the questions answered by up to three scripted answers, then
    // by a fallback (two bits each; 3 ends the script).
    void convert(std::uint8_t script) {
        std::vector<Answer> answers;
        for (int i = 0; i < 3 && ((script >> (2 * i)) & 3) != 3; ++i) answers.push_back(answer_of((script >> (2 * i)) & 3));
        const Answer fallback = answer_of((script >> 6) % 3);
        w_.answers.assign(answers.begin(), answers.end());
        w_.fallback = fallback;
        controller::start(w_);

        answers.insert(answers.end(), fake::Window::runaway, fallback);
        std::string letters;
        for (Answer a : answers) letters += letter(a);
        const expect::Outcome want = expect::convert(s_, number_, letters);
        const std::string where = "Convert of " + show(number_) + " answered " + letters.substr(0, 4);

        // Corrections end: far fewer questions than the runaway guard.
        FUZZ_CHECK(w_.messages.size() < fake::Window::runaway, "%s: %zu messages", where.c_str(), w_.messages.size());
        FUZZ_CHECK(w_.messages.size() == want.errors.size(), "%s: %zu messages, not %zu", where.c_str(),
                   w_.messages.size(), want.errors.size());
        for (std::size_t i = 0; i < want.errors.size(); ++i) {
            const fake::Message& m = w_.messages[i];
            FUZZ_CHECK(error_of(m.text) == want.errors[i] && m.title == expect::error_title, "%s: message %zu is not 0x0%d",
                       where.c_str(), i, want.errors[i]);
        }
        number_ = want.number_box;
        const Boxes got{w_.text(controller::result_box1), w_.text(controller::result_box2), w_.text(controller::result_box3)};
        three_or_none(got, where);
        for (std::size_t i = 0; i < 3; ++i) {
            // "<any>": the value is the program's choice; three results it must be.
            if (want.boxes[i] == "<any>") continue;
            FUZZ_CHECK(got[i] == want.boxes[i], "%s: box %zu shows %s, not %s", where.c_str(), i + 1, got[i].c_str(),
                       want.boxes[i].c_str());
        }
        results_ = got;
    }

    static void three_or_none(const Boxes& got, const std::string& where) {
        const bool none = got == dashes;
        for (const std::string& r : got)
            FUZZ_CHECK(none || (r != "--" && !r.empty()), "%s: results %s %s %s", where.c_str(), got[0].c_str(),
                       got[1].c_str(), got[2].c_str());
    }

    void auto_detect(bool set) {
        w_.confirm_results = {set ? 1 : 0};
        controller::auto_detect(w_);
        if (s_.base == Base::dec) {
            FUZZ_CHECK(w_.messages.size() == 1 && w_.confirm_shown.empty(), "auto-detect in decimal");
            return;
        }
        const int detected = expect::detected_length(s_.base, number_, longest_);
        const int shown = std::clamp(detected, 1, longest_);
        FUZZ_CHECK(w_.messages.size() == (detected > longest_ ? 1u : 0u), "auto-detect of %s: %zu notes", show(number_).c_str(),
                   w_.messages.size());
        FUZZ_CHECK(w_.confirm_shown == std::vector<int>{shown}, "auto-detect of %s proposed %d, not %d",
                   show(number_).c_str(), w_.confirm_shown.empty() ? -1 : w_.confirm_shown[0], shown);
        if (set) s_.len = shown;
    }

    // One Convert in the in-memory window of the front ends, under the same
    // settings, then a Yes to the question it left standing.
    void headless(std::uint8_t how) {
        controller::MemoryWindow m;
        controller::Settings hs;
        hs.base = static_cast<controller::Base>(s_.base);
        hs.mode = static_cast<controller::Mode>(s_.mode);
        hs.length = s_.len;
        hs.prefix_0x = s_.c_hex;
        hs.lower = s_.c_small;
        controller::apply(m, hs);
        longest_ = 64;  // as apply() offers from then on
        m.answer = answer_of(how % 3);
        const std::string text = number_.substr(0, static_cast<std::size_t>(controller::box_chars()));
        const std::string where = "headless Convert of " + show(text) + " answered " + letter(m.answer);

        controller::Outcome o = controller::convert(m, text.c_str());
        expect::Outcome want = expect::convert(s_, text, std::string(fake::Window::runaway, letter(m.answer)));
        agree(m, o, want, where);
        if (!o.converted && (how & 4) != 0) {
            o = controller::answer_yes(m, o);
            want = expect::convert(s_, text, "Y" + std::string(fake::Window::runaway, letter(m.answer)));
            agree(m, o, want, where + ", then Yes");
        }
        if ((how & 8) != 0) {
            // The length a front end offers for confirmation; the settings
            // stay as they are (check() looks after the command).
            const int proposed = controller::propose_length(m, text.c_str());
            const bool decimal = s_.base == Base::dec;
            const int width = decimal ? 0 : expect::detected_length(s_.base, text, longest_);
            FUZZ_CHECK(proposed == (decimal ? 0 : std::clamp(width, 1, longest_)) && m.refused_decimal == decimal &&
                           m.refused_too_big == (width > longest_),
                       "propose_length of %s gave %d", show(text).c_str(), proposed);
        }
    }

    void agree(const controller::MemoryWindow& m, const controller::Outcome& o, const expect::Outcome& want,
               const std::string& where) {
        const Boxes got{m.results[0], m.results[1], m.results[2]};
        three_or_none(got, where);
        FUZZ_CHECK(o.converted == (got != dashes), "%s: converted %d", where.c_str(), o.converted);
        for (std::size_t i = 0; i < 3; ++i)
            FUZZ_CHECK(want.boxes[i] == "<any>" || got[i] == want.boxes[i], "%s: box %zu shows %s, not %s",
                       where.c_str(), i + 1, got[i].c_str(), want.boxes[i].c_str());
        FUZZ_CHECK(m.number == want.number_box, "%s: number box %s, not %s", where.c_str(), show(m.number).c_str(),
                   show(want.number_box).c_str());
        // The error left standing is the last one shown, when nothing converted.
        const int last = want.errors.empty() ? 0 : want.errors.back();
        FUZZ_CHECK(static_cast<int>(o.error) == (o.converted ? 0 : last), "%s: error %d, not %d", where.c_str(),
                   static_cast<int>(o.error), last);
        const char* names[4] = {"Dec", "Bin", "Oct", "Hex"};
        FUZZ_CHECK(std::string(m.labels[0]) == names[static_cast<int>(s_.base)] &&
                       controller::text_for(m, static_cast<controller::Base>(s_.base)) == m.number,
                   "%s: number box label %s", where.c_str(), m.labels[0]);
    }

    // Everything the user can see, and the settings behind it.
    void check(const std::string& where) {
        const int base = static_cast<int>(s_.base), mode = static_cast<int>(s_.mode);
        FUZZ_CHECK(controller::dec == (base == 0) && controller::bin == (base == 1) && controller::oct == (base == 2) &&
                       controller::hex == (base == 3),
                   "%s: base flags", where.c_str());
        FUZZ_CHECK(controller::us == (mode == 0) && controller::ones == (mode == 1) && controller::twos == (mode == 2),
                   "%s: mode flags", where.c_str());
        FUZZ_CHECK(controller::len == s_.len && controller::l_oct == model::l_oct(s_.len) &&
                       controller::l_hex == model::l_hex(s_.len),
                   "%s: lengths %d %d %d, not %d", where.c_str(), controller::len, controller::l_oct, controller::l_hex,
                   s_.len);
        FUZZ_CHECK(controller::C_hex == s_.c_hex && controller::C_small == s_.c_small, "%s: hexadecimal options",
                   where.c_str());
        FUZZ_CHECK(w_.checked[controller::menu_C_hex] == s_.c_hex && w_.checked[controller::menu_C_small] == s_.c_small,
                   "%s: check marks", where.c_str());
        const auto labels = expect::labels(s_.base);
        FUZZ_CHECK(w_.labels() == std::vector<std::string>(labels.begin(), labels.end()), "%s: labels", where.c_str());
        FUZZ_CHECK(w_.text(controller::number_box) == number_, "%s: number box %s, not %s", where.c_str(),
                   show(w_.text(controller::number_box)).c_str(), show(number_).c_str());
        const Boxes got{w_.text(controller::result_box1), w_.text(controller::result_box2), w_.text(controller::result_box3)};
        FUZZ_CHECK(got == results_, "%s: results changed to %s %s %s", where.c_str(), got[0].c_str(), got[1].c_str(),
                   got[2].c_str());
    }

    fake::Window w_;
    expect::Settings s_;  // what the model says the settings are
    int longest_ = 32;    // the longest length offered: 32 until a front end offers 64
    std::string number_;
    Boxes results_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    Session session;
    session.run(in);
    return 0;
}
