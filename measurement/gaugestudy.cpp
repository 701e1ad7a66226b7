#include "measurement/gaugestudy.h"

#include <cmath>

namespace {

// The continued fraction of the incomplete beta function (Lentz's method).
double betaContinuedFraction(double a, double b, double x)
{
    constexpr double kTiny = 1e-300;
    constexpr double kEpsilon = 1e-15;
    double c = 1.0;
    double d = 1.0 - (a + b) * x / (a + 1.0);
    d = 1.0 / (std::fabs(d) < kTiny ? kTiny : d);
    double h = d;
    for (int m = 1; m <= 300; ++m) {
        const double m2 = 2.0 * m;
        for (const double factor : {m * (b - m) * x / ((a + m2 - 1.0) * (a + m2)),
                                    -(a + m) * (a + b + m) * x / ((a + m2) * (a + m2 + 1.0))}) {
            d = 1.0 + factor * d;
            d = 1.0 / (std::fabs(d) < kTiny ? kTiny : d);
            c = 1.0 + factor / c;
            if (std::fabs(c) < kTiny)
                c = kTiny;
            const double delta = c * d;
            h *= delta;
            if (factor < 0.0 && std::fabs(delta - 1.0) < kEpsilon)
                return h;
        }
    }
    return h;
}

// The regularised incomplete beta function I_x(a, b).
double incompleteBeta(double a, double b, double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) +
                                  a * std::log(x) + b * std::log(1.0 - x));
    if (x < (a + 1.0) / (a + b + 2.0))
        return front * betaContinuedFraction(a, b, x) / a;
    return 1.0 - front * betaContinuedFraction(b, a, 1.0 - x) / b;
}

// P(|T| > t) for Student's t with `degrees` degrees of freedom.
double twoSidedTail(int degrees, double t)
{
    const double nu = degrees;
    return incompleteBeta(nu / 2.0, 0.5, nu / (nu + t * t));
}

} // namespace

double studentTQuantile(int degrees, double level)
{
    double low = 0.0;
    double high = 1e3;
    for (int i = 0; i < 200 && high - low > 1e-12; ++i) {
        const double middle = (low + high) / 2.0;
        (twoSidedTail(degrees, middle) > level ? low : high) = middle;
    }
    return (low + high) / 2.0;
}

std::optional<Type1Problem> type1ProblemOf(const Type1Input &input)
{
    if (input.values.size() < kType1SmallestCount)
        return Type1Problem::TooFew;
    if (input.values.size() > kType1LargestCount)
        return Type1Problem::TooMany;
    if (!std::isfinite(input.tolerance) || input.tolerance <= 0.0)
        return Type1Problem::NoTolerance;
    if (!std::isfinite(input.reference) || !std::isfinite(input.resolution))
        return Type1Problem::NotNumbers;
    for (double value : input.values) {
        if (!std::isfinite(value))
            return Type1Problem::NotNumbers;
    }
    return std::nullopt;
}

Type1Result type1Study(const Type1Input &input)
{
    Type1Result result;
    const int n = input.values.size();
    result.count = n;
    result.minimum = input.minimum;
    double sum = 0.0;
    for (double value : input.values)
        sum += value;
    result.mean = sum / n;
    double squares = 0.0;
    for (double value : input.values)
        squares += (value - result.mean) * (value - result.mean);
    const double s = n > 1 ? std::sqrt(squares / (n - 1)) : 0.0;
    result.standardDeviation = s;
    result.bias = result.mean - input.reference;
    const double T = input.tolerance;
    result.tCritical = studentTQuantile(n - 1, kType1BiasTestLevel);
    if (s > 0.0) {
        result.cg = kType1ToleranceShare * T / (6.0 * s);
        result.cgk = (kType1ToleranceShare / 2.0 * T - std::fabs(result.bias)) / (3.0 * s);
        result.t = std::fabs(result.bias) / (s / std::sqrt(double(n)));
        result.biasSignificant = *result.t > result.tCritical;
    } else {
        result.biasSignificant = result.bias != 0.0;
    }
    result.resolutionPercent = 100.0 * input.resolution / T;
    result.resolutionSufficient = result.resolutionPercent <= kType1MostResolutionPercent;
    result.capable = result.cg && result.cgk && *result.cg >= input.minimum &&
                     *result.cgk >= input.minimum && result.resolutionSufficient;
    result.lowerBand = input.reference - kType1ToleranceShare / 2.0 * T;
    result.upperBand = input.reference + kType1ToleranceShare / 2.0 * T;
    return result;
}

QString GaugeStudyText::problem(Type1Problem problem)
{
    switch (problem) {
    case Type1Problem::TooFew:
    case Type1Problem::TooMany:
        return tr("Eine Typ-1-Studie braucht %1 bis %2 Messungen.")
            .arg(kType1SmallestCount)
            .arg(kType1LargestCount);
    case Type1Problem::NoTolerance:
        return tr("Die Toleranz muss größer als 0 sein.");
    case Type1Problem::NotNumbers:
        return tr("Ein Wert der Studie ist keine Zahl.");
    }
    return QString();
}

QString GaugeStudyText::verdict(const Type1Result &result)
{
    return result.capable ? tr("Messmittel fähig") : tr("Messmittel nicht fähig");
}

QString GaugeStudyText::title()
{
    return tr("Messmittelfähigkeit Verfahren 1");
}

namespace {

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString optionalNumber(const std::optional<double> &value, int decimals)
{
    return value ? number(*value, decimals) : QStringLiteral("–");
}

} // namespace

QList<QPair<QString, QString>> type1ResultRows(const Type1Input &input, const Type1Result &result,
                                               const QString &unitText)
{
    const QString unit = QLatin1Char(' ') + unitText;
    using Row = QPair<QString, QString>;
    return {
        Row(GaugeStudyText::tr("Messungen n"), QString::number(result.count)),
        Row(GaugeStudyText::tr("Referenzwert xm"), number(input.reference, 3) + unit),
        Row(GaugeStudyText::tr("Toleranz T"), number(input.tolerance, 3) + unit),
        Row(GaugeStudyText::tr("Mittelwert x̄"), number(result.mean, 3) + unit),
        Row(GaugeStudyText::tr("Standardabweichung s"), number(result.standardDeviation, 3) + unit),
        Row(GaugeStudyText::tr("Systematische Messabweichung x̄ − xm"), number(result.bias, 3) + unit),
        Row(QStringLiteral("Cg"), optionalNumber(result.cg, 2)),
        Row(QStringLiteral("Cgk"), optionalNumber(result.cgk, 2)),
        Row(GaugeStudyText::tr("Mindestwert Cg, Cgk"), number(result.minimum, 2)),
        Row(GaugeStudyText::tr("t-Wert der Abweichung (kritisch %1)").arg(number(result.tCritical, 3)),
            optionalNumber(result.t, 3)),
        Row(GaugeStudyText::tr("Abweichung signifikant (5 %)"),
            result.biasSignificant ? GaugeStudyText::tr("ja") : GaugeStudyText::tr("nein")),
        Row(GaugeStudyText::tr("Auflösung / T (höchstens 5 %)"),
            number(result.resolutionPercent, 1) + QStringLiteral(" %")),
        Row(GaugeStudyText::tr("Ergebnis"), GaugeStudyText::verdict(result)),
    };
}
