#pragma once

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Fixed notation with `decimals` digits after a point, whatever the locale,
// rounded like QString::number(x, 'f', decimals): to the nearest, halves away
// from zero. `decimals` lies in 0..kMaxFixedDecimals.
constexpr int kMaxFixedDecimals = 17;
// The longest text of a finite double: sign, 309 integer digits, point, decimals.
constexpr std::size_t kMaxFixedLength = 1 + 309 + 1 + kMaxFixedDecimals;

// Writes x at `out`, which has room for kMaxFixedLength characters; returns
// the end of the text. Bytes past the end within that room may change.
inline char *writeFixed(char *out, double x, int decimals);
// Appends x to `out`.
void appendFixed(std::string &out, double x, int decimals);

namespace fixed_detail {

// The exact way: decimal conversion of the double itself.
char *writeFixedExact(char *out, double x, int decimals);

// The common case is inline because the CSV export writes half a million
// numbers in a row; everything else takes the exact way.
constexpr int kFastDecimals = 9;
// All of them are exact doubles.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr uint64_t kIntegerPowersOfTen[] = {1ull,
                                            10ull,
                                            100ull,
                                            1000ull,
                                            10000ull,
                                            100000ull,
                                            1000000ull,
                                            10000000ull,
                                            100000000ull,
                                            1000000000ull,
                                            10000000000ull,
                                            100000000000ull,
                                            1000000000000ull,
                                            10000000000000ull,
                                            100000000000000ull,
                                            1000000000000000ull,
                                            10000000000000000ull};
// Below 2^53, so the scaled number's integer part is exact and fits 64 bits;
// with rounding up it has at most 16 digits.
constexpr double kFastLimit = 1e15;
constexpr int kFastMaxDigits = 16;
// The product x * 10^decimals is off by at most half a unit in its last
// place, i.e. 2^-53 of its size; twice that keeps the decision safe.
constexpr double kProductError = 0x1p-52;

constexpr int kEightDigits = 8;
constexpr uint64_t kEightDigitLimit = 100000000;

// The four decimal digits of every n < 10^4 as characters, the first in the
// lowest byte; 40 KB, built by the compiler.
struct FourDigitTable
{
    uint32_t text[10000];

    constexpr FourDigitTable() : text()
    {
        for (uint32_t n = 0; n < 10000; ++n)
            text[n] = (('0' + n / 1000) | ('0' + n / 100 % 10) << 8 | ('0' + n / 10 % 10) << 16 |
                       ('0' + n % 10) << 24);
    }
};
extern const FourDigitTable kFourDigits;

// The eight decimal digits of n < 10^8 as characters, the first in the lowest
// byte: two table look-ups instead of eight divisions.
inline uint64_t eightDigits(uint64_t n)
{
    return kFourDigits.text[n / 10000] | uint64_t(kFourDigits.text[n % 10000]) << 32;
}

inline char *storeWord(char *out, uint64_t word)
{
    word = qToLittleEndian(word);
    std::memcpy(out, &word, sizeof word);
    return out;
}

// n < 10^8 with a point before its last `decimals` (< 8) digits, without
// branches, so that numbers of varying length cost no mispredicted jumps.
// Whole words are stored; the bytes past the end are scratch within the
// caller's room.
inline char *writeEightDigits(char *out, uint64_t n, int decimals)
{
    int length = 1;
    for (uint64_t limit = 10; limit < kEightDigitLimit; limit *= 10)
        length += n >= limit ? 1 : 0;
    length = std::max(length, decimals + 1);
    const uint64_t text = eightDigits(n);
    storeWord(out, text >> (8 * (kEightDigits - length)));
    out += length - decimals;
    if (decimals == 0)
        return out;
    *out++ = '.';
    storeWord(out, text >> (8 * (kEightDigits - decimals)));
    return out + decimals;
}

// Any n with a point before its last `decimals` digits.
inline char *writeDigits(char *out, uint64_t n, int decimals)
{
    int digits = decimals + 1;
    while (digits < kFastMaxDigits && n >= kIntegerPowersOfTen[digits])
        ++digits;
    char *const end = out + digits + (decimals > 0 ? 1 : 0);
    char *p = end;
    for (int i = 0; i < decimals; ++i, n /= 10)
        *--p = char('0' + n % 10);
    if (decimals > 0)
        *--p = '.';
    do {
        *--p = char('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return end;
}

// x * 10^decimals rounded to a whole number, written with the point put in.
// Null, and nothing written, when the scaled number is too large or so close
// to a half that the product's rounding could decide it (exact halves among
// them).
inline char *writeFixedFast(char *out, double x, int decimals)
{
    if (unsigned(decimals) > unsigned(kFastDecimals))
        return nullptr;
    const double magnitude = std::fabs(x * kPowersOfTen[decimals]);
    if (!(magnitude < kFastLimit))
        return nullptr; // NaN included
    // Truncation is the floor here, and cheaper than calling floor().
    const uint64_t whole = uint64_t(magnitude);
    const double fraction = magnitude - double(whole);
    if (std::fabs(fraction - 0.5) <= magnitude * kProductError)
        return nullptr;
    const uint64_t n = whole + (fraction > 0.5 ? 1 : 0);
    // A negative zero (x == -0.0) has no sign, but a negative number rounded
    // to zero keeps it, as in Qt.
    out[0] = '-';
    out += x < 0.0 ? 1 : 0;
    return n < kEightDigitLimit && decimals < kEightDigits ? writeEightDigits(out, n, decimals)
                                                           : writeDigits(out, n, decimals);
}
} // namespace fixed_detail

inline char *writeFixed(char *out, double x, int decimals)
{
    if (char *end = fixed_detail::writeFixedFast(out, x, decimals))
        return end;
    return fixed_detail::writeFixedExact(out, x, decimals);
}
