#include "measurement/fixednumber.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Room for any finite double in fixed notation, plus the digit a halfway
// number is first written with.
using NumberBuffer = std::array<char, kMaxFixedLength + 2>;

// Whether x lies exactly halfway between two numbers with `decimals` decimals,
// which std::to_chars rounds to even but Qt rounds away from zero. Such an x is
// an odd multiple of 2^-(decimals + 1); scaling by a power of two is exact.
bool isHalfway(double x, int decimals)
{
    const double scaled = std::ldexp(x, decimals + 1);
    return std::isfinite(scaled) && std::fabs(std::fmod(scaled, 2.0)) == 1.0;
}

// Adds one unit in the last digit of the number in [first, last), away from
// zero. The buffer must have room for one more character.
char *roundUpLastDigit(char *first, char *last)
{
    char *const digits = first + (*first == '-' ? 1 : 0);
    for (char *p = last; p != digits;) {
        --p;
        if (*p == '.')
            continue;
        if (*p != '9') {
            ++*p;
            return last;
        }
        *p = '0';
    }
    std::memmove(digits + 1, digits, size_t(last - digits));
    *digits = '1';
    return last + 1;
}

char *formatHalfway(char *first, char *end, double x, int decimals)
{
    // One digit more shows the exact value, ending in 5; drop it and round up.
    char *last = std::to_chars(first, end - 1, x, std::chars_format::fixed, decimals + 1).ptr;
    --last;
    if (last[-1] == '.')
        --last;
    return roundUpLastDigit(first, last);
}

} // namespace

const fixed_detail::FourDigitTable fixed_detail::kFourDigits;

char *fixed_detail::writeFixedExact(char *out, double x, int decimals)
{
    if (x == 0.0)
        x = 0.0; // Qt writes a negative zero without its sign
    NumberBuffer buffer;
    char *const first = buffer.data();
    char *const end = first + buffer.size();
    char *const last = isHalfway(x, decimals)
                           ? formatHalfway(first, end, x, decimals)
                           : std::to_chars(first, end, x, std::chars_format::fixed, decimals).ptr;
    const size_t length = size_t(last - first);
    std::memcpy(out, first, length);
    return out + length;
}

void appendFixed(std::string &out, double x, int decimals)
{
    char text[kMaxFixedLength];
    out.append(text, size_t(writeFixed(text, x, decimals) - text));
}
