#include "faultsupport.h"

#include "windowharness.h"

#include "ui/mainform.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QErrorMessage>
#include <QFile>
#include <QTest>

#include <algorithm>

namespace {
// Connecting and disconnecting twice, and the window's own work.
constexpr qint64 kJobOverheadMs = 2000;
// Lines a filled slot takes: the count twice and eight values.
constexpr int kLinesPerFilledSlot = 10;
constexpr int kConnectLines = 2;
constexpr int kIdentityLines = 3;
// ASan's default quarantine (256 MiB) plus room for its shadow memory.
constexpr qint64 kSanitizerSlackKiB = 512 * 1024;
} // namespace

qint64 jobBoundMs(int failedReads, qint64 silentReadMs)
{
    return kBoundFactor * (failedReads * silentReadMs + kJobOverheadMs);
}

QString transferErrorText(const QList<int> &failedSlots, bool identityFailed)
{
    QString text = QStringLiteral("Fehler beim Übertragen der Daten!");
    if (identityFailed)
        text += QStringLiteral(" Die Kennung des Geräts wurde nicht gelesen.");
    if (!failedSlots.isEmpty()) {
        QStringList numbers;
        for (int slot : failedSlots)
            numbers << QString::number(slot);
        text += QStringLiteral(" Betroffene Speicherplätze: ") + numbers.join(QStringLiteral(", "));
    }
    return text;
}

QList<int> slotRange(int first, int last)
{
    QList<int> numbers;
    for (int slot = first; slot <= last; ++slot)
        numbers << slot;
    return numbers;
}

int transferLineOfSlot(int slot, const QList<int> &filledSlots)
{
    int line = kConnectLines + kIdentityLines + 1;
    for (int earlier = 1; earlier < slot; ++earlier)
        line += filledSlots.contains(earlier) ? kLinesPerFilledSlot : 1;
    return line;
}

qint64 timedTransfer(WindowHarness &harness)
{
    QElapsedTimer timer;
    timer.start();
    harness.transfer();
    return timer.elapsed();
}

void expectIdleWindow(WindowHarness &harness)
{
    QVERIFY(harness.ui()->buttonTransfer->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
}

void expectGoodTransferAgain(WindowHarness &harness, const QList<int> &filledSlots)
{
    harness.window()->errorWindow()->close();
    QVERIFY(harness.startGauge(gaugeWithSlots(filledSlots)));
    const qint64 elapsed = timedTransfer(harness);
    QVERIFY2(elapsed < jobBoundMs(0), qPrintable(QString::number(elapsed)));
    QList<int> numbers = harness.rowNumbers();
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(numbers, filledSlots);
    QCOMPARE(harness.ui()->labelSerialNr->text(), QStringLiteral("SN-4711"));
    QCOMPARE(harness.shownError(), QString());
    expectIdleWindow(harness);
}

qint64 memoryKiB(const char *field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

qint64 sanitizerSlackKiB()
{
#if defined(__SANITIZE_ADDRESS__)
    return kSanitizerSlackKiB;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return kSanitizerSlackKiB;
#else
    return 0;
#endif
#else
    return 0;
#endif
}
