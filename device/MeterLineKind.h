#pragma once
// What a line from the meter is, decided from its length alone: a measurement line (15
// characters with CR LF), a dBm line (13), or a stray line. After the meter was lost the first
// line may be the cut end of one sent before; only its last full measurement line counts.

#include <QString>

enum class TMeterLineKind {
    Dbm,
    Measurement,
    Stray,
    CutRemainder, // the rest of a line cut when the meter was lost: nothing to do
};

struct TMeterLine {
    TMeterLineKind Kind;
    QString Text; // the measurement line to parse, for Measurement
};

TMeterLine ClassifyMeterLine(const QString &data, bool lineMayBeCut);
