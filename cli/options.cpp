// Command-line options of qns, parsed by getopt_long: glibc has it, and
// MinGW-w64 links its own copy statically, so both builds parse alike.
#include "cli/options.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>

#include "cli/display.h"

#ifndef QNS_VERSION
#define QNS_VERSION "1.1"
#endif

namespace cli {

namespace {

enum LongOnly : int {
    opt_0x = 256, opt_lower, opt_fix, opt_all_modes, opt_ranges, opt_format, opt_version, opt_group
};

const option long_options[] = {
    {"base", required_argument, nullptr, 'b'},
    {"mode", required_argument, nullptr, 'm'},
    {"length", required_argument, nullptr, 'l'},
    {"auto-length", no_argument, nullptr, 'a'},
    {"0x", no_argument, nullptr, opt_0x},
    {"lower", no_argument, nullptr, opt_lower},
    {"group", no_argument, nullptr, opt_group},
    {"fix", no_argument, nullptr, opt_fix},
    {"all-modes", no_argument, nullptr, opt_all_modes},
    {"ranges", no_argument, nullptr, opt_ranges},
    {"format", required_argument, nullptr, opt_format},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, opt_version},
    {nullptr, 0, nullptr, 0},
};

// ':' first: a missing value is reported as ':' rather than '?'.
const char short_options[] = ":b:m:l:ah";

// The value a word names, from a table of names; -1 when none.
int lookup(const char* word, const char* const* names, int count) {
    for (int i = 0; i < count; ++i)
        if (std::strcmp(word, names[i]) == 0) return i;
    return -1;
}

// 1..longest_length from plain decimal digits; 0 for anything else.
int parse_length(const char* s) {
    if (*s == '\0') return 0;
    int v = 0;
    for (; *s; ++s) {
        if (*s < '0' || *s > '9') return 0;
        v = v * 10 + (*s - '0');
        if (v > longest_length) return 0;
    }
    return v;
}

// Whether the long option `arg` ("--name" or "--name=value") is an
// ambiguous abbreviation (true) rather than an unknown name (false).
void long_match(const char* arg, bool* many) {
    const char* name = arg[0] == '-' && arg[1] == '-' ? arg + 2 : arg;
    const std::size_t n = std::strcspn(name, "=");
    int matches = 0;
    for (const option* o = long_options; o->name; ++o) {
        if (std::strncmp(o->name, name, n) != 0) continue;
        if (std::strlen(o->name) == n) {
            matches = 1;
            break;
        }
        ++matches;
    }
    *many = matches > 1;
}

bool takes_value(int val) {
    for (const option* o = long_options; o->name; ++o)
        if (o->val == val) return o->has_arg != no_argument;
    return false;
}

// "--base (-b)" or "--fix" for an option's value.
const char* option_name(int val) {
    static char name[32];
    for (const option* o = long_options; o->name; ++o) {
        if (o->val != val) continue;
        if (val < 256)
            std::snprintf(name, sizeof name, "--%s (-%c)", o->name, static_cast<char>(val));
        else
            std::snprintf(name, sizeof name, "--%s", o->name);
        return name;
    }
    return "?";
}

void say(char (&m)[message_size], const char* fmt, const char* word) {
    char shown[64];
    display_text(word, std::strlen(word), shown, sizeof shown);
    std::snprintf(m, message_size, fmt, shown);
}

}  // namespace

