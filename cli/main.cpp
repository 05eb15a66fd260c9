// qns: the command-line converter. Everything but the process itself (argv,
// standard streams, exit status) is in the cli library.
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
// No wildcard expansion of the command line: a NUMBER is never a file name.
extern "C" {
int _dowildcard = 0;
}
#define qns_read _read
#define qns_isatty _isatty
#else
#include <unistd.h>
#define qns_read read
#define qns_isatty isatty
#endif

#include <cerrno>

#include "cli/format.h"
#include "cli/options.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes in, bytes out: CR LF is handled by the line splitter, a ^Z in a
    // file or pipe is a character like any other, and output lines end in LF
    // as on Linux. Typed input keeps the console's text mode, where ^Z ends it.
    if (!_isatty(0)) _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    cli::Options options;
    char message[cli::message_size];
    if (!cli::parse_options(argc, argv, options, message)) {
        std::fprintf(stderr, "qns: %s\n", message);
        return cli::usage_status;
    }
    if (options.help) {
        std::fputs(cli::help_text(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(cli::version_text(), stdout);
        return 0;
    }

    static char out_buffer[1 << 16];
    std::setvbuf(stdout, out_buffer, _IOFBF, sizeof out_buffer);
    cli::FileSink out(stdout), err(stderr);
    cli::Session session(options, out, err, qns_isatty(1) != 0);

    if (options.ranges) session.ranges();
    for (int i = 0; i < options.number_count; ++i) {
        const char* n = argv[options.first_number + i];
        session.number(n, std::strlen(n), 0);
    }
    if (options.number_count == 0 && !options.ranges) {
        // A batch from standard input, streamed: what has been converted is
        // written out before waiting for more input.
        static char chunk[1 << 16];
        cli::LineSplitter lines;
        for (;;) {
            out.flush();
            const auto n = qns_read(0, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            lines.feed(chunk, static_cast<std::size_t>(n), session);
        }
        lines.finish(session);
    }
    out.flush();
    return session.status();
}
