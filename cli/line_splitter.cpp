// The splitting of standard input into lines.
#include "cli/line_splitter.h"

#include <cstring>

namespace cli {

void LineSplitter::feed(const char* data, std::size_t n, Session& session) {
    while (n > 0) {
        const void* lf = std::memchr(data, '\n', n);
        const std::size_t part = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : n;
        if (lf && length_ == 0) {
            // A whole line within the chunk: handed over where it is.
            const std::size_t cr = part > 0 && data[part - 1] == '\r' ? 1 : 0;
            session.number(data, part - cr, ++line_);
            data += part + 1;
            n -= part + 1;
            continue;
        }
        if (part > 0) {
            if (length_ < kept_bytes) {
                std::size_t k = kept_bytes - length_;
                if (k > part) k = part;
                std::memcpy(head_ + length_, data, k);
            }
            length_ += part;
            last_cr_ = data[part - 1] == '\r';
        }
        if (!lf) return;
        end_line(session);
        data += part + 1;
        n -= part + 1;
    }
}

void LineSplitter::finish(Session& session) {
    if (length_ > 0) end_line(session);
}

void LineSplitter::end_line(Session& session) {
    if (last_cr_) --length_;  // a file from Windows: CR LF
    ++line_;
    session.number(head_, length_, line_);
    length_ = 0;
    last_cr_ = false;
}

}  // namespace cli