bool parse_options(int argc, char** argv, Options& out, char (&message)[message_size]) {
    static const char* const bases[] = {"dec", "bin", "oct", "hex"};
    static const char* const modes[] = {"unsigned", "ones", "twos"};
    static const char* const formats[] = {"text", "tsv", "json"};

    out = Options{};
    message[0] = '\0';
    opterr = 0;  // the messages are ours
    optind = 0;  // 0, not 1: restart getopt completely (glibc and BSD alike)
    for (;;) {
        int index = -1;
        const int c = getopt_long(argc, argv, short_options, long_options, &index);
        if (c == -1) break;
        switch (c) {
            case 'b': {
                const int b = lookup(optarg, bases, 4);
                if (b < 0) return say(message, "unknown base '%s' (use dec, bin, oct or hex)", optarg), false;
                out.settings.base = static_cast<controller::Base>(b);
                break;
            }
            case 'm': {
                const int m = lookup(optarg, modes, 3);
                if (m < 0) return say(message, "unknown mode '%s' (use unsigned, ones or twos)", optarg), false;
                out.settings.mode = static_cast<controller::Mode>(m);
                out.mode_given = true;
                break;
            }
            case 'l': {
                const int l = parse_length(optarg);
                if (l == 0) return say(message, "length '%s' is not a number of bits from 1 to 64", optarg), false;
                out.settings.length = l;
                out.length_given = true;
                break;
            }
            case opt_format: {
                const int f = lookup(optarg, formats, 3);
                if (f < 0) return say(message, "unknown format '%s' (use text, tsv or json)", optarg), false;
                out.format = static_cast<Format>(f);
                break;
            }
            case 'a': out.auto_length = true; break;
            case opt_0x: out.settings.prefix_0x = true; break;
            case opt_lower: out.settings.lower = true; break;
            case opt_group: out.group = true; break;
            case opt_fix: out.fix = true; break;
            case opt_all_modes: out.all_modes = true; break;
            case opt_ranges: out.ranges = true; break;
            case 'h': out.help = true; break;
            case opt_version: out.version = true; break;
            case ':':  // a value is missing, or (MinGW-w64) one was given to a flag
                return say(message, takes_value(optopt) ? "option %s needs a value" : "option %s takes no value",
                           option_name(optopt)),
                       false;
            default: {  // '?'
                if (optopt == 0) {  // a long option unknown or ambiguous
                    bool many = false;
                    long_match(argv[optind - 1], &many);
                    return say(message, many ? "option '%s' is ambiguous" : "unknown option '%s'", argv[optind - 1]),
                           false;
                }
                if (optopt >= 256 || std::strchr("bmlah", optopt))  // a flag given a value (--fix=1)
                    return say(message, "option %s takes no value", option_name(optopt)), false;
                const char opt[2] = {static_cast<char>(optopt), '\0'};
                if (optopt >= '0' && optopt <= '9')
                    return say(message, "unknown option '-%s' (put a negative NUMBER after --)", opt), false;
                return say(message, "unknown option '-%s'", opt), false;
            }
        }
    }
    out.first_number = optind;
    out.number_count = argc - optind;
    if (out.help || out.version) return true;

    // Combinations that cannot mean anything.
    if (out.auto_length && out.settings.base == controller::Base::dec) {
        std::snprintf(message, message_size,
                      "--auto-length needs -b bin, oct or hex: the count of decimal digits says nothing about the width");
        return false;
    }
    if (out.auto_length && out.length_given) {
        std::snprintf(message, message_size, "give either --length or --auto-length, not both");
        return false;
    }
    if (out.all_modes && out.mode_given) {
        std::snprintf(message, message_size, "give either --mode or --all-modes, not both");
        return false;
    }
    return true;
}

const char* version_text() {
    return "qns (Quorvel Numeral Studio) " QNS_VERSION "\n";
}

const char* help_text() {
    return "Usage: qns [OPTION]... [NUMBER]...\n"
           "Convert each NUMBER between decimal, binary, octal and hexadecimal, unsigned or in\n"
           "1s or 2s complement, at a length of 1 to 64 bits, as Quorvel Numeral Studio does\n"
           "(up to 32 bits; above 32 the 64-bit range of the base and mode applies).\n"
           "With no NUMBER, read numbers from standard input, one a line.\n"
           "\n"
           "  -b, --base=BASE      input base: dec (default), bin, oct or hex\n"
           "  -m, --mode=MODE      unsigned (default), ones or twos (1s or 2s complement)\n"
           "  -l, --length=N       calculation length in bits, 1 to 64 (default 32)\n"
           "  -a, --auto-length    take each number's length from its digits (bin, oct, hex)\n"
           "      --0x             hexadecimal results with the prefix 0x\n"
           "      --lower          hexadecimal results in lower case\n"
           "      --group          binary and hexadecimal digits in groups of four (text)\n"
           "      --fix            correct errors 0x02 and 0x04 (refine input, remove sign),\n"
           "                       say so on standard error, and convert\n"
           "      --all-modes      show the unsigned, 1s and 2s complement readings together\n"
           "      --ranges         print the valid range of every base and mode at the length\n"
           "      --format=FORMAT  text (default), tsv or json\n"
           "  -h, --help           show this help and exit\n"
           "      --version        show the version and exit\n"
           "\n"
           "Put -- before a NUMBER that begins with '-':  qns -m twos -l 8 -- -5\n"
           "\n"
           "tsv: the number as given, then its decimal, binary, octal and hexadecimal texts;\n"
           "     a number not converted gives the number, \"error\" and the error number.\n"
           "json: one object per line with the same facts.\n"
           "\n"
           "Errors: 0x01 empty, 0x02 invalid character, 0x03 out of range (also: longer than\n"
           "48 characters, 80 at lengths above 32, or too long for 64 bits with\n"
           "--auto-length), 0x04 signed.\n"
           "Exit status: 0 when every number was converted, else the error number (1 to 4)\n"
           "of the first number that was not; 64 for a usage error; 74 when the input could\n"
           "not be read or the results could not be written (a pipe closed by its reader,\n"
           "as in qns | head -1, ends qns quietly).\n";
}

}  // namespace cli
