#include "measurement/measurement.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

const QString kDatePattern = QStringLiteral("dd;MM;yyyy");
const QString kTimePattern = QStringLiteral("HH;mm;ss");

// Orders an invalid date-time before every valid one, as QDateTime does, but
// says so explicitly: the sort needs a strict weak order.
bool isEarlier(const QDateTime &a, const QDateTime &b)
{
    if (!b.isValid())
        return false;
    if (!a.isValid())
        return true;
    return a < b;
}

} // namespace

bool holdsOnlyNumbers(const Measurement &m)
{
    const auto finite = [](float value) { return std::isfinite(value); };
    return finite(m.sampleRate) && finite(m.forceStart) && finite(m.forceEnd) &&
           finite(m.forceMax) && finite(m.forceAvg) &&
           std::all_of(m.forces.begin(), m.forces.end(), finite);
}

QDate measurementDate(const QByteArray &dateText)
{
    return QDate::fromString(QString::fromLatin1(dateText), kDatePattern);
}

QTime measurementTime(const QByteArray &timeText)
{
    return QTime::fromString(QString::fromLatin1(timeText), kTimePattern);
}

QDateTime measurementDateTime(const Measurement &m)
{
    // A valid date with an invalid time counts as midnight (QDateTime's rule).
    return QDateTime(measurementDate(m.dateText), measurementTime(m.timeText));
}

QString formatMeasurementDate(const QByteArray &dateText)
{
    return QLocale().toString(measurementDate(dateText), QLocale::ShortFormat);
}

QString formatMeasurementTime(const QByteArray &timeText)
{
    return QLocale().toString(measurementTime(timeText), QLocale::ShortFormat);
}

QString formatForce(float newtons, double factor)
{
    return QString::number(double(newtons) * factor, 'f', 1);
}

QString formatForce(float newtons, double factor, const QString &unitText)
{
    return formatForce(newtons, factor) + QLatin1Char(' ') + unitText;
}

bool isNewerThan(const Measurement *a, const Measurement *b)
{
    if (!a || !b)
        return false;
    return isEarlier(measurementDateTime(*b), measurementDateTime(*a));
}

void sortNewestFirst(QList<Measurement *> &list)
{
    std::stable_sort(list.begin(), list.end(), isNewerThan);
}

Measurement *findMeasurement(const QList<Measurement *> &list, int number)
{
    Measurement *found = nullptr;
    for (Measurement *m : list) {
        if (m && m->number == number)
            found = m;
    }
    return found;
}
