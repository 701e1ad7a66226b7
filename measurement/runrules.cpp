#include "measurement/runrules.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// One pattern a rule looks for, independent of the rule set's numbering.
enum class Pattern
{
    BeyondLimits,       // a point beyond 3 sigma
    TwoOfThreeBeyond2,  // 2 of 3 beyond 2 sigma on one side
    FourOfFiveBeyond1,  // 4 of 5 beyond 1 sigma on one side
    EightOnOneSide,     // 8 in a row on one side of the centre
    NineOnOneSide,      // 9 in a row on one side of the centre
    SixTrending,        // 6 in a row steadily rising or falling
    FourteenAlternating,// 14 in a row alternating up and down
    FifteenWithin1,     // 15 in a row within 1 sigma
    EightOutside1,      // 8 in a row beyond 1 sigma, either side
};

// Rule n of a set is element n - 1.
const QVector<Pattern> kWesternElectric = {Pattern::BeyondLimits, Pattern::TwoOfThreeBeyond2,
                                           Pattern::FourOfFiveBeyond1, Pattern::EightOnOneSide};
const QVector<Pattern> kNelson = {Pattern::BeyondLimits,        Pattern::NineOnOneSide,
                                  Pattern::SixTrending,         Pattern::FourteenAlternating,
                                  Pattern::TwoOfThreeBeyond2,   Pattern::FourOfFiveBeyond1,
                                  Pattern::FifteenWithin1,      Pattern::EightOutside1};

const QVector<Pattern> &patternsOf(RuleSet ruleSet)
{
    return ruleSet == RuleSet::Nelson ? kNelson : kWesternElectric;
}

// The points against the zones of one chart line.
class Zones
{
public:
    Zones(const QVector<double> &points, const ChartLine &line)
        : m_points(points), m_line(line), m_sigma((line.upper - line.centre) / 3.0)
    {
    }

    // +1 above, -1 below the centre line, 0 on it.
    int side(int i) const
    {
        const double d = m_points.at(i) - m_line.centre;
        return d > 0 ? 1 : d < 0 ? -1 : 0;
    }
    // The side when the point lies beyond `sigmas` on it, else 0.
    int beyond(int i, double sigmas) const
    {
        return std::fabs(m_points.at(i) - m_line.centre) > sigmas * m_sigma ? side(i) : 0;
    }
    bool within(int i, double sigmas) const
    {
        return std::fabs(m_points.at(i) - m_line.centre) < sigmas * m_sigma;
    }
    int rise(int i) const // of point i against point i - 1
    {
        const double d = m_points.at(i) - m_points.at(i - 1);
        return d > 0 ? 1 : d < 0 ? -1 : 0;
    }
    bool beyondLimits(int i) const
    {
        return m_points.at(i) > m_line.upper || m_points.at(i) < m_line.lower;
    }

    // Point i and at least `count - 1` more of the `span` ending at it lie
    // beyond `sigmas` on the same side.
    bool countBeyond(int i, int count, int span, double sigmas) const
    {
        const int s = beyond(i, sigmas);
        if (s == 0 || i + 1 < count)
            return false;
        int found = 0;
        for (int j = std::max(0, i - span + 1); j <= i; ++j)
            found += beyond(j, sigmas) == s ? 1 : 0;
        return found >= count;
    }
    // The `length` points ending at i all satisfy `holds`.
    template <typename Holds> bool run(int i, int length, Holds holds) const
    {
        if (i + 1 < length)
            return false;
        for (int j = i - length + 1; j <= i; ++j)
            if (!holds(j))
                return false;
        return true;
    }

private:
    const QVector<double> &m_points;
    ChartLine m_line;
    double m_sigma;
};

