// One number through the controller's in-memory window, shown as text, tsv
// or json, with its corrections and errors on standard error.
#include "cli/session.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "cli/display.h"
#include "cli/json.h"
#include "cli/record.h"
#include "controller/controller.h"
#include "controller/length_tools.h"

namespace cli {

using controller::Base;
using controller::Mode;

namespace {

const char* const base_names[4] = {"dec", "bin", "oct", "hex"};
const char* const base_labels[4] = {"Dec", "Bin", "Oct", "Hex"};
const char* const mode_names[3] = {"unsigned", "ones", "twos"};
const char* const mode_titles[3] = {"unsigned", "1s complement", "2s complement"};
const char* const error_codes[5] = {"", "0x01", "0x02", "0x03", "0x04"};

// The bytes the controller sees: the number box cannot hold a NUL, so a NUL
// byte becomes DEL, which no base accepts and every refinement drops.
constexpr char nul_stand_in = '\x7f';

// Our own hints: the controller's name the window's menu items, a terminal
// user needs the options.
const char* hint(int error) {
    switch (error) {
        case 1: return "give a value (after 0x, too)";
        case 2: return "remove them, or let --fix refine the input";
        case 3: return "give a smaller number, or another base or mode";
        case 4: return "let --fix remove the sign, or use -m ones or twos for decimal input";
        default: return "";
    }
}

// The number as given, for a person: escaped, and "..." after the 80
// characters shown of a longer one.
void put_given(Record& r, const char* text, std::size_t length) {
    const std::size_t n = length > controller::wide_box_chars ? controller::wide_box_chars : length;
    std::size_t plain = 0;  // characters shown as they are, usually all
    while (plain < n && display_as_is(text[plain])) ++plain;
    if (plain == length) return r.put(text, length);
    char shown[4 * controller::wide_box_chars + 8];
    r.put(shown, display_text(text, n, shown, sizeof shown));
    if (length > n) r.put("...");
}

// Binary and hexadecimal digits in groups of four from the right, a space
// between groups; a "0x" prefix stays in front of the first group.
const char* grouped(const char* text, char* out, std::size_t out_size) {
    const std::size_t prefix = text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 2 : 0;
    const std::size_t digits = std::strlen(text + prefix);
    std::size_t o = 0;
    for (std::size_t i = 0; i < prefix + digits && o + 2 < out_size; ++i) {
        if (i > prefix && (prefix + digits - i) % 4 == 0) out[o++] = ' ';
        out[o++] = text[i];
    }
    out[o] = '\0';
    return out;
}

void put_json_given(Record& r, const char* text, std::size_t length) {
    if (length <= controller::wide_box_chars) return put_json(r, text, length);
    put_json(r, text, controller::wide_box_chars, "...");  // the start, marked as cut
}

}  // namespace

struct Session::Result {
    Mode mode;
    int length;  // the length it was converted at
    bool converted;
    int error;           // 1..4 when not converted
    const char* reason;  // what is wrong, when not converted
    const char* remedy;  // how to put it right
    char reason_text[96];
    // By Base: the boxes of the window, or with --all-modes, where the
    // window converts again before the results are shown, copies in kept.
    const char* texts[4];
    std::size_t lengths[4];
    char kept[4][controller::MemoryWindow::text_size];
    int fixes;
    struct Fix {
        int error;
        char before[controller::wide_box_size];
        char after[controller::wide_box_size];
    } fix[controller::MemoryWindow::max_corrections];
};

Session::Session(const Options& options, Sink& out, Sink& err, bool flush_each)
    : options_(options), out_(out), err_(err), flush_each_(flush_each) {
    controller::reset_process_state();
    controller::apply(window_, options_.settings);
    applied_mode_ = options_.settings.mode;
    window_.answer = options_.fix ? controller::Answer::yes : controller::Answer::no;
}

void Session::convert_one(const char* text, std::size_t length, Mode mode, Result& r) {
    controller::Settings s = options_.settings;
    s.mode = mode;
    if (mode != applied_mode_) {  // only --all-modes changes a setting between numbers
        controller::apply(window_, s);
        applied_mode_ = mode;
    }
    r.mode = mode;
    r.length = s.length;
    r.converted = false;
    r.error = 0;
    r.reason = r.remedy = nullptr;
    r.fixes = 0;
    // Auto-length reads the number as wide as the longest length allows.
    const int box_chars = options_.auto_length ? controller::wide_box_chars : controller::box_chars();
    if (length > static_cast<std::size_t>(box_chars)) {
        // The number box would drop the rest without a word; we refuse.
        std::snprintf(r.reason_text, sizeof r.reason_text,
                      "the number is longer than the %d characters the number box reads (%zu)", box_chars, length);
        r.error = static_cast<int>(controller::Error::out_of_range);
        r.reason = r.reason_text;
        r.remedy = box_chars < controller::wide_box_chars ? "give at most 48 characters, or 80 with a length above 32"
                                                         : "give at most 80 characters";
        return;
    }
    char box[controller::wide_box_size];
    for (std::size_t i = 0; i < length; ++i) box[i] = text[i] == '\0' ? nul_stand_in : text[i];
    box[length] = '\0';

    if (options_.auto_length) {
        if (!controller::auto_length(window_, box)) {
            // Auto-detect refuses more than 64 bits: the number does not fit.
            std::snprintf(r.reason_text, sizeof r.reason_text,
                          "--auto-length counts %d bits, more than %d (every character counts)",
                          controller::len_auto(window_), controller::max_len);
            r.error = static_cast<int>(controller::Error::out_of_range);
            r.reason = r.reason_text;
            r.remedy = "give fewer digits, or a length with -l instead";
            return;
        }
        r.length = controller::len;
    }

    const controller::Outcome o = controller::convert(window_, box);
    for (int i = 0; i < window_.correction_count; ++i) {
        const controller::Correction& c = window_.corrections[i];
        Result::Fix& f = r.fix[r.fixes++];
        f.error = static_cast<int>(c.error);
        std::memcpy(f.before, c.before, std::strlen(c.before) + 1);
        std::memcpy(f.after, c.after, std::strlen(c.after) + 1);
    }
    if (o.converted) {
        r.converted = true;
        for (int b = 0; b < 4; ++b) {
            const char* t = controller::text_for(window_, static_cast<Base>(b));
            r.lengths[b] = std::strlen(t);
            r.texts[b] = t;
            if (options_.all_modes) r.texts[b] = static_cast<const char*>(std::memcpy(r.kept[b], t, r.lengths[b] + 1));
        }
    } else {
        r.error = static_cast<int>(o.error);
        r.reason = controller::error_summary(o.error);
        // 0x03 of a number that a length above 32 takes: the way there.
        r.remedy = o.wider_fits ? "use a length above 32 for 64-bit numbers, e.g. -l 64" : hint(r.error);
    }
}

void Session::number(const char* text, std::size_t length, long line) {
    static thread_local Result results[3];
    int count = 0;
    if (options_.all_modes) {
        for (int m = 0; m < 3; ++m) convert_one(text, length, static_cast<Mode>(m), results[count++]);
    } else {
        convert_one(text, length, options_.settings.mode, results[count++]);
    }
    show(text, length, line, results, count);
}

namespace {

// "qns: line N: NUMBER (mode)", what a line on standard error is about.
void put_subject(Record& e, const char* text, std::size_t length, long line, const char* mode_name) {
    e.put("qns: ");
    if (line > 0) {
        e.put("line ");
        e.number(line);
        e.put(": ");
    }
    put_given(e, text, length);
    if (mode_name) {
        e.put(" (");
        e.put(mode_name);
        e.put(")");
    }
}

}  // namespace

void Session::complain(const char* text, std::size_t length, long line, const char* mode_name, const Result& r) {
    out_.flush();  // what came before stays before, when both go to one place
    Record e(err_);
    put_subject(e, text, length, line, mode_name);
    e.put(": error ");
    e.put(error_codes[r.error]);
    e.put(": ");
    e.put(r.reason);
    e.put("; ");
    e.put(r.remedy);
    e.put('\n');
}

void Session::show(const char* text, std::size_t length, long line, const Result* rs, int count) {
    const Base in = options_.settings.base;
    // Corrections and errors on standard error, before the results.
    for (int k = 0; k < count; ++k) {
        const Result& r = rs[k];
        const char* mode_name = options_.all_modes ? mode_names[static_cast<int>(r.mode)] : nullptr;
        if (r.fixes > 0) {
            out_.flush();
            Record e(err_);
            for (int i = 0; i < r.fixes; ++i) {
                put_subject(e, text, length, line, mode_name);
                e.put(": corrected ");
                put_given(e, r.fix[i].before, std::strlen(r.fix[i].before));
                e.put(" to ");
                put_given(e, r.fix[i].after, std::strlen(r.fix[i].after));
                e.put(r.fix[i].error == 4 ? " (error 0x04, sign removed)\n" : " (error 0x02, input refined)\n");
            }
        }
        if (!r.converted) {
            if (status_ == 0) status_ = r.error;
            complain(text, length, line, mode_name, r);
        }
    }

    Record o(out_);
    switch (options_.format) {
        case Format::tsv:
            for (int k = 0; k < count; ++k) {
                const Result& r = rs[k];
                put_given(o, text, length);
                if (options_.all_modes) {
                    o.put('\t');
                    o.put(mode_names[static_cast<int>(r.mode)]);
                }
                if (r.converted) {
                    for (int b = 0; b < 4; ++b) {
                        o.put('\t');
                        o.put(r.texts[b], r.lengths[b]);
                    }
                } else {
                    o.put("\terror\t");
                    o.put(error_codes[r.error]);
                }
                o.put('\n');
            }
            break;
        case Format::json:
            for (int k = 0; k < count; ++k) {
                const Result& r = rs[k];
                o.put("{\"input\":");
                put_json_given(o, text, length);
                o.put(",\"base\":\"");
                o.put(base_names[static_cast<int>(in)]);
                o.put("\",\"mode\":\"");
                o.put(mode_names[static_cast<int>(r.mode)]);
                o.put("\",\"length\":");
                o.number(r.length);
                o.put(",\"converted\":");
                o.put(r.converted ? "true" : "false");
                if (r.converted) {
                    for (int b = 0; b < 4; ++b) {
                        o.put(",\"");
                        o.put(base_names[b]);
                        o.put("\":\"");
                        o.put(r.texts[b], r.lengths[b]);
                        o.put('"');
                    }
                } else {
                    o.put(",\"error\":\"");
                    o.put(error_codes[r.error]);
                    o.put("\",\"message\":");
                    put_json(o, r.reason, std::strlen(r.reason));
                }
                if (r.fixes > 0) {
                    o.put(",\"corrections\":[");
                    for (int i = 0; i < r.fixes; ++i) {
                        if (i > 0) o.put(',');
                        o.put("{\"error\":\"");
                        o.put(error_codes[r.fix[i].error]);
                        o.put("\",\"before\":");
                        put_json(o, r.fix[i].before, std::strlen(r.fix[i].before));
                        o.put(",\"after\":");
                        put_json(o, r.fix[i].after, std::strlen(r.fix[i].after));
                        o.put('}');
                    }
                    o.put(']');
                }
                o.put("}\n");
            }
            break;
        case Format::text: {
            // What the text format shows of result k under base b.
            char group_buf[3][4][2 * controller::MemoryWindow::text_size];
            const char* texts[3][4] = {};
            for (int k = 0; k < count; ++k) {
                for (int b = 0; b < 4 && rs[k].converted; ++b) {
                    const bool groups = options_.group && (b == static_cast<int>(Base::bin) || b == static_cast<int>(Base::hex));
                    texts[k][b] = groups ? grouped(rs[k].texts[b], group_buf[k][b], sizeof group_buf[k][b]) : rs[k].texts[b];
                }
            }
            bool any = false;
            for (int k = 0; k < count; ++k) any = any || rs[k].converted;
            if (!any) break;  // the reason is on standard error
            if (blocks_++ > 0) o.put('\n');
            if (count == 1) {
                if (options_.auto_length) {
                    o.put("Len  ");
                    o.number(rs[0].length);
                    o.put('\n');
                }
                for (int b = 0; b < 4; ++b) {
                    o.put(base_labels[b]);
                    o.put("  ");
                    o.put(texts[0][b]);
                    o.put('\n');
                }
                break;
            }
            // Side by side: one column per mode, "--" where a mode refused.
            std::size_t width[3];
            for (int k = 0; k < count; ++k) {
                width[k] = std::strlen(mode_titles[static_cast<int>(rs[k].mode)]);
                for (int b = 0; b < 4 && rs[k].converted; ++b)
                    if (std::strlen(texts[k][b]) > width[k]) width[k] = std::strlen(texts[k][b]);
            }
            o.put("     ");
            for (int k = 0; k < count; ++k) {
                const char* t = mode_titles[static_cast<int>(rs[k].mode)];
                o.put(t);
                if (k + 1 < count) o.pad(std::strlen(t), width[k] + 2);
            }
            o.put('\n');
            for (int b = 0; b < 4; ++b) {
                o.put(base_labels[b]);
                o.put("  ");
                for (int k = 0; k < count; ++k) {
                    const char* t = rs[k].converted ? texts[k][b] : "--";
                    o.put(t);
                    if (k + 1 < count) o.pad(std::strlen(t), width[k] + 2);
                }
                o.put('\n');
            }
            break;
        }
    }
    o.done();
    if (flush_each_) out_.flush();
}

void Session::ranges() {
    controller::update_lens(options_.settings.length);
    controller::ValidRanges v;
    controller::valid_ranges(controller::len, controller::l_oct, controller::l_hex, &v);
    struct Row {
        const char* base;
        const char* mode;
        const char* title;
        const char* min;
        const char* max;
    };
    const Row rows[6] = {
        {"dec", "unsigned", "Decimal (unsigned)", "0", v.dec_max},
        {"dec", "ones", "Decimal (1s comp)", v.ones_min, v.ones_max},
        {"dec", "twos", "Decimal (2s comp)", v.twos_min, v.twos_max},
        {"bin", "all", "Binary (all)", "0", v.bin_max},
        {"oct", "all", "Octal (all)", "0", v.oct_max},
        {"hex", "all", "Hexadecimal (all)", "0", v.hex_max},
    };
    Record o(out_);
    if (options_.format == Format::text) {
        o.put("Valid ranges at ");
        o.put(v.length);
        o.put(" bits\n");
    }
    for (const Row& r : rows) {
        switch (options_.format) {
            case Format::text:
                o.put(r.title);
                o.pad(std::strlen(r.title), 21);
                o.pad(std::strlen(r.min), controller::len > 32 ? 20 : 11);
                o.put(r.min);
                o.put(" to ");
                o.put(r.max);
                o.put('\n');
                break;
            case Format::tsv:
                o.put(r.base), o.put('\t'), o.put(r.mode), o.put('\t'), o.put(r.min), o.put('\t'), o.put(r.max);
                o.put('\n');
                break;
            case Format::json:
                o.put("{\"length\":"), o.put(v.length), o.put(",\"base\":\""), o.put(r.base);
                o.put("\",\"mode\":\""), o.put(r.mode), o.put("\",\"min\":\""), o.put(r.min);
                o.put("\",\"max\":\""), o.put(r.max), o.put("\"}\n");
                break;
        }
    }
    if (options_.format == Format::text && options_.number_count > 0) o.put('\n');
    o.done();
    if (flush_each_) out_.flush();
}

}  // namespace cli
