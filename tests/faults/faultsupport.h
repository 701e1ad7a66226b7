// What every fault case checks besides its own outcome: how long the tool
// was busy, that it is usable again afterwards, and how much memory it took.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

class WindowHarness;

// A read the gauge leaves unanswered ends after about one second of silence
// (50 empty polls of 20 ms) plus the polls themselves.
constexpr qint64 kSilentReadMs = 1100;
// The same with the tests' short link timing (quickLinkTiming: 50 polls of 4 ms).
constexpr qint64 kQuickSilentReadMs = 300;
// Sanitizer builds and a loaded machine run slower: every bound gets this factor.
constexpr qint64 kBoundFactor = 3;

// The longest a device job may keep the window busy when `failedReads` of
// its commands go unanswered: their time-outs, plus the rest of the job.
qint64 jobBoundMs(int failedReads, qint64 silentReadMs = kSilentReadMs);

// The transfer's error message when reads of these slots (and of the
// identity) failed.
QString transferErrorText(const QList<int> &failedSlots, bool identityFailed = false);
// The slots first..last.
QList<int> slotRange(int first, int last);

// The line (1 = the first) of a transfer that asks for the count of `slot`
// when `filledSlots` hold measurements: connect (2 lines), the identity (3),
// one line per empty slot and ten per filled one.
int transferLineOfSlot(int slot, const QList<int> &filledSlots);
// The line of the serial number question, the first after connecting.
constexpr int kSerialNrLine = 3;

// Presses the transfer button; the milliseconds until the job returned.
qint64 timedTransfer(WindowHarness &harness);

// The operator closes the error window, a good gauge with `filledSlots`
// replaces the faulty one, and a transfer shows exactly those slots with no
// error. Fails the running test otherwise.
void expectGoodTransferAgain(WindowHarness &harness, const QList<int> &filledSlots);

// The button is enabled again and the wait cursor gone.
void expectIdleWindow(WindowHarness &harness);

// A /proc/self/status figure ("VmRSS", "VmHWM") in KiB; -1 when unknown.
qint64 memoryKiB(const char *field);
// Sets the peak (VmHWM) back to the current size, so that the next peak is
// this test's own. False when the kernel does not allow it; the peak then
// still bounds the growth from above.
bool resetPeakMemory();
// Sanitizers keep freed memory in quarantine and shadow every byte: the
// slack they need on top of a memory bound.
qint64 sanitizerSlackKiB();
