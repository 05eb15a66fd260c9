// Shared pieces of the fuzz targets: a check that stops the run with a
// message (libFuzzer then keeps the input), texts and output buffers in heap
// blocks of exactly their size, so that the address sanitizer sees any byte
// read or written past them, and a reader of the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#define FUZZ_CHECK(cond, ...)                                                   \
    do {                                                                        \
        if (!(cond)) {                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n  ", __FILE__, __LINE__, #cond); \
            std::fprintf(stderr, __VA_ARGS__);                                  \
            std::fprintf(stderr, "\n");                                         \
            std::abort();                                                       \
        }                                                                       \
    } while (0)

namespace fuzz {

// A NUL-terminated text in a block of exactly its length plus the terminator.
class Text {
public:
    explicit Text(const std::string& s) : bytes_(s.begin(), s.end()) { bytes_.push_back('\0'); }
    const char* get() const { return bytes_.data(); }

private:
    std::vector<char> bytes_;
};

// An output buffer of exactly `size` bytes, filled with a byte no routine
// writes, so that a routine that writes less than it must is seen too.
class Buffer {
public:
    explicit Buffer(std::size_t size) : bytes_(size, '#') {}
    char* get() { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    // The text in the buffer, which must be terminated inside it.
    bool terminated() const { return std::memchr(bytes_.data(), '\0', bytes_.size()) != nullptr; }
    std::string text() const { return std::string(bytes_.data()); }

private:
    std::vector<char> bytes_;
};

// Reads the fuzzer's bytes front to back; past the end it gives zeros.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return v;
    }
    // Up to the next NUL (consumed) or the end.
    std::string text() {
        std::string s;
        while (pos_ < size_ && data_[pos_] != 0) s += static_cast<char>(data_[pos_++]);
        if (pos_ < size_) ++pos_;
        return s;
    }
    // n bytes, NULs left out (a box text never holds one).
    std::string bytes(std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n && pos_ < size_; ++i) {
            const char c = static_cast<char>(data_[pos_++]);
            if (c != '\0') s += c;
        }
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A text shown with its bytes escaped, for check messages.
inline std::string show(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out + "\"";
}

}  // namespace fuzz
