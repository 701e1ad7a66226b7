#include "ui/planeditor.h"

#include "archive/measurementarchive.h"
#include "archive/planstore.h"
#include "settings/statusini.h"
#include "ui/savefiledialog.h"
#include "ui_planeditor.h"
#include "workflow/activeplan.h"
#include "workflow/workflowtexts.h"

#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QSaveFile>

#include <limits>

namespace {

constexpr int kNameColumn = 0;
constexpr int kKindColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kVerdictColumn = 3;

// The kinds in the order the editor offers them, with their names.
struct KindText
{
    CharacteristicKind kind;
    const char *text;
};
const KindText kKinds[] = {
    {CharacteristicKind::MaximumForce, QT_TRANSLATE_NOOP("PlanEditor", "Maximalkraft")},
    {CharacteristicKind::MeanForce, QT_TRANSLATE_NOOP("PlanEditor", "Mittelkraft")},
    {CharacteristicKind::Duration, QT_TRANSLATE_NOOP("PlanEditor", "Dauer")},
    {CharacteristicKind::ForceAtTime, QT_TRANSLATE_NOOP("PlanEditor", "Kraft bei Zeit")},
    {CharacteristicKind::WindowMean, QT_TRANSLATE_NOOP("PlanEditor", "Mittelkraft im Zeitfenster")},
    {CharacteristicKind::WindowMinimum, QT_TRANSLATE_NOOP("PlanEditor", "Minimum im Zeitfenster")},
    {CharacteristicKind::WindowMaximum, QT_TRANSLATE_NOOP("PlanEditor", "Maximum im Zeitfenster")},
    {CharacteristicKind::FirstPeak, QT_TRANSLATE_NOOP("PlanEditor", "Erster Peak")},
    {CharacteristicKind::BreakForce, QT_TRANSLATE_NOOP("PlanEditor", "Bruchkraft")},
    {CharacteristicKind::BreakTime, QT_TRANSLATE_NOOP("PlanEditor", "Bruchzeit")},
    {CharacteristicKind::TimeToForce, QT_TRANSLATE_NOOP("PlanEditor", "Zeit bis Kraft")},
    {CharacteristicKind::TimeAboveForce, QT_TRANSLATE_NOOP("PlanEditor", "Zeit über Kraft")},
    {CharacteristicKind::Work, QT_TRANSLATE_NOOP("PlanEditor", "Arbeit")},
    {CharacteristicKind::Window, QT_TRANSLATE_NOOP("PlanEditor", "Fenster")},
    {CharacteristicKind::Envelope, QT_TRANSLATE_NOOP("PlanEditor", "Hüllkurve")},
};

QString kindText(CharacteristicKind kind)
{
    for (const KindText &k : kKinds)
        if (k.kind == kind)
            return PlanEditor::tr(k.text);
    return QString();
}

const char *const kSideTexts[] = {
    QT_TRANSLATE_NOOP("PlanEditor", "keine"), QT_TRANSLATE_NOOP("PlanEditor", "links"),
    QT_TRANSLATE_NOOP("PlanEditor", "rechts"), QT_TRANSLATE_NOOP("PlanEditor", "unten"),
    QT_TRANSLATE_NOOP("PlanEditor", "oben")};

// Numbers as everywhere a person reads them: "." and no digit grouping.
void setUpNumber(QDoubleSpinBox *spin, int decimals, double lowest = -1e9)
{
    spin->setLocale(QLocale::c());
    spin->setDecimals(decimals);
    spin->setRange(lowest, 1e9);
    spin->setKeyboardTracking(false);
}

std::optional<double> optionalValue(bool set, double value)
{
    return set ? std::optional<double>(value) : std::nullopt;
}

} // namespace

PlanEditor::PlanEditor(const Parts &parts, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PlanEditor>()), m_parts(parts)
{
    ui->setupUi(this);
    // A third of the page at 1024x768; the diagram gets what is left.
    setFixedWidth(fontMetrics().averageCharWidth() * 42);
    setUpFields();
    connectFields();
    usePlan(TestPlan(), false);
}

PlanEditor::~PlanEditor() = default;

