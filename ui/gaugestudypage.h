#pragma once

#include "measurement/gaugestudy.h"
#include "measurement/measurementset.h"

#include <QDialog>
#include <QList>
#include <memory>

class MeasurementArchive;
class StatusIni;
namespace Ui {
class GaugeStudyPage;
}

// The type-1 study of a set's maximum forces (a selection or an archive
// group): reference value and tolerance (or limits) and the gauge's
// resolution in, the study's numbers, its verdict against the settings'
// minimum, the run chart and the histogram out; kept in the archive with the
// measurements' ids and printable as a PDF page.
class GaugeStudyPage : public QDialog
{
    Q_OBJECT

public:
    // `ids`: the archive's ids of the set's measurements in time order (0
    // for one the archive does not hold).
    GaugeStudyPage(const MeasurementSet &set, const QList<qint64> &ids, MeasurementArchive *archive,
                   const StatusIni &status, QWidget *parent = nullptr);
    ~GaugeStudyPage() override;

    Ui::GaugeStudyPage *formUi() const { return m_ui.get(); }
    // Computes from the inputs; false (and the reason shown) when it cannot.
    bool compute();
    bool keep();
    bool savePdf(const QString &fileName);

private:
    void askPdf();
    void showResult(const Type1Result &result);
    void say(const QString &text);

    QByteArray m_serialNr;
    QString m_unitText;
    QVector<double> m_values;
    QList<qint64> m_ids;
    MeasurementArchive *m_archive;
    const StatusIni &m_status;
    std::unique_ptr<Ui::GaugeStudyPage> m_ui;
    Type1Input m_input;
    std::optional<Type1Result> m_result;
};
