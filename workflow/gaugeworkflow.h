#pragma once

#include "measurement/gaugecalibration.h"
#include "workflow/eraserequest.h"
#include "workflow/transferoutcome.h"

#include <QByteArray>
#include <QString>
#include <functional>

class GaugeSession;
class InterfaceRS232;
class MeasurementArchive;
class StatusIni;
class ThreadHop;
struct DeviceData;

// The rules of a transfer and an erase, for the window and the command line
// alike: every record read is kept in the archive before anyone sees it, the
// quick transfer follows the status file's setting, and nothing is erased
// that nobody has read. The session, the archive and the settings are the
// caller's; the workflow opens the archive at the configured path when it
// needs it and is not open. With a `hop`, the workflow may run on another
// thread than the archive and the settings: it reaches them only through the
// hop (see ThreadHop), and treats an unanswered call as "not kept".
class GaugeWorkflow
{
public:
    GaugeWorkflow(GaugeSession &session, MeasurementArchive &archive, StatusIni &status,
                  ThreadHop *hop = nullptr);
    // The session forgets the workflow (it outlives it).
    ~GaugeWorkflow();
    GaugeWorkflow(const GaugeWorkflow &) = delete;
    GaugeWorkflow &operator=(const GaugeWorkflow &) = delete;

    // Searches COM1..COM30 from the port that answered last (or connects on
    // `port`, "COMn" or a device); 0 when connected. The status file keeps
    // the port that answered and is saved after every search.
    int connect(const QByteArray &port = QByteArray());
    // Connects on a port the caller keeps (a gauge in the same process).
    int connectOn(InterfaceRS232 *port);
    void disconnect();

    // The archive, opened at the configured path unless it is open.
    ArchiveStatus openArchive();
    // How the archive was when this workflow opened it (a damaged file moved
    // aside: movedAside and what was read back).
    const ArchiveStatus &openedArchive() const { return m_opened; }
    // The archive's file had to be moved aside when it was opened.
    QString damagedArchiveText() const;
    QString archivePath() const;

    // Identity and the slots (all when `slotNumbers` is empty) into `data`, newest
    // first, then kept in the archive.
    TransferOutcome transfer(DeviceData &data, const JobProgress &progress,
                             const QList<int> &slotNumbers = QList<int>());
    // Identity and every slot without samples; nothing is archived.
    TransferResult readList(DeviceData &data, const JobProgress &progress);
    // Keeps `records` of the gauge `device` (a list shown earlier).
    ArchiveStatus archiveRecords(const DeviceData &device, const QList<Measurement *> &records,
                                 int *added = nullptr);

    // The gauge's calibration as the archive keeps it, with the settings'
    // wish for a record; not `known` when the archive cannot say.
    GaugeCalibration calibrationOf(const QByteArray &serialNr);

    // The note on the connected gauge's calibration (overdue, or no record
    // while the settings ask for one), given once a connection as soon as
    // the gauge tells its serial number, on the thread the workflow runs on.
    // Nothing is sent to the gauge for it.
    using GaugeNotice = std::function<void(const QString &note)>;
    void setGaugeNotice(GaugeNotice notice) { m_notice = std::move(notice); }

    // Erases after checking the gauge and every slot asked for (EraseCheck).
    EraseOutcome erase(const EraseRequest &request, const EraseDecisions &decide,
                       const JobProgress &progress);

private:
    // Serial number check, then every slot; false when the erase must stop.
    bool checkSlots(const EraseRequest &request, const JobProgress &progress, EraseOutcome &out,
                    QList<int> &erasable, QList<int> &filled,
                    QList<const Measurement *> &unarchived);
    bool decide(const EraseRequest &request, const EraseDecisions &decide, EraseOutcome &out,
                QList<int> &erasable, const QList<const Measurement *> &unarchived);
    bool archiveFirst(const DeviceData &shown, const QList<const Measurement *> &records,
                      EraseOutcome &out, QList<int> &erasable);

    bool archiveHolds(const QByteArray &serialNr, const Measurement &m);
    // Listens for the gauge's serial number until the next connection.
    void listenForGauge();
    void nameGauge(const QByteArray &serialNr);

    GaugeSession &m_session;
    MeasurementArchive &m_archive;
    StatusIni &m_status;
    ThreadHop *m_hop;
    ArchiveStatus m_opened;
    GaugeNotice m_notice;
    bool m_gaugeNamed = false;
};
