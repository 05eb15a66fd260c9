// JSON strings from any bytes: well-formed UTF-8 kept, the rest replaced.
#pragma once

#include <cstddef>

#include "cli/record.h"

namespace cli {

// Writes text (length bytes, any bytes) as a JSON string, then tail inside
// the quotes: well-formed UTF-8 as it is, each ill-formed part as U+FFFD,
// control characters, quote and backslash escaped.
void put_json(Record& r, const char* text, std::size_t length, const char* tail = "");

}  // namespace cli
