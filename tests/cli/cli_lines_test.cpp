// The line splitter of qns against a plain split of the whole input: fed in
// chunks of every size, it must hand the Session the same lines (CR LF, a
// CR split from its LF by a chunk boundary, NUL, long lines) as converting
// each line of the plain split one by one.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/display.h"
#include "cli/line_splitter.h"

namespace {

class StringSink final : public cli::Sink {
public:
    std::string text;
    void write(const char* d, std::size_t n) override { text.append(d, n); }
};

// The lines of an input: split at LF, one CR before it dropped, no empty
// line after a final LF.
std::vector<std::string> plain_split(const std::string& in) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : in) {
        if (c != '\n') {
            cur += c;
            continue;
        }
        if (!cur.empty() && cur.back() == '\r') cur.pop_back();
        lines.push_back(cur);
        cur.clear();
    }
    if (!cur.empty()) {
        if (cur.back() == '\r') cur.pop_back();
        lines.push_back(cur);
    }
    return lines;
}

struct Outputs {
    std::string out, err;
    int status;
};

Outputs by_lines(const cli::Options& o, const std::vector<std::string>& lines) {
    StringSink out, err;
    cli::Session s(o, out, err, false);
    long n = 0;
    for (const std::string& l : lines) s.number(l.data(), l.size(), ++n);
    return {out.text, err.text, s.status()};
}

Outputs by_chunks(const cli::Options& o, const std::string& in, std::size_t chunk) {
    StringSink out, err;
    cli::Session s(o, out, err, false);
    cli::LineSplitter split;
    for (std::size_t i = 0; i < in.size(); i += chunk)
        split.feed(in.data() + i, std::min(chunk, in.size() - i), s);
    split.finish(s);
    return {out.text, err.text, s.status()};
}

TEST(LineSplitter, ChunksOfEverySizeGiveThePlainSplitsLines) {
    std::mt19937 rng(424242);
    const char pieces[] = "0123456789\r\n\n\r-+x\0a\x98 ";
    cli::Options o;
    o.format = cli::Format::tsv;
    o.fix = true;
    for (int round = 0; round < 300; ++round) {
        std::string in;
        const int n = std::uniform_int_distribution<int>(0, 120)(rng);
        for (int i = 0; i < n; ++i) in += pieces[std::uniform_int_distribution<int>(0, sizeof pieces - 2)(rng)];
        if (round % 10 == 0) in += std::string(5000, '7') + "\r\n";  // a long line
        const std::vector<std::string> lines = plain_split(in);
        const Outputs want = by_lines(o, lines);
        for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{48},
                                  std::size_t{49}, std::size_t{50}, in.size() + 1}) {
            const Outputs got = by_chunks(o, in, chunk);
            EXPECT_EQ(got.out, want.out) << "chunk " << chunk;
            EXPECT_EQ(got.err, want.err) << "chunk " << chunk;
            EXPECT_EQ(got.status, want.status) << "chunk " << chunk;
        }
    }
}

// display_text never writes past its buffer and always terminates it.
TEST(DisplayText, StaysInsideItsBuffer) {
    const std::string all = [] {
        std::string s;
        for (int c = 0; c < 256; ++c) s += static_cast<char>(c);
        return s;
    }();
    for (std::size_t size = 1; size < 40; ++size) {
        std::vector<char> buf(size + 8, '#');
        cli::display_text(all.data(), all.size(), buf.data(), size);
        const std::string shown(buf.data());
        EXPECT_LT(shown.size(), size);
        for (std::size_t i = size; i < buf.size(); ++i) EXPECT_EQ(buf[i], '#');
    }
}

}  // namespace
