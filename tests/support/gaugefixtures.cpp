#include "gaugefixtures.h"

QByteArray gaugeWithSlots(const QList<int> &numbers)
{
    QByteArray text = "serial SN-4711\nversion 2.10\nunit 0\n";
    for (int number : numbers)
        text += "slot " + QByteArray::number(number) +
                "\nrate 10\ndate 01;02;2018\ntime 10;00;00\nforces 1;100;50;3\n";
    return text;
}

QByteArray threeMeasurements()
{
    return "serial SN-4711\nversion 2.10\nunit 0\n"
           "slot 3\nrate 100\ndate 24;01;2018\ntime 16;11;58\nforces 1;2.5;10;4\n"
           "slot 12\nrate 10\ndate 05;03;2019\ntime 08;00;00\nforces 0.5;20;7\n"
           "slot 30\nrate 50\ndate 23;12;2017\ntime 23;59;59\nforces 3;3.5\n";
}

LinkTiming quickLinkTiming()
{
    LinkTiming timing;
    // 50 empty polls of 4 ms: a silent gauge costs 0.2 s a command, still
    // far above what the simulated gauge needs to answer on a loaded machine.
    timing.pollPause = 4;
    timing.stopPause = 10;
    return timing;
}

QByteArray wireCommand(const char *name, int index, char verb)
{
    return "#" + QByteArray(name) + QByteArray::number(index).rightJustified(3, '0') + verb;
}

Characteristic characteristic(const char *name, CharacteristicKind kind,
                              std::optional<double> lower, std::optional<double> upper)
{
    Characteristic c;
    c.name = QString::fromUtf8(name);
    c.kind = kind;
    c.lower = lower;
    c.upper = upper;
    return c;
}
