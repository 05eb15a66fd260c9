// The command-line converter's two ways in: its options, and the bytes of
// its standard input split into lines and converted one by one. Whatever the
// options and bytes, parsing ends with a usable result or one terminated line
// of complaint, and a tsv run writes one line per input line, each either the
// four bases or "error" and its number, with the exit status the number of
// the first error.
//
// Input: up to eight arguments separated by NUL bytes, then a 0xFF byte, then
// standard input. The chunk sizes of the input come from its first byte.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/line_splitter.h"
#include "cli/options.h"
#include "fuzz_check.h"

namespace {

class StringSink final : public cli::Sink {
public:
    std::string text;
    void write(const char* data, std::size_t n) override { text.append(data, n); }
};

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = s.find(sep, start);
        parts.push_back(s.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// Lines of the input as the converter counts them: a last line without LF
// counts, an input that ends with LF has no empty line after it.
std::size_t input_lines(const std::string& in) {
    std::size_t n = 0;
    for (char c : in) n += c == '\n';
    if (!in.empty() && in.back() != '\n') ++n;
    return n;
}

void run(const std::uint8_t* data, std::size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = all.find('\xFF');
    const std::string args_part = all.substr(0, cut);
    const std::string input = cut == std::string::npos ? std::string() : all.substr(cut + 1);

    // argv as a program gets it: writable, terminated, with a program name.
    std::vector<std::string> words{"qns"};
    if (!args_part.empty()) {
        for (const std::string& w : split(args_part, '\0')) {
            if (words.size() > 8) break;
            words.push_back(w);
        }
    }
    std::vector<std::vector<char>> storage;
    std::vector<char*> argv;
    for (const std::string& w : words) {
        storage.emplace_back(w.begin(), w.end());
        storage.back().push_back('\0');
    }
    for (auto& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);

    cli::Options options;
    char message[cli::message_size];
    std::memset(message, 'x', sizeof message);
    const bool ok = cli::parse_options(static_cast<int>(words.size()), argv.data(), options, message);
    if (!ok) {
        FUZZ_CHECK(std::memchr(message, '\0', sizeof message) != nullptr, "complaint not terminated");
        FUZZ_CHECK(message[0] != '\0', "usage error without a complaint");
        return;
    }
    FUZZ_CHECK(options.settings.length >= 1 && options.settings.length <= 64, "length %d accepted",
               options.settings.length);
    if (options.help || options.version || options.ranges) return;

    // Standard input only: the numbers of the command line are the same path.
    options.number_count = 0;
    StringSink out, err;
    cli::Session session(options, out, err, false);
    cli::LineSplitter splitter;
    const std::size_t chunk = input.empty() ? 1 : 1 + static_cast<unsigned char>(input[0]) % 64;
    for (std::size_t at = 0; at < input.size(); at += chunk)
        splitter.feed(input.data() + at, std::min(chunk, input.size() - at), session);
    splitter.finish(session);

    const int status = session.status();
    FUZZ_CHECK(status >= 0 && status <= 4, "status %d", status);
    if (options.format != cli::Format::tsv || options.all_modes) return;

    std::vector<std::string> lines = split(out.text, '\n');
    FUZZ_CHECK(lines.back().empty(), "tsv output does not end with a line end");
    lines.pop_back();
    FUZZ_CHECK(lines.size() == input_lines(input), "%zu input lines gave %zu tsv lines",
               input_lines(input), lines.size());
    int first_error = 0;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = split(line, '\t');
        if (f.size() == 3) {
            FUZZ_CHECK(f[1] == "error" && f[2].size() == 4 && f[2].compare(0, 3, "0x0") == 0 &&
                           f[2][3] >= '1' && f[2][3] <= '4',
                       "tsv error line: %s", fuzz::show(line).c_str());
            if (first_error == 0) first_error = f[2][3] - '0';
        } else {
            FUZZ_CHECK(f.size() == 5, "tsv line of %zu fields: %s", f.size(), fuzz::show(line).c_str());
            for (std::size_t i = 1; i < 5; ++i)
                FUZZ_CHECK(!f[i].empty() && f[i] != "--", "tsv result: %s", fuzz::show(line).c_str());
        }
    }
    FUZZ_CHECK(status == first_error, "status %d, first error %d", status, first_error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run(data, size);
    return 0;
}
