// The number engine: pure functions on ASCII digit strings.
//
// Every routine writes only into the buffer its caller supplies and returns
// that buffer (or a small integer code). Nothing here keeps state, allocates,
// reads settings or touches a window. Widths are always arguments.
//
// Conventions shared by all routines:
//  - digit strings are most significant first and NUL-terminated; results are
//    fixed width, padded on the left with '0', holding value mod base^width;
//  - hexadecimal letters are read in either case and written in upper case;
//  - comparisons answer 0 (equal), 1 (first greater), 2 (second greater);
//  - parsers compute modulo 2^32 (in uint32_t, converted to int at the edge);
//    the routines that hold a value in a machine integer have one body for
//    32- and 64-bit values, taking the value width as a last argument; the
//    forms without it are their 32-bit face;
//  - a width of 0 or less gives the empty text and touches nothing else;
//  - any NUL-terminated text may be passed, bytes 0x80 and above included.
#pragma once

#include <cstdint>

namespace engine {

// The width of the values that parsers, the integer power and the complement
// routines hold: 32 bits for lengths up to 32, 64 bits above.
enum class Bits : int { b32 = 32, b64 = 64 };

using Value = std::uint64_t;  // a value of either width, modulo 2^bits

// ---- Digit strings and decimal conversions ---------------------------------

char num_char(int value);       // '0' + value, kept to 8 bits
char num_char_hex(int value);   // 'A'..'F' for 10..15, else as num_char
int char_num(char c);           // (signed char)c - 48
int char_num_hex(char c);       // 10..15 for A-F/a-f, else as char_num

int is_signed(const char* text);                           // 1 if '+'/'-' first
char* extract_value_of_signed(const char* src, char* dst); // src without its first char
int is_valid_dec(const char* text);                        // 1 = valid (empty too)
int str_int(const char* text);                             // value mod 2^32
int pow(int base, int exponent);                           // mod 2^32
int dlw_strcmp(const char* a, const char* b);              // 0 if first 4 chars equal

char* dec_bin(std::uint32_t value, int count, char* out);
char* dec_oct(std::uint32_t value, int count, char* out);
char* dec_hex(std::uint32_t value, int count, char* out);

Value str_int(const char* text, Bits bits);                 // value mod 2^bits
Value pow(Value base, int exponent, Bits bits);             // mod 2^bits
char* dec_bin(Value value, int count, char* out, Bits bits);  // value mod 2^bits
char* dec_oct(Value value, int count, char* out, Bits bits);
char* dec_hex(Value value, int count, char* out, Bits bits);

int dec_compare(const char* a, const char* b, int width);

// ---- Binary conversions -----------------------------------------------------

int is_valid_bin(const char* text);                // 0 = valid (empty too)
int bin_dec(const char* text, int* value);         // unsigned value of the last 32 digits
Value bin_dec(const char* text, Bits bits);        // ... of the last `bits` digits
char* bin_hex(const char* bin, char* out, int n);  // n hexadecimal digits
char* bin_oct(const char* bin, char* out, int n);  // n octal digits
int bin_compare(const char* a, const char* b, int width);
char* bin_extract(const char* bin, char* out, int len);  // last len digits

// ---- Complement arithmetic ----------------------------------------------------

char* bin_not(const char* src, int len, char* out);
char* bin_adder(const char* a, const char* b, char* out, int len, int carry_in, int* carry_out);
char* bin_substractor(const char* a, const char* b, char* out, int len, int borrow_in,
                      int* borrow_out);
char* sign_extend(const char* src, int len, char* out);
char* ones_comp(const char* dec, int len, char* out);
char* twos_comp(const char* dec, int len, char* out);
int* ones_comp_dec(const char* bin, int* value, int len);
int* twos_comp_dec(const char* bin, int* value, int len);
// The same at a value width: the signed value as its pattern modulo 2^bits.
char* ones_comp(const char* dec, int len, char* out, Bits bits);
char* twos_comp(const char* dec, int len, char* out, Bits bits);
Value* ones_comp_dec(const char* bin, Value* value, int len, Bits bits);
Value* twos_comp_dec(const char* bin, Value* value, int len, Bits bits);

// ---- Hexadecimal conversions ------------------------------------------------

int is_valid_hex(const char* text);    // 0 = valid (empty too)
int is_C_hex(const char* text);        // 0 = begins with "0x" or "0X"
int is_valid_C_hex(const char* text);  // 1 no prefix, 2 bad digit after it, 0 valid
char* hex_bin(const char* hex, char* out, int n);  // 4 * n binary digits
int hex_dec(const char* hex, int* value);
Value hex_dec(const char* hex, Bits bits);
int hex_compare(const char* a, const char* b, int width);

// ---- Octal conversions --------------------------------------------------------

int is_valid_oct(const char* text);    // 0 = valid (empty too)
char* oct_bin(const char* oct, char* out, int bits);  // exactly `bits` binary digits
int oct_dec(const char* oct, int* value);
Value oct_dec(const char* oct, Bits bits);
int oct_compare(const char* a, const char* b, int width);

// ---- Input refinement filters -------------------------------------------------
// Each copies the characters valid for its base, in order, into dst (which must
// hold strlen(src) + 1 characters) and drops the rest.

char* bin_refine(const char* src, char* dst);
char* dec_refine(const char* src, char* dst);
char* dec_refine_signed(const char* src, char* dst);  // keeps the first character
char* oct_refine(const char* src, char* dst);
char* hex_refine(const char* src, char* dst);
char* C_hex_refine(const char* src, char* dst);       // keeps the first two characters

}  // namespace engine
