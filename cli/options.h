// The command line of qns: what the options ask for, parsed without printing
// or exiting, so that the parser can be called again and again (tests,
// fuzzing) and main() alone decides what to print and how to end.
#pragma once

#include <cstddef>

#include "controller/headless.h"

namespace cli {

enum class Format { text, tsv, json };

// The exit status of a usage error (BSD sysexits' EX_USAGE).
constexpr int usage_status = 64;

// Lengths from 1 to this many bits; above 32 the 64-bit range applies.
constexpr int longest_length = 64;

struct Options {
    controller::Settings settings;  // base, mode, length, --0x, --lower
    bool length_given = false;      // -l was given
    bool mode_given = false;        // -m was given
    bool auto_length = false;       // -a
    bool fix = false;               // --fix
    bool all_modes = false;         // --all-modes
    bool ranges = false;            // --ranges
    bool group = false;             // --group: binary and hexadecimal digits in fours (text)
    bool help = false;              // -h
    bool version = false;           // --version
    Format format = Format::text;
    // The NUMBERs are argv[first_number] .. argv[argc - 1]: getopt_long moves
    // them behind the options.
    int first_number = 0;
    int number_count = 0;
};

// Room for one line of complaint, with the offending text shortened.
constexpr std::size_t message_size = 200;

// Entry point of the command line: parses argv with getopt_long (which may
// reorder argv, GNU style) into out. Returns true when the options are
// usable; false for a usage error, with one line of explanation in message
// (no program name, no newline). Reads no global state but getopt's own,
// which it resets, so it may be called any number of times.
bool parse_options(int argc, char** argv, Options& out, char (&message)[message_size]);

// The --help text and the --version line.
const char* help_text();
const char* version_text();

}  // namespace cli
