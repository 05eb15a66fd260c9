/* The floor of tools/bench-cli.sh: the least a program can do to write qns's
 * tsv for decimal input in 2s complement (input, decimal, binary, octal and
 * hexadecimal), with no checks at all. Usage: bench-floor LENGTH (32 or 64). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    const int bits = argc > 1 ? atoi(argv[1]) : 32;
    const int oct_digits = (bits + 2) / 3, hex_digits = bits / 4;
    const unsigned long long mask = bits == 64 ? ~0ULL : (1ULL << bits) - 1;
    static char in[1 << 16], out[1 << 16];
    setvbuf(stdout, out, _IOFBF, sizeof out);
    while (fgets(in, sizeof in, stdin)) {
        size_t n = strcspn(in, "\r\n");
        in[n] = '\0';
        const unsigned long long u = (unsigned long long)strtoll(in, NULL, 10) & mask;
        char line[256], *p = line;
        memcpy(p, in, n), p += n, *p++ = '\t';
        memcpy(p, in, n), p += n, *p++ = '\t';
        for (int i = bits - 1; i >= 0; --i) *p++ = (char)('0' + ((u >> i) & 1));
        *p++ = '\t';
        for (int i = oct_digits - 1; i >= 0; --i) *p++ = (char)('0' + ((u >> (3 * i)) & 7));
        *p++ = '\t';
        for (int i = hex_digits - 1; i >= 0; --i) *p++ = "0123456789ABCDEF"[(u >> (4 * i)) & 15];
        *p++ = '\n';
        fwrite(line, 1, (size_t)(p - line), stdout);
    }
    return 0;
}