bool breaks(const Zones &z, int i, Pattern pattern)
{
    switch (pattern) {
    case Pattern::BeyondLimits:
        return z.beyondLimits(i);
    case Pattern::TwoOfThreeBeyond2:
        return z.countBeyond(i, 2, 3, 2.0);
    case Pattern::FourOfFiveBeyond1:
        return z.countBeyond(i, 4, 5, 1.0);
    case Pattern::EightOnOneSide:
    case Pattern::NineOnOneSide: {
        const int length = pattern == Pattern::EightOnOneSide ? 8 : 9;
        const int s = z.side(i);
        return s != 0 && z.run(i, length, [&](int j) { return z.side(j) == s; });
    }
    case Pattern::SixTrending: {
        if (i < 1 || z.rise(i) == 0)
            return false;
        const int r = z.rise(i);
        // Six points, five steps the same way.
        return z.run(i, 5, [&](int j) { return j >= 1 && z.rise(j) == r; });
    }
    case Pattern::FourteenAlternating:
        // Fourteen points, thirteen steps, each the other way than the one before.
        return z.run(i, 12, [&](int j) {
            return j >= 2 && z.rise(j) != 0 && z.rise(j) == -z.rise(j - 1);
        });
    case Pattern::FifteenWithin1:
        return z.run(i, 15, [&](int j) { return z.within(j, 1.0); });
    case Pattern::EightOutside1:
        return z.run(i, 8, [&](int j) { return z.beyond(j, 1.0) != 0; });
    }
    return false;
}

QString trRules(const char *text)
{
    return QCoreApplication::translate("RunRules", text);
}

QString patternText(Pattern pattern)
{
    switch (pattern) {
    case Pattern::BeyondLimits:
        return trRules(QT_TRANSLATE_NOOP("RunRules", "Punkt außerhalb der Eingriffsgrenzen"));
    case Pattern::TwoOfThreeBeyond2:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "2 von 3 Punkten jenseits 2 Sigma auf einer Seite"));
    case Pattern::FourOfFiveBeyond1:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "4 von 5 Punkten jenseits 1 Sigma auf einer Seite"));
    case Pattern::EightOnOneSide:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "8 Punkte in Folge auf einer Seite der Mittellinie"));
    case Pattern::NineOnOneSide:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "9 Punkte in Folge auf einer Seite der Mittellinie"));
    case Pattern::SixTrending:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "6 Punkte in Folge stetig steigend oder fallend"));
    case Pattern::FourteenAlternating:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "14 Punkte in Folge abwechselnd auf und ab"));
    case Pattern::FifteenWithin1:
        return trRules(QT_TRANSLATE_NOOP("RunRules", "15 Punkte in Folge innerhalb 1 Sigma"));
    case Pattern::EightOutside1:
        return trRules(
            QT_TRANSLATE_NOOP("RunRules", "8 Punkte in Folge jenseits 1 Sigma, beide Seiten"));
    }
    return QString();
}

} // namespace

int ruleCount(RuleSet ruleSet)
{
    return patternsOf(ruleSet).size();
}

QVector<RuleViolation> locationViolations(const QVector<double> &points, const ChartLine &line,
                                          RuleSet ruleSet)
{
    const QVector<Pattern> &patterns = patternsOf(ruleSet);
    const Zones zones(points, line);
    QVector<RuleViolation> found;
    for (int i = 0; i < points.size(); ++i)
        for (int r = 0; r < patterns.size(); ++r)
            if (breaks(zones, i, patterns.at(r)))
                found.append({ruleSet, r + 1, ChartPart::Location, i});
    return found;
}

QVector<RuleViolation> chartViolations(const ControlChart &chart, RuleSet ruleSet)
{
    QVector<RuleViolation> found =
        locationViolations(chart.location, chart.limits.location, ruleSet);
    const ChartLine &line = chart.limits.dispersion;
    for (int i = 0; i < chart.dispersion.size(); ++i) {
        const double v = chart.dispersion.at(i);
        if (v > line.upper || v < line.lower)
            found.append({ruleSet, 1, ChartPart::Dispersion, i});
    }
    return found;
}

QString ruleSetName(RuleSet ruleSet)
{
    return ruleSet == RuleSet::Nelson ? QStringLiteral("Nelson")
                                      : QStringLiteral("Western Electric");
}

QString ruleText(RuleSet ruleSet, int rule)
{
    const QVector<Pattern> &patterns = patternsOf(ruleSet);
    if (rule < 1 || rule > patterns.size())
        return QString();
    return ruleSetName(ruleSet) + QLatin1Char(' ') + QString::number(rule) +
           QStringLiteral(": ") + patternText(patterns.at(rule - 1));
}
