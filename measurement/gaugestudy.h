#pragma once

#include <QVector>
#include <optional>

// The type-1 gauge study: one reference standard measured 25 to 50 times
// with the gauge, against the tolerance of the characteristic the gauge is
// to measure. The gauge repeats well enough when 20 % of the tolerance
// covers six standard deviations (Cg), and still when its bias uses up part
// of the 10 % on either side of the reference (Cgk); the bias is tested
// against zero (Student's t, two-sided, 5 %), and the gauge's resolution
// must be at most 5 % of the tolerance.

constexpr int kType1SmallestCount = 25;
constexpr int kType1LargestCount = 50;
// The share of the tolerance the study looks at, and its half.
constexpr double kType1ToleranceShare = 0.2;
// What Cg and Cgk must reach unless the settings say otherwise.
constexpr double kType1DefaultMinimum = 1.33;
// The largest resolution, in percent of the tolerance.
constexpr double kType1MostResolutionPercent = 5.0;
// The bias's test: two-sided at this level.
constexpr double kType1BiasTestLevel = 0.05;

struct Type1Input
{
    QVector<double> values; // in time order, in the unit of the reference
    double reference = 0.0; // the standard's value x_m
    double tolerance = 0.0; // T = upper - lower limit of the characteristic
    double resolution = 0.0; // the smallest step the gauge shows
    double minimum = kType1DefaultMinimum;
};

struct Type1Result
{
    int count = 0;
    double mean = 0.0;
    double standardDeviation = 0.0; // n - 1
    double bias = 0.0;               // mean - reference
    // Unset without spread (s = 0).
    std::optional<double> cg;
    std::optional<double> cgk;
    std::optional<double> t;        // |bias| / (s / sqrt(n))
    double tCritical = 0.0;         // t(n - 1, 1 - level / 2)
    bool biasSignificant = false;   // t beyond tCritical (or a bias without spread)
    double resolutionPercent = 0.0; // 100 * resolution / tolerance
    bool resolutionSufficient = false;
    double minimum = kType1DefaultMinimum;
    bool capable = false; // Cg and Cgk reach the minimum, the resolution suffices

    // The run chart's lines: the reference and 10 % of the tolerance around it.
    double lowerBand = 0.0;
    double upperBand = 0.0;
};

// Why an input cannot be studied; nullopt when it can.
enum class Type1Problem
{
    TooFew,
    TooMany,
    NoTolerance,
    NotNumbers,
};
std::optional<Type1Problem> type1ProblemOf(const Type1Input &input);

// The study's numbers; call only for an input without a problem.
Type1Result type1Study(const Type1Input &input);

// The two-sided quantile of Student's t: P(|T| <= t) = 1 - level, for
// `degrees` >= 1 degrees of freedom.
double studentTQuantile(int degrees, double level);

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

// The study's texts (translation context "GaugeStudy").
class GaugeStudyText
{
    Q_DECLARE_TR_FUNCTIONS(GaugeStudy)

public:
    static QString problem(Type1Problem problem);
    // "fähig" or "nicht fähig" against the minimum.
    static QString verdict(const Type1Result &result);
    static QString title();
};

// The study's table, one row a quantity: its name and value as a person
// reads them ("." and the decimals each needs). The window, the printed page
// and the command line's table show these rows.
QList<QPair<QString, QString>> type1ResultRows(const Type1Input &input, const Type1Result &result,
                                               const QString &unitText);
