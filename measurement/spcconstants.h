#pragma once

#include <optional>

// The constants of Shewhart control charts for subgroups of n = 2..10
// (ISO 7870-2, annex tables): limits of the mean chart (A2 with R̄, A3 with
// s̄), of the s chart (B3, B4) and of the R chart (D3, D4), and the
// unbiasing constants d2 (R̄/d2) and c4 (s̄/c4) of the within spread.
struct ControlConstants
{
    int n = 0;
    double a2 = 0.0;
    double a3 = 0.0;
    double b3 = 0.0;
    double b4 = 0.0;
    double d3 = 0.0;
    double d4 = 0.0;
    double d2 = 0.0;
    double c4 = 0.0;
};

constexpr int kSmallestSubgroup = 2;
constexpr int kLargestSubgroup = 10;

// The constants for subgroups of n; nullopt outside 2..10.
std::optional<ControlConstants> controlConstants(int n);
