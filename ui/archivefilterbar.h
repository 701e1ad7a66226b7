#pragma once

#include "archive/archivetypes.h"

#include <QWidget>

namespace Ui {
class ArchiveFilterBar;
}

// The search above the tree: a text found in the designation or the serial
// number, and an optional range of days. Tells of every change.
class ArchiveFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit ArchiveFilterBar(QWidget *parent = nullptr);
    ~ArchiveFilterBar() override;

    ArchiveFilter filter() const;
    Ui::ArchiveFilterBar *formUi() const { return m_ui; }

signals:
    void filterChanged();

private slots:
    void on_cbZeitraum_toggled(bool checked);

private:
    Ui::ArchiveFilterBar *m_ui;
};
