#include "measurement/spcconstants.h"

#include <algorithm>
#include <cmath>

namespace {

// The mean and the standard deviation of the range of n normal values in
// units of sigma: they have no closed form and are taken from the
// integrals' published values to six decimals. Everything else follows.
struct RangeMoments
{
    double d2;
    double d3;
};

constexpr RangeMoments kRangeMoments[] = {
    {1.128379, 0.852502}, // n = 2
    {1.692569, 0.888368}, {2.058751, 0.879808}, {2.325929, 0.864082}, {2.534413, 0.848040},
    {2.704357, 0.833205}, {2.847201, 0.819831}, {2.970026, 0.807834}, {3.077505, 0.797051},
};

// c4 = sqrt(2 / (n - 1)) * Γ(n / 2) / Γ((n - 1) / 2): E[s] = c4 * sigma.
double c4Of(int n)
{
    return std::sqrt(2.0 / (n - 1)) * std::exp(std::lgamma(n / 2.0) - std::lgamma((n - 1) / 2.0));
}

} // namespace

std::optional<ControlConstants> controlConstants(int n)
{
    if (n < kSmallestSubgroup || n > kLargestSubgroup)
        return std::nullopt;
    const RangeMoments range = kRangeMoments[n - kSmallestSubgroup];
    const double c4 = c4Of(n);
    const double rootN = std::sqrt(double(n));
    // Three standard deviations of s (sigma * sqrt(1 - c4²)) and of R (sigma * d3).
    const double sSpread = 3.0 * std::sqrt(1.0 - c4 * c4) / c4;
    const double rSpread = 3.0 * range.d3 / range.d2;
    ControlConstants k;
    k.n = n;
    k.a2 = 3.0 / (range.d2 * rootN);
    k.a3 = 3.0 / (c4 * rootN);
    k.b3 = std::max(0.0, 1.0 - sSpread);
    k.b4 = 1.0 + sSpread;
    k.d3 = std::max(0.0, 1.0 - rSpread);
    k.d4 = 1.0 + rSpread;
    k.d2 = range.d2;
    k.c4 = c4;
    return k;
}
