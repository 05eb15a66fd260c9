// qns: the command-line converter. Everything but the process itself (argv,
// standard streams, exit status) is in the cli library.
#include <cstdio>
#include <cstdlib>
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

#include "cli/line_splitter.h"
#include "cli/options.h"

namespace {

// Standard error for the session while standard output works: once a write
// to standard output has failed the run is over, and no message about a
// number after it may follow.
class Messages final : public cli::Sink {
public:
    Messages(cli::FileSink& err, const cli::FileSink& out) : err_(err), out_(out) {}
    void write(const char* data, std::size_t n) override {
        if (out_.error() == 0) err_.write(data, n);
    }

private:
    cli::FileSink& err_;
    const cli::FileSink& out_;
};

// How the run ends: what is left goes to standard output, and a failure to
// write it (read_error: to read the input) is said in one line and ends the
// run with io_status. A pipe whose reader has gone (qns ... | head -1) is no
// failure: the reader has all it wanted.
int finish(cli::FileSink& out, cli::FileSink& err, int status, int read_error = 0) {
    out.flush();
    char line[160] = "";
    if (out.error() != 0 && out.error() != EPIPE)
        std::snprintf(line, sizeof line, "qns: write error: %s\n", std::strerror(out.error()));
    else if (read_error != 0)
        std::snprintf(line, sizeof line, "qns: error reading standard input: %s\n", std::strerror(read_error));
    if (line[0] != '\0') {
        err.write(line, std::strlen(line));
        status = cli::io_status;
    }
    // A message that could not be written is output lost as well.
    if (err.error() != 0) status = cli::io_status;
    return status;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes in, bytes out: CR LF is handled by the line splitter, a ^Z in a
    // file or pipe is a character like any other, and output lines end in LF
    // as on Linux. Typed input keeps the console's text mode, where ^Z ends it.
    if (!_isatty(0)) _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Standard output is collected by its sink, which hands stdio whole
    // buffers: stdio passes them straight on.
    static char out_buffer[1 << 16];
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    cli::FileSink out(stdout, out_buffer, sizeof out_buffer), err(stderr);

    cli::Options options;
    char message[cli::message_size];
    if (!cli::parse_options(argc, argv, options, message)) {
        std::fprintf(stderr, "qns: %s\nTry 'qns --help' for more information.\n", message);
        return cli::usage_status;
    }
    if (options.help || options.version) {
        const char* text = options.help ? cli::help_text() : cli::version_text();
        out.write(text, std::strlen(text));
        return finish(out, err, 0);
    }

    Messages messages(err, out);
    cli::Session session(options, out, messages, qns_isatty(1) != 0);

    if (options.ranges) session.ranges();
    for (int i = 0; i < options.number_count && out.error() == 0; ++i) {
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
            if (out.error() != 0) return finish(out, err, session.status());
            const auto n = qns_read(0, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            // A line cut short by a failed read is no number: it is dropped.
            if (n < 0) return finish(out, err, session.status(), errno);
            if (n == 0) break;
            lines.feed(chunk, static_cast<std::size_t>(n), session);
        }
        lines.finish(session);
    }
    return finish(out, err, session.status());
}
