// One record of output (a line of tsv, an object of json, a block of text)
// collected in a fixed buffer and handed to its sink in one write.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "cli/sink.h"

namespace cli {

// A record being written: collected in a fixed buffer, spilled to the sink
// when full, so that a line costs one write and no record is ever cut.
class Record {
public:
    explicit Record(Sink& s) : sink_(s) {}
    ~Record() { done(); }
    void put(const char* s, std::size_t n) {
        while (n > 0) {
            if (used_ == sizeof buf_) done();
            std::size_t k = sizeof buf_ - used_;
            if (k > n) k = n;
            std::memcpy(buf_ + used_, s, k);
            used_ += k;
            s += k;
            n -= k;
        }
    }
    void put(const char* s) { put(s, std::strlen(s)); }
    void put(char c) {
        if (used_ == sizeof buf_) done();
        buf_[used_++] = c;
    }
    void number(long v) {
        char t[24];
        const int n = std::snprintf(t, sizeof t, "%ld", v);
        put(t, static_cast<std::size_t>(n));
    }
    void pad(std::size_t shown, std::size_t width) {
        for (; shown < width; ++shown) put(' ');
    }
    void done() {
        if (used_ > 0) sink_.write(buf_, used_);
        used_ = 0;
    }

private:
    Sink& sink_;
    char buf_[4096];
    std::size_t used_ = 0;
};

}  // namespace cli
