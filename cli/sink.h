// Where qns writes: standard output or error through stdio, or anything a
// test or fuzzer puts in their place.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
// Given a buffer (standard output), the sink collects the writes there and
// hands them to stdio in large pieces, at flush() or when the buffer is full,
// rather than one fwrite a line; without one (standard error) it passes each
// write on.
class FileSink final : public Sink {
public:
    explicit FileSink(std::FILE* f, char* buffer = nullptr, std::size_t size = 0)
        : file_(f), buf_(buffer), size_(buffer != nullptr ? size : 0) {}
    void write(const char* data, std::size_t n) override {
        if (n > size_ - used_) drain();
        if (error_ != 0 || n == 0) return;
        if (n <= size_ - used_) {
            std::memcpy(buf_ + used_, data, n);
            used_ += n;
        } else if (std::fwrite(data, 1, n, file_) != n) {  // no buffer, or more than it holds
            failed();
        }
    }
    void flush() override {
        drain();
        if (error_ == 0 && std::fflush(file_) != 0) failed();
    }
    // 0 while every write went through, else the errno of the first failure.
    int error() const { return error_; }

private:
    // Hands what the buffer holds to stdio.
    void drain() {
        if (error_ == 0 && used_ > 0 && std::fwrite(buf_, 1, used_, file_) != used_) failed();
        used_ = 0;
    }
    void failed() {
        error_ = errno != 0 ? errno : EIO;
#ifdef _WIN32
        // The C runtime says EINVAL for a pipe whose reader has gone; the
        // system's code tells (ERROR_NO_DATA, ERROR_PIPE_NOT_CONNECTED).
        if (error_ == EINVAL && (_doserrno == 232 || _doserrno == 233)) error_ = EPIPE;
#endif
    }
    std::FILE* file_;
    char* buf_;
    std::size_t size_;
    std::size_t used_ = 0;
    int error_ = 0;
};

}  // namespace cli
