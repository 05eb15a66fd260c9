// What qns does with one number and how it shows it: a Session converts each
// NUMBER or input line through the controller's in-memory window and writes
// text, tsv or json; a LineSplitter turns a byte stream into lines for it
// while keeping only the start of each line.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "cli/options.h"
#include "controller/headless.h"

namespace cli {

// Writes text for a person: printable ASCII as it is, a backslash as "\\",
// tab, CR and NUL as "\t", "\r", "\0", every other byte as "\xHH". Stops
// before the output would overflow, always terminates it, and returns the
// length written.
std::size_t display_text(const char* text, std::size_t length, char* out, std::size_t out_size);

// Where a Session writes: standard output or error, or nothing (fuzzing).
class Sink {
public:
    virtual ~Sink() = default;
    virtual void write(const char* data, std::size_t n) = 0;
    virtual void flush() {}
};

// The exit status of a failed read or write (BSD sysexits' EX_IOERR).
constexpr int io_status = 74;

// A stdio stream. The first write or flush that fails is kept, as its errno,
// and every write after it is dropped: the caller asks error() after each
// flush and ends the run, so output lost is never taken for output written.
class FileSink final : public Sink {
public:
    explicit FileSink(std::FILE* f) : file_(f) {}
    void write(const char* data, std::size_t n) override {
        if (error_ == 0 && std::fwrite(data, 1, n, file_) != n) failed();
    }
    void flush() override {
        if (error_ == 0 && std::fflush(file_) != 0) failed();
    }
    // 0 while every write went through, else the errno of the first failure.
    int error() const { return error_; }

private:
    void failed() {
        error_ = errno != 0 ? errno : EIO;
#ifdef _WIN32
        // The C runtime says EINVAL for a pipe whose reader has gone; the
        // system's code tells (ERROR_NO_DATA, ERROR_PIPE_NOT_CONNECTED).
        if (error_ == EINVAL && (_doserrno == 232 || _doserrno == 233)) error_ = EPIPE;
#endif
    }
    std::FILE* file_;
    int error_ = 0;
};

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

// Splits a byte stream into lines at LF, drops one CR before the LF (or at
// the very end), and hands each line to a Session. Of each line it keeps only
// the first kept_bytes bytes and counts the rest, so its memory is fixed
// however long the lines are. A last line without LF counts; an input that
// ends with LF has no empty line after it.
class LineSplitter {
public:
    // Entry point of the input stream: any bytes, in chunks of any size.
    void feed(const char* data, std::size_t n, Session& session);
    // The end of the input: hands over a last line that has no LF.
    void finish(Session& session);

private:
    void end_line(Session& session);
    char head_[kept_bytes] = {};
    std::size_t length_ = 0;  // bytes of the line so far
    bool last_cr_ = false;    // its last byte so far is CR
    long line_ = 0;
};

}  // namespace cli
