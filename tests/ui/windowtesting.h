// Helpers for the tests that drive the real main window against tspx-sim:
// the window with its private settings folder, the gauge, and a timer that
// answers the modal dialogs the window opens.
#pragma once

#include "configfolder.h"
#include "simprocess.h"

#include "measurement/measurement.h"
#include "settings/configini.h"
#include "settings/statusini.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QErrorMessage>
#include <QFile>
#include <QPointer>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <functional>
#include <memory>

// A gauge data file with one small curve in each of the given slots.
inline QByteArray gaugeWithSlots(const QList<int> &numbers)
{
    QByteArray text = "serial SN-4711\nversion 2.10\nunit 0\n";
    for (int number : numbers)
        text += "slot " + QByteArray::number(number) +
                "\nrate 10\ndate 01;02;2018\ntime 10;00;00\nforces 1;100;50;3\n";
    return text;
}

// One command line as the gauge's transcript shows it.
inline QByteArray wireCommand(const char *name, int index, char verb)
{
    return "#" + QByteArray(name) + QByteArray::number(index).rightJustified(3, '0') + verb;
}

// Answers the window's modal dialogs in the order given: each step waits for
// an active modal widget of its class and hands it to its handler.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;
    struct Step
    {
        const char *className;
        Handler handler;
    };

    explicit ModalAnswerer(const QList<Step> &steps) : m_steps(steps)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start();
    }

    // The steps no dialog turned up for.
    int pending() const { return m_steps.size(); }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (m_steps.isEmpty() || !modal || modal == m_answered || !modal->isVisible() ||
            !modal->inherits(m_steps.first().className))
            return;
        m_answered = modal;
        m_steps.takeFirst().handler(modal);
    }

    QList<Step> m_steps;
    QTimer m_timer;
    QPointer<QWidget> m_answered;
};

// The real main window with its own settings folder and, once started, the gauge.
class GaugeWindow
{
public:
    bool open()
    {
        if (!configHome.isValid())
            return false;
        config = std::make_unique<ConfigIni>("config");
        status = std::make_unique<StatusIni>("status");
        status->load();
        window = std::make_unique<Mainform>(config.get(), status.get(), "1.2  build: test");
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    bool startGauge(const QByteArray &data, const QStringList &options = QStringList())
    {
        QFile file(folder() + QStringLiteral("/gauge.txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return false;
        file.close();
        gauge = std::make_unique<SimProcess>(QStringList{"--data", file.fileName()} + options);
        if (!gauge->start()) {
            qWarning() << gauge->errorText();
            return false;
        }
        return true;
    }

    QString folder() const { return configHome.path(); }

    void transfer() { window->on_buttonTransfer_clicked(); }

    QModelIndex deviceIndex() const { return window->model()->index(0, 0); }

    QList<int> rowNumbers() const
    {
        QList<int> numbers;
        const QStandardItemModel *model = window->model();
        for (int row = 0; row < model->rowCount(deviceIndex()); ++row)
            numbers << model->index(row, 0, deviceIndex()).data(MeasurementNumberRole).toInt();
        return numbers;
    }

    bool select(int number)
    {
        const int row = rowNumbers().indexOf(number);
        if (row < 0)
            return false;
        window->findChild<QTreeView *>()->setCurrentIndex(
            window->model()->index(row, 0, deviceIndex()));
        return window->currentMeasurementNumber() == number;
    }

    void selectDeviceRow() { window->findChild<QTreeView *>()->setCurrentIndex(deviceIndex()); }

    QList<int> recordNumbers() const
    {
        QList<int> numbers;
        for (const Measurement *record : window->deviceData().records)
            numbers << record->number;
        return numbers;
    }

    QString shownError() const
    {
        QErrorMessage *errorWindow = window->errorWindow();
        if (!errorWindow->isVisible())
            return QString();
        return errorWindow->findChild<QTextEdit *>()->toPlainText();
    }

    // Members are destroyed in reverse order: the window before the gauge and
    // the settings folder.
    TemporaryConfigHome configHome;
    std::unique_ptr<SimProcess> gauge;
    std::unique_ptr<ConfigIni> config;
    std::unique_ptr<StatusIni> status;
    std::unique_ptr<Mainform> window;
};
