#include "base/version.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

class TestVersion : public QObject
{
    Q_OBJECT

private slots:
    void buildStampFromCompilerTexts_data();
    void buildStampFromCompilerTexts();
    void versionTextCarriesCompileTime();
};

void TestVersion::buildStampFromCompilerTexts_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QByteArray>("stamp");

    QTest::newRow("example") << QByteArray("Jan 24 2017") << QByteArray("16:11:58")
                             << QByteArray("201701241611");
    // The compiler pads a one-digit day with a blank.
    QTest::newRow("one-digit day")
        << QByteArray("Dec  1 2023") << QByteArray("09:05:00") << QByteArray("202312010905");
    QTest::newRow("seconds dropped")
        << QByteArray("Sep 30 1999") << QByteArray("23:59:59") << QByteArray("199909302359");
    QTest::newRow("unknown month")
        << QByteArray("Foo 24 2017") << QByteArray("16:11:58") << QByteArray();
    QTest::newRow("no time") << QByteArray("Jan 24 2017") << QByteArray("noon") << QByteArray();
    QTest::newRow("no date") << QByteArray("") << QByteArray("16:11:58") << QByteArray();
}

void TestVersion::buildStampFromCompilerTexts()
{
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, time);
    QFETCH(QByteArray, stamp);
    QCOMPARE(buildStamp(date.constData(), time.constData()), stamp);
}

void TestVersion::versionTextCarriesCompileTime()
{
    const QRegularExpression format(QStringLiteral("^1\\.2  build: (\\d{12})$"));
    const QRegularExpressionMatch match = format.match(QString::fromLatin1(versionString()));
    QVERIFY2(match.hasMatch(), versionString().constData());
    const QDateTime built =
        QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMddHHmm"));
    QVERIFY(built.isValid());
    QVERIFY(built <= QDateTime::currentDateTime());
}

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
