#pragma once
// Exposure against the ICNIRP 2020 reference levels for the general public (whole body,
// averaged over 30 minutes): each reading's power density as a share of the reference power
// density at its peak frequency, the highest single share and the highest 30-minute average.
// A broadband meter reports one peak frequency per reading, so the reference level it picks
// is an approximation.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

inline constexpr double ExposureAveragingSeconds = 30 * 60;

// The reference power density in W/m² at a peak frequency in MHz: 2 from 30 to 400 MHz,
// f / 200 up to 2 GHz, 10 up to 300 GHz; the strictest, 2, outside those bands and for 0
// (no frequency reported).
double ReferenceDensity(double frequencyMHz);

// The power density of a reading (either unit, as the program converts it) over the
// reference density at its peak frequency: 1 is the reference level.
double ExposureShare(std::uint8_t unit, double value, std::uint16_t frequencyMHz);

// The shares of a record's samples, one after the other, at a fixed interval. The average
// window slides over the samples as a running sum, so a record of any length is one pass.
class TExposure {
public:
    // interval: seconds between samples; the window holds 30 minutes of them (at least one).
    explicit TExposure(double interval);

    void Add(double share);

    std::uint64_t Samples() const { return Count; }
    double PeakShare() const { return Peak; }
    // The record is shorter than the window: HighestAverage is the mean over all of it.
    bool ShorterThanWindow() const { return Count < Window; }
    // The highest mean share over any 30 minutes of consecutive samples; 0 without samples.
    double HighestAverage() const;

private:
    std::size_t Window;
    std::vector<double> Recent; // the window's shares, a ring once full
    std::size_t Oldest = 0;
    long double Sum = 0;
    double BestSum = 0;
    double Peak = 0;
    std::uint64_t Count = 0;
};

// A share as a percentage with sensible digits: three significant ones, more decimals for
// smaller values down to a millionth of a percent ("0.000512 %"), "< 0.000001 %" below and
// "0 %" for none at all.
QString ExposurePercentText(double share, const QLocale &locale = QLocale::system());
