// The facts that qns must show for a number, from two sources that do not
// share its code: the controller driven through its in-memory window, and
// the integer model of the tests (tests/convert_model.h). The differential
// test (run_cli_tests.py) feeds qns the same numbers and compares.
//
// Reads lines "BASE MODE LEN FIX AUTO HEXTEXT" (BASE 0..3 dec bin oct hex,
// MODE 0..2 unsigned ones twos, FIX and AUTO 0 or 1, HEXTEXT the number's
// bytes in hex, "-" when empty) and writes one line of tab-separated facts
// for each (see put_facts).
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "controller/controller.h"
#include "controller/headless.h"
#include "convert_model.h"

namespace {

std::string hex_of(const std::string& s) {
    static const char digits[] = "0123456789abcdef";
    if (s.empty()) return "-";
    std::string h;
    for (unsigned char c : s) h += digits[c >> 4], h += digits[c & 15];
    return h;
}

std::string bytes_of(const char* hex) {
    std::string s;
    if (std::strcmp(hex, "-") == 0) return s;
    for (std::size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        unsigned v = 0;
        std::sscanf(hex + i, "%2x", &v);
        s += static_cast<char>(v);
    }
    return s;
}

}  // namespace

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    char line[512];
    while (std::fgets(line, sizeof line, stdin)) {
        int base = 0, mode = 0, len = 0, fix = 0, automatic = 0;
        char hex[256] = "-";
        if (std::sscanf(line, "%d %d %d %d %d %255s", &base, &mode, &len, &fix, &automatic, hex) != 6) {
            std::fprintf(stderr, "cli_reference: bad line: %s", line);
            return 2;
        }
        const std::string text = bytes_of(hex);

        // The controller, as the window program would run it.
        controller::reset_process_state();
        controller::MemoryWindow w;
        controller::Settings s;
        s.base = static_cast<controller::Base>(base);
        s.mode = static_cast<controller::Mode>(mode);
        s.length = len;
        controller::apply(w, s);
        w.answer = fix ? controller::Answer::yes : controller::Answer::no;
        bool refused = false;
        int used_len = len;
        if (automatic) {
            refused = !controller::auto_length(w, text.c_str());
            used_len = controller::len;
        }
        std::string out;
        if (refused) {
            out = "0\t3\t" + std::to_string(used_len) + "\t-\t-\t-\t-\t-";
        } else {
            const controller::Outcome o = controller::convert(w, text.c_str());
            out = std::string(o.converted ? "1" : "0") + "\t" + std::to_string(static_cast<int>(o.error)) + "\t" +
                  std::to_string(used_len);
            for (int b = 0; b < 4; ++b)
                out += "\t" + (o.converted ? std::string(controller::text_for(w, static_cast<controller::Base>(b))) : "-");
            std::string fixes;
            for (int i = 0; i < w.correction_count; ++i) {
                const controller::Correction& c = w.corrections[i];
                if (!fixes.empty()) fixes += ",";
                fixes += std::to_string(static_cast<int>(c.error)) + ":" + hex_of(c.before) + ":" + hex_of(c.after);
            }
            out += "\t" + (fixes.empty() ? std::string("-") : fixes);
        }

        // The integer model: the length auto-detect would find, then Convert
        // with Yes (--fix) or No to every question.
        expect::Settings m;
        m.base = static_cast<expect::Base>(base);
        m.mode = static_cast<expect::Mode>(mode);
        m.len = len;
        std::string model_len = std::to_string(len);
        bool model_refused = false;
        if (automatic) {
            const int d = expect::detected_length(m.base, text, 64);
            model_refused = d > 64;
            m.len = d < 1 ? 1 : d > 64 ? 64 : d;
            model_len = model_refused ? "refused" : std::to_string(m.len);
        }
        out += "\t" + model_len;
        if (model_refused) {
            out += "\t-\t--\t--\t--\t-";
        } else {
            const expect::Outcome mo = expect::convert(m, text, fix ? std::string(200, 'Y') : std::string());
            std::string errors;
            for (int e : mo.errors) errors += (errors.empty() ? "" : ",") + std::to_string(e);
            out += "\t" + (errors.empty() ? std::string("-") : errors);
            for (const std::string& b : mo.boxes) out += "\t" + b;
            out += "\t" + hex_of(mo.number_box);
        }
        std::printf("%s\n", out.c_str());
    }
    return 0;
}
