#include "ui/archivefilterbar.h"

#include "ui_archivefilterbar.h"

#include <QDate>

ArchiveFilterBar::ArchiveFilterBar(QWidget *parent)
    : QWidget(parent), m_ui(new Ui::ArchiveFilterBar)
{
    m_ui->setupUi(this);
    const QDate today = QDate::currentDate();
    m_ui->dateVon->setDate(today.addMonths(-1));
    m_ui->dateBis->setDate(today);
    on_cbZeitraum_toggled(false);
    connect(m_ui->editSuche, &QLineEdit::textChanged, this, &ArchiveFilterBar::filterChanged);
    connect(m_ui->dateVon, &QDateEdit::dateChanged, this, &ArchiveFilterBar::filterChanged);
    connect(m_ui->dateBis, &QDateEdit::dateChanged, this, &ArchiveFilterBar::filterChanged);
}

ArchiveFilterBar::~ArchiveFilterBar()
{
    delete m_ui;
}

ArchiveFilter ArchiveFilterBar::filter() const
{
    ArchiveFilter filter;
    filter.text = m_ui->editSuche->text().trimmed();
    if (m_ui->cbZeitraum->isChecked()) {
        filter.from = m_ui->dateVon->date();
        filter.to = m_ui->dateBis->date();
    }
    return filter;
}

void ArchiveFilterBar::on_cbZeitraum_toggled(bool checked)
{
    m_ui->dateVon->setEnabled(checked);
    m_ui->dateBis->setEnabled(checked);
    emit filterChanged();
}
