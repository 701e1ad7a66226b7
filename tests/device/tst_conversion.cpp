#include "device/conversion.h"

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <limits>

class TestConversion : public QObject
{
    Q_OBJECT

private slots:
    void msleepRules();
    void intToTextForms();
    void floatToTextFixed();
    void textToIntForms();
    void textToFloatReads();
    void splitTextPieces();
};

void TestConversion::msleepRules()
{
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(msleep(0), 0);
    QCOMPARE(msleep(1000), 22);
    QCOMPARE(msleep(-1), 22);
    QVERIFY(timer.elapsed() < 1000); // refused requests do not sleep
    timer.restart();
    QCOMPARE(msleep(999), 0);
    QVERIFY(timer.elapsed() >= 999);
}

void TestConversion::intToTextForms()
{
    QCOMPARE(intToText(50u, 10, 3, '0', true), QByteArray("050"));
    QCOMPARE(intToText(1234u, 10, 3, '0', true), QByteArray("1234"));
    QCOMPARE(intToText(uint32_t(-1), 16, 0, ' ', true), QByteArray("ffffffff"));
    QCOMPARE(intToText(uint32_t(-1), 10, 0, ' ', true), QByteArray("4294967295"));
    QCOMPARE(intToText(8u, 8, 0, ' ', true), QByteArray("10"));
    QCOMPARE(intToText(255u, 2, 0, ' ', true), QByteArray("255")); // other bases: decimal
    QCOMPARE(intToText(7u, 10, 3, '*', false), QByteArray("7**"));
    QCOMPARE(intToText(7, 0, ' ', true), QByteArray("7"));
    QCOMPARE(intToText(-5, 3, '0', true), QByteArray("0-5")); // padding before the sign
    QCOMPARE(intToText(-5, 4, ' ', false), QByteArray("-5  "));
    QCOMPARE(intToText(INT32_MIN, 0, ' ', true), QByteArray("-2147483648"));
}

void TestConversion::floatToTextFixed()
{
    QCOMPARE(floatToText(2.5f, 3, 0, ' ', true), QByteArray("2.500"));
    QCOMPARE(floatToText(0.12345f, 3, 0, ' ', true), QByteArray("0.123"));
    QCOMPARE(floatToText(1.9996f, 3, 0, ' ', true), QByteArray("2.000"));
    QCOMPARE(floatToText(-12.26f, 1, 0, ' ', true), QByteArray("-12.3"));
    QCOMPARE(floatToText(1e7f, 1, 0, ' ', true), QByteArray("10000000.0"));
    QCOMPARE(floatToText(2.5f, 1, 6, '_', true), QByteArray("___2.5"));
    QCOMPARE(floatToText(2.5f, 1, 6, '_', false), QByteArray("2.5___"));
    // A German locale must not turn the point into a comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray text = floatToText(1234.5f, 2, 0, ' ', true);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text, QByteArray("1234.50"));
}

void TestConversion::textToIntForms()
{
    const struct
    {
        const char *text;
        int value;
    } signedCases[] = {{"", 0},
                       {"  +42abc", 42},
                       {"\t\n7", 7},
                       {"-5", -5},
                       {"12.9", 12},
                       {"2147483647", INT32_MAX},
                       {"-2147483648", INT32_MIN},
                       {"2147483648", 0},
                       {"99999999999999999999", 0},
                       {"abc", 0},
                       {"-", 0},
                       {"+-5", 0},
                       {"ff", 0}};
    for (const auto &c : signedCases)
        QCOMPARE(textToInt(c.text), c.value);

    const struct
    {
        const char *text;
        int base;
        int value;
    } baseCases[] = {{" +1500x", 10, 1500}, {"1aF", 16, 0x1af}, {"ffg", 16, 0xff},
                     {"178", 8, 15},        {"19", 3, 19},      {"4294967295", 10, -1},
                     {"4294967296", 10, 0}, {"-5", 10, -5},     {"x1", 10, 0}};
    for (const auto &c : baseCases)
        QCOMPARE(textToInt(c.text, c.base), c.value);
}

void TestConversion::textToFloatReads()
{
    const struct
    {
        const char *text;
        float value;
    } cases[] = {{"", 0.0f},         {"12.5", 12.5f}, {"3", 3.0f},         {"1e3", 1000.0f},
                 {"2.5E-2", 0.025f}, {"12,5", 12.0f}, {"  +0.75x", 0.75f}, {"-.5", -0.5f},
                 {"7.", 7.0f},       {"4e", 4.0f},    {"abc", 0.0f},       {".", 0.0f},
                 {"inf", 0.0f},      {"nan", 0.0f},   {"1e40", 0.0f}};
    for (const auto &c : cases)
        QCOMPARE(textToFloat(c.text), c.value);
    // A measured value keeps the words for what is no finite number.
    QVERIFY(std::isnan(answerToFloat(" NaN")) && !std::signbit(answerToFloat("nan")));
    QVERIFY(std::signbit(answerToFloat("-nan")));
    QCOMPARE(answerToFloat("-Infinity"), -std::numeric_limits<float>::infinity());
    QCOMPARE(answerToFloat("inf"), std::numeric_limits<float>::infinity());
    QCOMPARE(answerToFloat("12,5"), 12.0f);
    QCOMPARE(answerToFloat("nano"), 0.0f);
}

void TestConversion::splitTextPieces()
{
    using L = QList<QByteArray>;
    const struct
    {
        const char *text;
        const char *separator;
        L pieces;
    } cases[] = {{"a;b;c", ";", {"a", "b", "c"}},
                 {"a;;b", ";", {"a", "", "b"}},
                 {"a;b;", ";", {"a", "b"}},
                 {";a", ";", {"", "a"}},
                 {";", ";", {""}},
                 {";;", ";", {"", ""}},
                 {"abc", ";", {"abc"}},
                 {"", ";", {}},
                 {"1<>2<>", "<>", {"1", "2"}}};
    for (const auto &c : cases) {
        L pieces{"stale"};
        QCOMPARE(splitText(c.text, c.separator, pieces), c.pieces.size());
        QCOMPARE(pieces, c.pieces);
    }
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
