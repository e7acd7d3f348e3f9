// The ".histo" file of THistogram: one decimal integer per line, CR LF line ends:
// Lower, Upper, ClassCount, Total, MaxCount, ModeIndex, then the ClassCount counts.
// The reader also takes LF line ends and blanks around a number, and ignores what follows
// the last count; the counts, Total and MaxCount are unsigned, as they are written.

#include "model/UnitHistogram_COMMON.h"

#include "model/AtomicFileWrite.h"
#include "model/FileError.h"
#include "model/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <charconv>
#include <cstdlib>

namespace {

// Hands out the lines of a histogram file as numbers, and rejects the file, naming it and
// the line, as soon as a line is missing or is not a number of the expected type.
class THistoLineReader {
public:
    THistoLineReader(const QByteArray &bytes, const QString &fileName) : Bytes(bytes), FileName(fileName) {}

    template <typename TNumber>
    TNumber Next(const char *what)
    {
        ++LineNumber;
        if (Position >= Bytes.size())
            Reject(QCoreApplication::translate("HistogramFile", "%1 is missing")
                       .arg(QCoreApplication::translate("HistogramFile", what)));
        qsizetype end = Bytes.indexOf('\n', Position);
        if (end < 0)
            end = Bytes.size();
        QByteArrayView line(Bytes.constData() + Position, end - Position);
        Position = end + 1;
        line = line.trimmed();
        TNumber value{};
        const auto [last, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (line.isEmpty() || error != std::errc() || last != line.data() + line.size())
            Reject(QCoreApplication::translate("HistogramFile", "%1 is not a valid number")
                       .arg(QCoreApplication::translate("HistogramFile", what)));
        return value;
    }

    // Lines not yet read, so that no storage is sized from a number the file cannot back.
    qsizetype RemainingLines() const
    {
        if (Position >= Bytes.size())
            return 0;
        const QByteArrayView rest(Bytes.constData() + Position, Bytes.size() - Position);
        return rest.count('\n') + (rest.endsWith('\n') ? 0 : 1);
    }

    [[noreturn]] void Reject(const QString &reason) const
    {
        throw EInOutError(QCoreApplication::translate("HistogramFile", "Invalid histogram file, line %1: %2: %3")
                              .arg(LineNumber)
                              .arg(reason, QDir::toNativeSeparators(FileName)));
    }

private:
    int LineNumber = 0;
    const QByteArray &Bytes;
    const QString &FileName;
    qsizetype Position = 0;
};

QByteArray ReadFileBytes(const QString &fileName)
{
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(file, fileName, errno);
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(file, fileName, errno);
    return bytes;
}

} // namespace

THistogram THistogram::ReadFromFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        ShowMessageBox(TMsgKind::Error,
                       QCoreApplication::translate("HistogramFile", "THistogram class, constructor ReadFromFile: "
                                                                    "the file argument does not exist"));
        return THistogram();
    }
    const QByteArray bytes = ReadFileBytes(fileName);
    THistoLineReader lines(bytes, fileName);
    const auto lower = lines.Next<std::int32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the lower bound"));
    const auto upper = lines.Next<std::int32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the upper bound"));
    const auto classCount = lines.Next<std::int32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the number of classes"));
    if (classCount != std::llabs(lower) + std::llabs(upper) + 1)
        lines.Reject(QCoreApplication::translate("HistogramFile", "%1 classes do not match the bounds %2 and %3")
                         .arg(classCount)
                         .arg(lower)
                         .arg(upper));
    const auto total = lines.Next<std::uint32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the total"));
    const auto maxCount = lines.Next<std::uint32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the largest count"));
    const auto modeIndex = lines.Next<std::int32_t>(QT_TRANSLATE_NOOP("HistogramFile", "the mode"));
    if (modeIndex < 0 || modeIndex >= classCount)
        lines.Reject(QCoreApplication::translate("HistogramFile", "the mode %1 is not one of the %2 classes")
                         .arg(modeIndex)
                         .arg(classCount));
    if (lines.RemainingLines() < classCount)
        lines.Reject(QCoreApplication::translate("HistogramFile", "%1 counts expected, %2 lines left")
                         .arg(classCount)
                         .arg(lines.RemainingLines()));

    THistogram histogram(lower, upper);
    if (histogram.Counts.size() != static_cast<std::size_t>(classCount))
        return histogram; // out of memory, already reported
    for (std::uint32_t &count : histogram.Counts)
        count = lines.Next<std::uint32_t>(QT_TRANSLATE_NOOP("HistogramFile", "a count"));
    histogram.Total = total;
    histogram.MaxCount = maxCount;
    histogram.ModeIndex = modeIndex;
    return histogram;
}

void THistogram::WriteToFile(const QString &fileName) const
{
    if (QFileInfo::exists(fileName)
        && ShowMessageBox(TMsgKind::Warning,
                          QCoreApplication::translate("HistogramFile",
                                                      "THistogram Class, Procedure WriteToFile: the argument file "
                                                      "already exists. Do you want to overwrite it?"),
                          TMsgButtons::YesNo)
               != TMsgAnswer::Yes)
        return;

    QByteArray text;
    const auto appendLine = [&text](auto number) {
        text += QByteArray::number(number);
        text += "\r\n";
    };
    appendLine(Lower);
    appendLine(Upper);
    appendLine(ClassCount);
    appendLine(Total);
    appendLine(MaxCount);
    appendLine(ModeIndex);
    for (const std::uint32_t count : Counts)
        appendLine(count);

    ReplaceFileContent(fileName, text.constData(), static_cast<std::size_t>(text.size()));
}
