#pragma once
// Every text of a record's report in one place.

#include <QString>

#include <array>

struct TReportTexts {
    QString Title;             // %1: the log's file name
    QString RecordHeading;
    QString Operator, Place, Notes, Start, Interval, Unit, Correction, Duration, Samples;
    QString CorrectionValue;   // %1: the correction in dB
    QString StatisticsHeading;
    QString Maximum, Minimum, Mean, Range, Mode;
    QString RangeValue;        // %1: the range in dB
    QString ChartsHeading;
    QString RiskHeading;       // %1: population, %2: state
    std::array<QString, 2> Populations;
    std::array<QString, 2> States;
    QString Category, SampleCount, Time, Share;
    QString HoursMinutes;      // %1 hours, %2 minutes
    QString UnderAMinute;
    QString UnderATenth;       // %1: 0.1 in the locale's notation
    QString ExposureHeading;
    QString HighestAverage, WholeAverage, HighestSample;
    QString ExposureBasis;
    QString ShortRecord;       // %1: the record's duration
    QString BroadbandNote;
    QString DamageHeading;
    QString EpisodesHeading;   // %1: the limit's category, %2: the hold time in seconds
    QString EpisodeStart, EpisodeEnd, EpisodePeak;
    QString StillOn;
    QString NoEpisodes;
    QString MoreEpisodes;      // %1: how many are not listed
    QString FrequenciesHeading;
    QString Frequency;
    QString FrequencyBase;     // %1: how many samples reported a frequency
    QString NoFrequencies;
    QString Footer;            // %1: program, %2: version, %3: creation time
    QString Page;              // %1: page, %2: pages
};

// In the language of the installed translators, made at each call: a report made after a
// change of language is in the new one.
TReportTexts ReportTexts();
