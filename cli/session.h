// What qns does with one number and how it shows it: a Session converts each
// NUMBER or input line through the controller's in-memory window and writes
// text, tsv or json.
#pragma once

#include <cstddef>

#include "cli/options.h"
#include "cli/sink.h"
#include "controller/headless.h"

namespace cli {

// The bytes of a line that are kept: one more than the number box reads, so
// that a line one character too long is still recognised as too long.
constexpr std::size_t kept_bytes = controller::wide_box_chars + 1;

class Session {
public:
    // out and err outlive the session. flush_each: flush out after every
    // number (standard output is a terminal).
    Session(const Options& options, Sink& out, Sink& err, bool flush_each);

    // Entry point of a number: converts one NUMBER or input line and writes
    // what it shows. text holds the first min(length, kept_bytes) bytes of it
    // (any bytes, NUL included, no terminator needed); length is its full
    // length in bytes; line is its line number in the input, 0 for a NUMBER
    // of the command line.
    void number(const char* text, std::size_t length, long line);

    // Writes the valid ranges at the length of the options.
    void ranges();

    // 0 while every number was converted, else the error number (1..4) of
    // the first one that was not.
    int status() const { return status_; }

private:
    struct Result;
    void convert_one(const char* text, std::size_t length, controller::Mode mode, Result& r);
    void show(const char* text, std::size_t length, long line, const Result* results, int count);
    void complain(const char* text, std::size_t length, long line, const char* mode_name, const Result& r);

    Options options_;
    Sink& out_;
    Sink& err_;
    bool flush_each_;
    int status_ = 0;
    long blocks_ = 0;  // text blocks written, for the blank line between them
    controller::MemoryWindow window_;
    controller::Mode applied_mode_;  // the mode the controller's settings hold
};

}  // namespace cli
