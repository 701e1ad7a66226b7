// The number and text conversions of the protocol, the CSV number format and
// the parsing of the gauge's dates and times, on arbitrary input. The first
// byte chooses the function; the checks are the properties these functions
// promise, against independent references (Qt's and the C library's number
// formats, stream extraction) where there is one.

#include "device/conversion.h"
#include "fuzzcheck.h"
#include "measurement/fixednumber.h"
#include "measurement/measurement.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <ios>
#include <locale.h>
#include <sstream>
#include <string>

namespace {

locale_t cLocale = nullptr;

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), int(s.size()));
}

int effectiveBase(int base)
{
    return base == 8 || base == 16 ? base : 10;
}

// Padding keeps the digits whole and puts the fill on the aligned side.
void checkPadding(const QByteArray &padded, const QByteArray &digits, int width, char fill,
                  bool rightAligned)
{
    FUZZ_CHECK(padded.size() == qMax(width, digits.size()));
    const QByteArray padding(padded.size() - digits.size(), fill);
    FUZZ_CHECK(padded == (rightAligned ? padding + digits : digits + padding));
}

void fuzzUnsignedText(FuzzedDataProvider &in)
{
    const uint32_t value = in.ConsumeIntegral<uint32_t>();
    const int base = in.PickValueInArray({8, 10, 16, 2, 0, -16});
    const int width = in.ConsumeIntegralInRange(-2, 40);
    const char fill = in.ConsumeIntegral<char>();
    const bool right = in.ConsumeBool();
    const QByteArray digits = QByteArray::number(value, effectiveBase(base));
    FUZZ_CHECK(intToText(value, base, 0, ' ', true) == digits);
    checkPadding(intToText(value, base, width, fill, right), digits, width, fill, right);
    FUZZ_CHECK(textToInt(digits, base) == int(value));
}

void fuzzSignedText(FuzzedDataProvider &in)
{
    const int32_t value = in.ConsumeIntegral<int32_t>();
    const int width = in.ConsumeIntegralInRange(-2, 40);
    const char fill = in.ConsumeIntegral<char>();
    const bool right = in.ConsumeBool();
    const QByteArray digits = QByteArray::number(value);
    FUZZ_CHECK(intToText(value, 0, ' ', true) == digits);
    checkPadding(intToText(value, width, fill, right), digits, width, fill, right);
    FUZZ_CHECK(textToInt(digits) == value);
}