void PlanEditor::setUpFields()
{
    for (const KindText &k : kKinds)
        ui->comboKind->addItem(tr(k.text), int(k.kind));
    for (int side = 0; side < 5; ++side) {
        ui->comboEntry->addItem(tr(kSideTexts[side]), side);
        ui->comboExit->addItem(tr(kSideTexts[side]), side);
    }
    for (QDoubleSpinBox *force : {ui->spinTrigger, ui->spinLower, ui->spinUpper, ui->spinForce,
                                  ui->spinFall, ui->spinActivation, ui->spinFromForce,
                                  ui->spinToForce, ui->spinBoxLow, ui->spinBoxHigh})
        setUpNumber(force, 1);
    for (QDoubleSpinBox *time :
         {ui->spinFrom, ui->spinTo, ui->spinWithin, ui->spinBoxFrom, ui->spinBoxTo})
        setUpNumber(time, 3);
    setUpNumber(ui->spinShare, 1, 0.0);
    ui->spinShare->setMaximum(100.0);
    setUpNumber(ui->spinBandK, 1, 0.0);
    ui->spinBandK->setValue(3.0);
    setUpNumber(ui->spinBandPercent, 1, 0.0);
    // The fields narrow to the editor's width: no sideways scrolling.
    for (QWidget *field : ui->detailsArea->findChildren<QWidget *>())
        if (qobject_cast<QDoubleSpinBox *>(field) || qobject_cast<QComboBox *>(field))
            field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    ui->scrollDetails->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Hidden rows keep their spacing: little of it, as most rows are hidden.
    ui->formDetails->setVerticalSpacing(2);
    // The kind stands in the fields below; the rows keep name, value, verdict.
    ui->tableCharacteristics->setColumnHidden(kKindColumn, true);
    QTableWidget *table = ui->tableCharacteristics;
    table->setMinimumHeight(table->verticalHeader()->defaultSectionSize() * 5);
    QHeaderView *header = ui->tableCharacteristics->horizontalHeader();
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    for (int column : {kValueColumn, kVerdictColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void PlanEditor::connectFields()
{
    connect(ui->comboPlans, qOverload<int>(&QComboBox::activated), this, &PlanEditor::chooseKept);
    connect(ui->buttonNew, &QPushButton::clicked, this, &PlanEditor::newPlan);
    connect(ui->buttonAdd, &QPushButton::clicked, this, &PlanEditor::addCharacteristic);
    connect(ui->buttonRemove, &QPushButton::clicked, this, &PlanEditor::removeCharacteristic);
    connect(ui->buttonLearn, &QPushButton::clicked, this, &PlanEditor::learnEnvelope);
    connect(ui->buttonSave, &QPushButton::clicked, this, &PlanEditor::savePlan);
    connect(ui->buttonOpenFile, &QPushButton::clicked, this, &PlanEditor::openFile);
    connect(ui->buttonSaveFile, &QPushButton::clicked, this, &PlanEditor::saveFile);
    connect(ui->tableCharacteristics, &QTableWidget::currentCellChanged, this,
            [this] { fillDetails(); });
    for (QLineEdit *line : {ui->linePlanName, ui->linePartNumber})
        connect(line, &QLineEdit::editingFinished, this, &PlanEditor::readPlanFields);
    connect(ui->spinTrigger, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &PlanEditor::readPlanFields);
    connect(ui->lineName, &QLineEdit::editingFinished, this, &PlanEditor::readDetails);
    for (QComboBox *combo : {ui->comboKind, ui->comboEntry, ui->comboExit})
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &PlanEditor::readDetails);
    for (QCheckBox *check : {ui->checkLower, ui->checkUpper, ui->checkFallPercent,
                             ui->checkFromForce, ui->checkToForce})
        connect(check, &QCheckBox::toggled, this, &PlanEditor::readDetails);
    for (QDoubleSpinBox *spin : ui->detailsArea->findChildren<QDoubleSpinBox *>())
        if (spin != ui->spinBandK && spin != ui->spinBandPercent)
            connect(spin, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                    &PlanEditor::readDetails);
}

void PlanEditor::loadKeptPlans()
{
    const QString wanted = m_parts.status->testPlan;
    ui->comboPlans->clear();
    if (!m_parts.archive->isOpen())
        return;
    ui->comboPlans->addItems(PlanStore(*m_parts.archive).names());
    if (wanted.isEmpty())
        return;
    if (auto kept = PlanStore(*m_parts.archive).load(wanted)) {
        ui->comboPlans->setCurrentText(wanted);
        usePlan(*kept, true);
    }
}

void PlanEditor::chooseKept(int comboIndex)
{
    const QString name = ui->comboPlans->itemText(comboIndex);
    ArchiveStatus status;
    std::optional<TestPlan> kept = PlanStore(*m_parts.archive).load(name, 0, &status);
    if (!kept) {
        QMessageBox::warning(this, windowTitle(),
                             WorkflowText::archiveProblem(status, m_parts.archive->path()));
        return;
    }
    usePlan(*kept, true);
    m_parts.status->testPlan = name;
    m_parts.status->save();
}

void PlanEditor::newPlan()
{
    TestPlan plan;
    plan.name = tr("Neuer Prüfplan");
    usePlan(plan, false);
    ui->linePlanName->setFocus();
    ui->linePlanName->selectAll();
}

void PlanEditor::usePlan(const TestPlan &plan, bool kept)
{
    m_plan = plan;
    m_kept = kept;
    m_changed = false;
    m_filling = true;
    ui->linePlanName->setText(plan.name);
    ui->linePartNumber->setText(plan.partNumber);
    ui->spinTrigger->setValue(plan.triggerForce);
    m_filling = false;
    fillTable();
    activate();
}

void PlanEditor::fillTable()
{
    const int row = currentRow();
    m_filling = true;
    QTableWidget *table = ui->tableCharacteristics;
    table->setRowCount(m_plan.characteristics.size());
    for (int i = 0; i < m_plan.characteristics.size(); ++i) {
        const Characteristic &c = m_plan.characteristics.at(i);
        for (int column = 0; column < table->columnCount(); ++column)
            if (!table->item(i, column))
                table->setItem(i, column, new QTableWidgetItem);
        table->item(i, kNameColumn)->setText(c.name);
        table->item(i, kKindColumn)->setText(kindText(c.kind));
    }
    table->setCurrentCell(std::min(std::max(row, 0), table->rowCount() - 1), kNameColumn);
    m_filling = false;
    fillDetails();
}

void PlanEditor::showResults(const PlanVerdict *verdict)
{
    m_haveVerdict = verdict != nullptr;
    m_verdict = verdict ? *verdict : PlanVerdict();
    QTableWidget *table = ui->tableCharacteristics;
    for (int i = 0; i < table->rowCount() && i < m_plan.characteristics.size(); ++i) {
        const Characteristic &c = m_plan.characteristics.at(i);
        const bool shown = i < m_verdict.results.size();
        const CharacteristicResult r = shown ? m_verdict.results.at(i) : CharacteristicResult();
        const QString value = shown ? characteristicValueText(c, r) : QString();
        table->item(i, kValueColumn)
            ->setText(value.isEmpty() || c.unit().isEmpty() || !r.found
                          ? value
                          : value + QLatin1Char(' ') + c.unit());
        QTableWidgetItem *verdictItem = table->item(i, kVerdictColumn);
        verdictItem->setText(shown && r.judged ? verdictText(r.pass) : QString());
        verdictItem->setForeground(r.pass ? QColor(0, 96, 0) : QColor(176, 0, 0));
    }
}

int PlanEditor::currentRow() const
{
    return ui->tableCharacteristics->currentRow();
}

void PlanEditor::fillDetails()
{
    const int row = currentRow();
    const bool any = row >= 0 && row < m_plan.characteristics.size();
    ui->detailsArea->setEnabled(any);
    ui->buttonRemove->setEnabled(any);
    if (!any)
        return;
    const Characteristic &c = m_plan.characteristics.at(row);
    m_filling = true;
    ui->lineName->setText(c.name);
    ui->comboKind->setCurrentIndex(ui->comboKind->findData(int(c.kind)));
    ui->checkLower->setChecked(c.lower.has_value());
    ui->spinLower->setValue(c.lower.value_or(0.0));
    ui->checkUpper->setChecked(c.upper.has_value());
    ui->spinUpper->setValue(c.upper.value_or(0.0));
    ui->spinFrom->setValue(c.from);
    ui->spinTo->setValue(c.to);
    ui->spinForce->setValue(c.force);
    ui->spinFall->setValue(c.fall);
    ui->checkFallPercent->setChecked(c.fallInPercent);
    ui->spinShare->setValue(c.share * 100.0);
    ui->spinWithin->setValue(c.within);
    ui->spinActivation->setValue(c.activation);
    ui->checkFromForce->setChecked(c.fromForce.has_value());
    ui->spinFromForce->setValue(c.fromForce.value_or(0.0));
    ui->checkToForce->setChecked(c.toForce.has_value());
    ui->spinToForce->setValue(c.toForce.value_or(0.0));
    ui->spinBoxFrom->setValue(c.box.fromTime);
    ui->spinBoxTo->setValue(c.box.toTime);
    ui->spinBoxLow->setValue(c.box.lowForce);
    ui->spinBoxHigh->setValue(c.box.highForce);
    ui->comboEntry->setCurrentIndex(int(c.box.entry));
    ui->comboExit->setCurrentIndex(int(c.box.exit));
    m_filling = false;
    showKindFields(c.kind);
}

void PlanEditor::showKindFields(CharacteristicKind kind)
{
    using K = CharacteristicKind;
    const bool window = kind == K::WindowMean || kind == K::WindowMinimum ||
                        kind == K::WindowMaximum || kind == K::Work;
    const bool isBreak = kind == K::BreakForce || kind == K::BreakTime;
    const bool passFail = kind == K::Window || kind == K::Envelope;
    const QList<QPair<QWidget *, bool>> fields = {
        {ui->rowLower, !passFail},
        {ui->rowUpper, !passFail},
        {ui->spinFrom, window || kind == K::ForceAtTime},
        {ui->spinTo, window},
        {ui->spinForce, kind == K::TimeToForce || kind == K::TimeAboveForce},
        {ui->rowFall, kind == K::FirstPeak},
        {ui->spinShare, isBreak},
        {ui->spinWithin, isBreak},
        {ui->spinActivation, isBreak},
        {ui->rowFromForce, kind == K::Work},
        {ui->rowToForce, kind == K::Work},
        {ui->rowBoxTime, kind == K::Window},
        {ui->rowBoxForce, kind == K::Window},
        {ui->comboEntry, kind == K::Window},
        {ui->comboExit, kind == K::Window},
        {ui->rowBand, kind == K::Envelope},
        {ui->buttonLearn, kind == K::Envelope},
    };
    for (const auto &field : fields) {
        field.first->setVisible(field.second);
        if (QWidget *label = ui->formDetails->labelForField(field.first))
            label->setVisible(field.second);
    }
}

void PlanEditor::readPlanFields()
{
    if (m_filling)
        return;
    m_plan.name = ui->linePlanName->text().trimmed();
    m_plan.partNumber = ui->linePartNumber->text().trimmed();
    m_plan.triggerForce = ui->spinTrigger->value();
    m_changed = true;
    activate();
}

void PlanEditor::readDetails()
{
    const int row = currentRow();
    if (m_filling || row < 0 || row >= m_plan.characteristics.size())
        return;
    Characteristic &c = m_plan.characteristics[row];
    c.name = ui->lineName->text().trimmed();
    c.kind = CharacteristicKind(ui->comboKind->currentData().toInt());
    c.lower = optionalValue(ui->checkLower->isChecked(), ui->spinLower->value());
    c.upper = optionalValue(ui->checkUpper->isChecked(), ui->spinUpper->value());
    c.from = ui->spinFrom->value();
    c.to = ui->spinTo->value();
    c.force = ui->spinForce->value();
    c.fall = ui->spinFall->value();
    c.fallInPercent = ui->checkFallPercent->isChecked();
    c.share = ui->spinShare->value() / 100.0;
    c.within = ui->spinWithin->value();
    c.activation = ui->spinActivation->value();
    c.fromForce = optionalValue(ui->checkFromForce->isChecked(), ui->spinFromForce->value());
    c.toForce = optionalValue(ui->checkToForce->isChecked(), ui->spinToForce->value());
    c.box.fromTime = ui->spinBoxFrom->value();
    c.box.toTime = ui->spinBoxTo->value();
    c.box.lowForce = ui->spinBoxLow->value();
    c.box.highForce = ui->spinBoxHigh->value();
    c.box.entry = BoxSide(ui->comboEntry->currentData().toInt());
    c.box.exit = BoxSide(ui->comboExit->currentData().toInt());
    m_changed = true;
    m_filling = true;
    ui->tableCharacteristics->item(row, kNameColumn)->setText(c.name);
    ui->tableCharacteristics->item(row, kKindColumn)->setText(kindText(c.kind));
    m_filling = false;
    showKindFields(c.kind);
    activate();
}

void PlanEditor::setBox(int index, const WindowBox &box)
{
    if (index < 0 || index >= m_plan.characteristics.size())
        return;
    m_plan.characteristics[index].box = box;
    m_changed = true;
    if (index == currentRow())
        fillDetails();
    activate();
}

void PlanEditor::activate()
{
    showVersion();
    // A plan without characteristics judges nothing: the window shows none.
    if (m_plan.characteristics.isEmpty())
        m_parts.active->clear();
    else
        m_parts.active->setPlan(m_plan);
}

void PlanEditor::showVersion()
{
    // Only a kept plan has a version: saving decides a new plan's.
    if (!m_kept) {
        ui->labelVersion->setText(tr("nicht gespeichert"));
        return;
    }
    const QString version = tr("Version %1").arg(m_plan.version);
    ui->labelVersion->setText(m_changed ? version + QStringLiteral(" – ") + tr("geändert")
                                        : version);
}

void PlanEditor::addCharacteristic()
{
    Characteristic c;
    c.name = tr("Merkmal %1").arg(m_plan.characteristics.size() + 1);
    m_plan.characteristics.append(c);
    m_changed = true;
    fillTable();
    ui->tableCharacteristics->setCurrentCell(m_plan.characteristics.size() - 1, kNameColumn);
    activate();
}

void PlanEditor::removeCharacteristic()
{
    const int row = currentRow();
    if (row < 0 || row >= m_plan.characteristics.size())
        return;
    m_plan.characteristics.removeAt(row);
    m_changed = true;
    fillTable();
    activate();
}

void PlanEditor::learnEnvelope()
{
    const int row = currentRow();
    if (row < 0 || row >= m_plan.characteristics.size())
        return;
    const QList<const Measurement *> references = m_parts.references();
    const EnvelopeBand band = ::learnEnvelope(references, m_plan.triggerForce,
                                              ui->spinBandK->value(), ui->spinBandPercent->value());
    if (band.isEmpty()) {
        QMessageBox::information(
            this, windowTitle(),
            tr("Aus den gewählten Messungen lässt sich keine Hüllkurve bilden: Wählen Sie "
               "Messungen, die die Triggerkraft erreichen."));
        return;
    }
    m_plan.characteristics[row].band = band;
    m_changed = true;
    activate();
}

void PlanEditor::savePlan()
{
    if (m_plan.name.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("Der Prüfplan braucht einen Namen."));
        return;
    }
    const ArchiveStatus status = PlanStore(*m_parts.archive).save(m_plan);
    if (status.kind != ArchiveStatus::Ok) {
        QMessageBox::warning(this, windowTitle(),
                             WorkflowText::archiveProblem(status, m_parts.archive->path()));
        return;
    }
    m_kept = true;
    m_changed = false;
    m_parts.status->testPlan = m_plan.name;
    m_parts.status->save();
    ui->comboPlans->clear();
    ui->comboPlans->addItems(PlanStore(*m_parts.archive).names());
    ui->comboPlans->setCurrentText(m_plan.name);
    activate();
}

void PlanEditor::openFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Prüfplan öffnen"), QString(),
                                                      tr("Prüfplan (*.json)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    TestPlan plan;
    QString problem;
    if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else if (!readTestPlan(file.readAll(), plan, problem))
        plan = TestPlan();
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Die Datei '%1' ist kein Prüfplan: %2").arg(path, problem));
        return;
    }
    usePlan(plan, false);
}

void PlanEditor::saveFile()
{
    const QString path =
        askSaveFileName(this, tr("Prüfplan speichern"), QString(), m_plan.name,
                        tr("Prüfplan (*.json)"), QStringLiteral(".json"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(testPlanJson(m_plan)) < 0 ||
        !file.commit())
        QMessageBox::warning(this, windowTitle(),
                             tr("Die Datei '%1' konnte nicht geschrieben werden: %2")
                                 .arg(path, file.errorString()));
}
