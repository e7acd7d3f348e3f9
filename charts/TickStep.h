#pragma once
// A tick step as Units / Divisor, with Divisor a power of ten, so that every tick value
// k * Units / Divisor is the double nearest to its decimal value (0.3, not
// 0.30000000000000004) and its label rounds the way one reads it.

#include <vector>

struct TTickStep {
    double Units = 1.0;
    double Divisor = 1.0;

    double Value() const { return Units / Divisor; }
};

// The multiples of step within [lo, hi], ascending. None for an empty or non-finite window,
// and none when the window would hold more than a thousand: at such a scale the doubles can
// no longer tell the ticks apart.
std::vector<double> TickValues(double lo, double hi, TTickStep step);