float floatFromBits(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void fuzzFloatText(FuzzedDataProvider &in)
{
    const float value = floatFromBits(in.ConsumeIntegral<uint32_t>());
    const int precision = in.ConsumeIntegralInRange(-3, 30);
    const int width = in.ConsumeIntegralInRange(-2, 60);
    const char fill = in.ConsumeIntegral<char>();
    const bool right = in.ConsumeBool();
    if (!std::isfinite(value))
        return;
    const int decimals = precision < 0 ? 6 : precision;
    const QByteArray text = floatToText(value, precision, 0, ' ', true);
    checkPadding(floatToText(value, precision, width, fill, right), text, width, fill, right);

    // Fixed notation with exactly `decimals` digits, rounded to the nearest.
    const int point = text.indexOf('.');
    FUZZ_CHECK(decimals == 0 ? point < 0 : point >= 0 && text.size() - point - 1 == decimals);
    const double parsed = strtod_l(text.constData(), nullptr, cLocale);
    const double error = std::fabs(parsed - double(value));
    const double ulp =
        std::nextafter(std::fabs(double(value)), INFINITY) - std::fabs(double(value));
    FUZZ_CHECK(error <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + ulp);
    // From one on, nine decimals hold every digit a float needs.
    if (std::fabs(value) >= 1.0f && decimals >= 9)
        FUZZ_CHECK(textToFloat(text) == value);
}

// What a "C" stream extraction of T from the text gives, or 0 when it fails.
template <typename T> T extracted(const QByteArray &text, std::ios_base &(*base)(std::ios_base &))
{
    std::istringstream stream(text.toStdString());
    T value = 0;
    stream >> base >> value;
    return stream.fail() ? T(0) : value;
}

void fuzzTextToInt(const QByteArray &text)
{
    FUZZ_CHECK(textToInt(text) == extracted<int32_t>(text, std::dec));
    FUZZ_CHECK(textToInt(text, 10) == int(extracted<uint32_t>(text, std::dec)));
    FUZZ_CHECK(textToInt(text, 8) == int(extracted<uint32_t>(text, std::oct)));
    // A stream takes a "0x" prefix in base 16; the protocol reads digits only.
    const QByteArray start = text.trimmed();
    const QByteArray digits = start.startsWith('-') || start.startsWith('+') ? start.mid(1) : start;
    if (!digits.toLower().startsWith("0x"))
        FUZZ_CHECK(textToInt(text, 16) == int(extracted<uint32_t>(text, std::hex)));
}

// The longest prefix of the form: blanks, sign, digits with an optional "."
// and fraction (at least one digit), optional exponent with digits.
QByteArray numberPrefix(const QByteArray &text)
{
    int pos = 0;
    const auto digitsFrom = [&text](int p) {
        while (p < text.size() && text.at(p) >= '0' && text.at(p) <= '9')
            ++p;
        return p;
    };
    while (pos < text.size() && std::strchr(" \t\n\v\f\r", text.at(pos)) && text.at(pos) != 0)
        ++pos;
    if (pos < text.size() && (text.at(pos) == '+' || text.at(pos) == '-'))
        ++pos;
    const int intEnd = digitsFrom(pos);
    int end = intEnd;
    if (end < text.size() && text.at(end) == '.')
        end = digitsFrom(end + 1);
    if (end - pos <= (end > intEnd ? 1 : 0))
        return QByteArray(); // no digit at all
    if (end < text.size() && (text.at(end) == 'e' || text.at(end) == 'E')) {
        int exp = end + 1;
        if (exp < text.size() && (text.at(exp) == '+' || text.at(exp) == '-'))
            ++exp;
        const int expEnd = digitsFrom(exp);
        if (expEnd > exp)
            end = expEnd;
    }
    return text.left(end);
}

void fuzzTextToFloat(const QByteArray &text)
{
    const float value = textToFloat(text);
    FUZZ_CHECK(std::isfinite(value));
    const QByteArray prefix = numberPrefix(text);
    if (prefix.isEmpty()) {
        FUZZ_CHECK(value == 0.0f);
        return;
    }
    errno = 0;
    const float expected = strtof_l(prefix.constData(), nullptr, cLocale);
    // Out of range the conversion has no value to match; 0 is the fallback.
    if (errno == ERANGE)
        FUZZ_CHECK(value == expected || value == 0.0f);
    else
        FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected));
}

void fuzzSplit(FuzzedDataProvider &in)
{
    const QByteArray separator = bytes(in.ConsumeRandomLengthString(3));
    const QByteArray text = bytes(in.ConsumeRemainingBytesAsString());
    QList<QByteArray> pieces = {"stale"};
    const int count = splitText(text, separator, pieces);
    FUZZ_CHECK(count == pieces.size());
    if (text.isEmpty()) {
        FUZZ_CHECK(count == 0);
        return;
    }
    if (separator.isEmpty()) {
        FUZZ_CHECK(pieces == QList<QByteArray>({text}));
        return;
    }
    // The pieces joined give the text again, up to one closing separator.
    QByteArray joined = pieces.first();
    for (int i = 1; i < count; ++i)
        joined += separator + pieces.at(i);
    for (const QByteArray &piece : pieces)
        FUZZ_CHECK(!piece.contains(separator));
    FUZZ_CHECK(joined == text || joined + separator == text);
    FUZZ_CHECK(count >= 1);
}

void fuzzFixed(FuzzedDataProvider &in)
{
    const bool fromFloat = in.ConsumeBool();
    const int decimals = in.ConsumeIntegralInRange(0, 17);
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    if (fromFloat)
        x = double(floatFromBits(uint32_t(bits))) * in.PickValueInArray({1.0, 0.101972, 0.224809});
    if (!std::isfinite(x))
        return;
    std::string out = "x";
    appendFixed(out, x, decimals);
    FUZZ_CHECK(QString::fromStdString(out) == "x" + QString::number(x, 'f', decimals));
}

// A date or time text: mostly well formed with numbers in and out of range,
// whose meaning is then known (invalid for an impossible date or time);
// sometimes raw bytes (`known` false).
struct TextSample
{
    QByteArray text;
    bool known = false;
    QDate date;
    QTime time;
};

