#pragma once
// The visible window of one axis, Lo ... Hi, that never gets narrower than its minimum
// range: writing one limit too close to (or past) the other pushes the other one away.

struct TAxisRange {
    double Lo = 0.0;
    double Hi = 1.0;
    double MinRange = 1e-10;

    double Span() const { return Hi - Lo; }

    // Non-finite values are ignored: they would leave no drawable window. Where the minimum
    // range is lost in the precision of a large limit, the limits stay at least one step of
    // double precision apart.
    void SetLo(double lo);
    void SetHi(double hi);
    // Lo first, then Hi, each keeping the invariant; equal limits are first moved apart by
    // half the minimum range each.
    void Set(double lo, double hi);
    // A minimum range of zero or below (or non-finite) is refused: the window must stay open.
    void SetMinRange(double minRange);
};
