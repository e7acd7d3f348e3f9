#include "tools/meter-sim/MeterScript.h"

#include "tools/meter-sim/MeterLines.h"

#include <algorithm>

using std::chrono::microseconds;

namespace {

constexpr qint64 BitsPerCharacter = 10; // start, 8 data, stop
constexpr qint64 BaudRate = 9600;
constexpr qsizetype MaxPieceSize = 6;

TValueSource MakeReadings(const TSimOptions &options)
{
    return options.Values.isEmpty() ? TValueSource(options.Pattern) : TValueSource(options.Values);
}

} // namespace

TMeterScript::TMeterScript(const TSimOptions &options)
    : Options(options),
      Readings(MakeReadings(options)),
      DataLinesLeft(options.DumpRecords >= 0 ? options.DumpRecords : options.Count),
      ChunkRandom(options.ChunkSeed)
{
    if (Options.DumpRecords >= 0)
        for (const QByteArray &header : DumpHeaderLines(Options.IntervalSeconds, Options.DumpRecords))
            HeaderLines.push_back(header);
}

microseconds TMeterScript::WireTime(qsizetype bytes)
{
    return microseconds(bytes * BitsPerCharacter * 1000000 / BaudRate);
}

std::optional<TScriptStep> TMeterScript::Next()
{
    if (Pieces.empty()) {
        const bool dump = Options.DumpRecords >= 0;
        // The first line comes one interval after the start, as from a meter just switched on.
        microseconds delay = std::chrono::duration_cast<microseconds>(std::chrono::duration<double>(Options.IntervalSeconds));
        if (dump && LinesWritten > 0)
            delay = Options.BaudPace ? WireTime(PreviousLineSize) : microseconds(0);
        const std::optional<QByteArray> line = NextLine();
        if (!line)
            return std::nullopt;
        PreviousLineSize = line->size();
        SplitIntoPieces(*line, delay);
    }
    TScriptStep step = std::move(Pieces.front());
    Pieces.pop_front();
    return step;
}

std::optional<QByteArray> TMeterScript::NextLine()
{
    const bool strayDue = !Options.StrayText.isEmpty() && LinesWritten + 1 == Options.StrayAt;
    if (!strayDue && HeaderLines.empty() && DataLinesLeft == 0)
        return std::nullopt;
    ++LinesWritten;
    if (strayDue)
        return Options.StrayText + "\r\n";
    if (!HeaderLines.empty()) {
        QByteArray header = std::move(HeaderLines.front());
        HeaderLines.pop_front();
        return header;
    }
    if (DataLinesLeft > 0)
        --DataLinesLeft;
    return NextDataLine();
}

QByteArray TMeterScript::NextDataLine()
{
    const double reading = Readings.Next();
    if (Options.Dbm)
        return DbmLine(reading);
    if (Options.Frequencies.isEmpty())
        return MeasurementLine(reading, 0, Options.DecimalComma);
    const int frequency = Options.Frequencies[FrequencyIndex];
    FrequencyIndex = (FrequencyIndex + 1) % Options.Frequencies.size();
    return MeasurementLine(reading, frequency, Options.DecimalComma);
}

void TMeterScript::SplitIntoPieces(const QByteArray &line, microseconds delay)
{
    if (!Options.Chunked) {
        Pieces.push_back({delay, line});
        return;
    }
    qsizetype start = 0;
    while (start < line.size()) {
        const qsizetype longest = std::min<qsizetype>(line.size() - start, MaxPieceSize);
        const qsizetype length = std::uniform_int_distribution<qsizetype>(1, longest)(ChunkRandom);
        Pieces.push_back({delay, line.mid(start, length)});
        start += length;
        delay = std::chrono::milliseconds(std::uniform_int_distribution<int>(1, 5)(ChunkRandom));
    }
}