TextSample dateSample(FuzzedDataProvider &in)
{
    TextSample s;
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        s.text = bytes(in.ConsumeRandomLengthString(12));
        return s;
    }
    const int day = in.ConsumeIntegralInRange(0, 32), month = in.ConsumeIntegralInRange(0, 13);
    const int year = in.ConsumeIntegralInRange(1990, 2040);
    s.text = QString::asprintf("%02d;%02d;%04d", day, month, year).toLatin1();
    s.known = true;
    s.date = QDate(year, month, day);
    return s;
}

TextSample timeSample(FuzzedDataProvider &in)
{
    TextSample s;
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        s.text = bytes(in.ConsumeRandomLengthString(10));
        return s;
    }
    const int hour = in.ConsumeIntegralInRange(0, 24), minute = in.ConsumeIntegralInRange(0, 60);
    const int second = in.ConsumeIntegralInRange(0, 60);
    s.text = QString::asprintf("%02d;%02d;%02d", hour, minute, second).toLatin1();
    s.known = true;
    s.time = QTime(hour, minute, second);
    return s;
}

// A text parses to what it stands for, formats empty exactly when it does not
// parse, and a parsed value written in the gauge's pattern parses back.
void checkDateAndTime(const TextSample &date, const TextSample &time)
{
    const QDate d = measurementDate(date.text);
    if (date.known)
        FUZZ_CHECK(d == date.date); // both invalid for an impossible date
    FUZZ_CHECK(formatMeasurementDate(date.text).isEmpty() == !d.isValid());
    if (d.isValid())
        FUZZ_CHECK(measurementDate(d.toString("dd;MM;yyyy").toLatin1()) == d);
    const QTime t = measurementTime(time.text);
    if (time.known)
        FUZZ_CHECK(t == time.time);
    FUZZ_CHECK(formatMeasurementTime(time.text).isEmpty() == !t.isValid());
    if (t.isValid())
        FUZZ_CHECK(measurementTime(t.toString("HH;mm;ss").toLatin1()) == t);
}

// Newest first; the same date and time (or none) keeps the slot order.
void fuzzDates(FuzzedDataProvider &in)
{
    QList<Measurement> records;
    while (records.size() < 50 && in.remaining_bytes() > 0) { // the gauge's 50 slots
        Measurement m(records.size() + 1);
        const TextSample date = dateSample(in), time = timeSample(in);
        checkDateAndTime(date, time);
        m.dateText = date.text;
        m.timeText = time.text;
        records.append(m);
    }
    QList<Measurement *> list;
    for (Measurement &m : records)
        list.append(&m);
    for (Measurement *a : list) {
        FUZZ_CHECK(!isNewerThan(a, a) && !isNewerThan(a, nullptr) && !isNewerThan(nullptr, a));
        for (Measurement *b : list)
            FUZZ_CHECK(!(isNewerThan(a, b) && isNewerThan(b, a)));
    }
    sortNewestFirst(list);
    FUZZ_CHECK(list.size() == records.size());
    for (int i = 1; i < list.size(); ++i) {
        const Measurement *before = list.at(i - 1), *after = list.at(i);
        FUZZ_CHECK(!isNewerThan(after, before));
        if (!isNewerThan(before, after))
            FUZZ_CHECK(before->number < after->number);
        const QDateTime b = measurementDateTime(*before), a = measurementDateTime(*after);
        FUZZ_CHECK(!b.isValid() ? !a.isValid() : !a.isValid() || b >= a);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceLog();
    cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    FUZZ_CHECK(cLocale != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    FuzzedDataProvider in(data + 1, size - 1);
    const QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));
    switch (data[0] % 8) {
    case 0:
        fuzzUnsignedText(in);
        break;
    case 1:
        fuzzSignedText(in);
        break;
    case 2:
        fuzzFloatText(in);
        break;
    case 3:
        fuzzTextToInt(text);
        break;
    case 4:
        fuzzTextToFloat(text);
        break;
    case 5:
        fuzzSplit(in);
        break;
    case 6:
        fuzzFixed(in);
        break;
    default:
        fuzzDates(in);
        break;
    }
    return 0;
}
