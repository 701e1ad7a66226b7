#include "device/conversion.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <limits>
#include <thread>

namespace {

// The pause is handled in microseconds and must stay below one second.
constexpr int kMaxSleepMicroseconds = 1000000;
constexpr int kSleepRefused = 22;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c, int base)
{
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

int effectiveBase(int base)
{
    return base == 8 || base == 16 ? base : 10;
}

QByteArray pad(QByteArray digits, int width, char fill, bool rightAligned)
{
    const int missing = width - digits.size();
    if (missing <= 0)
        return digits;
    const QByteArray padding(missing, fill);
    return rightAligned ? padding + digits : digits + padding;
}

QByteArray unsignedDigits(uint32_t value, int base)
{
    static const char digitChars[] = "0123456789abcdef";
    char buffer[33];
    int pos = sizeof(buffer);
    do {
        buffer[--pos] = digitChars[value % uint32_t(base)];
        value /= uint32_t(base);
    } while (value != 0);
    return QByteArray(buffer + pos, int(sizeof(buffer)) - pos);
}

// Where a stream extraction of a number starts reading: after white space and
// an optional sign.
struct NumberStart
{
    int pos = 0;
    bool negative = false;
};

NumberStart skipBlanksAndSign(const QByteArray &text)
{
    NumberStart start;
    while (start.pos < text.size() && isBlank(text.at(start.pos)))
        ++start.pos;
    if (start.pos < text.size() && (text.at(start.pos) == '+' || text.at(start.pos) == '-')) {
        start.negative = text.at(start.pos) == '-';
        ++start.pos;
    }
    return start;
}

// The longest run of digits of the base from `pos` as a magnitude; false when
// there is no digit or the magnitude exceeds `limit`.
bool readMagnitude(const QByteArray &text, int pos, int base, uint64_t limit, uint64_t &magnitude)
{
    magnitude = 0;
    bool anyDigit = false;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text.at(pos), base);
        if (digit < 0)
            break;
        magnitude = magnitude * uint64_t(base) + uint64_t(digit);
        if (magnitude > limit)
            return false;
        anyDigit = true;
    }
    return anyDigit;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int msleep(int milliseconds)
{
    if (milliseconds == 0)
        return 0;
    if (milliseconds < 0 || milliseconds >= kMaxSleepMicroseconds / 1000)
        return kSleepRefused;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    return 0;
}

QByteArray intToText(uint32_t value, int base, int width, char fill, bool rightAligned)
{
    return pad(unsignedDigits(value, effectiveBase(base)), width, fill, rightAligned);
}

QByteArray intToText(int32_t value, int width, char fill, bool rightAligned)
{
    // Through 64 bits so that the most negative value keeps its magnitude.
    const int64_t wide = value;
    const uint32_t magnitude = uint32_t(wide < 0 ? -wide : wide);
    QByteArray digits = unsignedDigits(magnitude, 10);
    if (value < 0)
        digits.prepend('-');
    return pad(digits, width, fill, rightAligned);
}

QByteArray floatToText(float value, int precision, int width, char fill, bool rightAligned)
{
    // QByteArray::number always formats in the "C" locale.
    const int digits = precision < 0 ? 6 : precision;
    return pad(QByteArray::number(double(value), 'f', digits), width, fill, rightAligned);
}

int textToInt(const QByteArray &text)
{
    const NumberStart start = skipBlanksAndSign(text);
    const uint64_t limit = start.negative ? uint64_t(std::numeric_limits<int32_t>::max()) + 1
                                          : uint64_t(std::numeric_limits<int32_t>::max());
    uint64_t magnitude = 0;
    if (!readMagnitude(text, start.pos, 10, limit, magnitude))
        return 0;
    return int(start.negative ? -int64_t(magnitude) : int64_t(magnitude));
}

int textToInt(const QByteArray &text, int base)
{
    // A leading "-" negates the unsigned number modulo 2^32, as strtoul does,
    // so "-5" gives -5 here as well.
    const NumberStart start = skipBlanksAndSign(text);
    uint64_t magnitude = 0;
    if (!readMagnitude(text, start.pos, effectiveBase(base), std::numeric_limits<uint32_t>::max(),
                       magnitude))
        return 0;
    const uint32_t value = uint32_t(magnitude);
    return int(start.negative ? uint32_t(0) - value : value);
}

float textToFloat(const QByteArray &text)
{
    const NumberStart start = skipBlanksAndSign(text);
    const char *first = text.constData() + start.pos;
    const char *last = text.constData() + text.size();
    // A number must begin with a digit or with "." and a digit; this also
    // keeps out "inf" and "nan", which a stream extraction does not accept.
    const bool beginsWithDigit =
        first < last &&
        (isDigit(*first) || (*first == '.' && first + 1 < last && isDigit(first[1])));
    if (!beginsWithDigit)
        return 0.0f;
    float value = 0.0f;
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (result.ec != std::errc())
        return 0.0f;
    return start.negative ? -value : value;
}

float answerToFloat(const QByteArray &text)
{
    const NumberStart start = skipBlanksAndSign(text);
    const QByteArray word = text.mid(start.pos).trimmed().toLower();
    float value = 0.0f;
    if (word == "nan")
        value = std::numeric_limits<float>::quiet_NaN();
    else if (word == "inf" || word == "infinity")
        value = std::numeric_limits<float>::infinity();
    else
        return textToFloat(text);
    return start.negative ? -value : value;
}

int splitText(const QByteArray &text, const QByteArray &separator, QList<QByteArray> &pieces)
{
    pieces.clear();
    if (text.isEmpty())
        return 0;
    if (separator.isEmpty()) {
        // Nothing to split at: the whole text is the one piece.
        pieces.append(text);
        return 1;
    }
    int pos = 0;
    while (pos < text.size()) {
        int found = text.indexOf(separator, pos);
        if (found < 0)
            found = text.size();
        pieces.append(text.mid(pos, found - pos));
        pos = found + separator.size();
    }
    return pieces.size();
}
