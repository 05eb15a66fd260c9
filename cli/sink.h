// Where qns writes: standard output or error through stdio, or anything a
// test or fuzzer puts in their place.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace cli {

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

}  // namespace cli
