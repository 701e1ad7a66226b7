#pragma once

#include "archive/gaugestudystore.h"
#include "measurement/gaugestudy.h"

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
    // `study`: the gauge, unit, values and ids of the study (type1StudyOf);
    // the page adds what the person types.
    GaugeStudyPage(const GaugeStudyRecord &study, MeasurementArchive *archive,
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

    GaugeStudyRecord m_study;
    MeasurementArchive *m_archive;
    const StatusIni &m_status;
    std::unique_ptr<Ui::GaugeStudyPage> m_ui;
    std::optional<Type1Result> m_result;
};
