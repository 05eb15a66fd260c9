// Standard input as lines for a Session, in fixed memory however long the
// lines are.
#pragma once

#include <cstddef>

#include "cli/session.h"

namespace cli {

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
