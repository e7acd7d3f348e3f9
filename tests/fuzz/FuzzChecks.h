#pragma once
// What every fuzz target holds its results to, and the scratch files the readers read from.
// A broken rule prints what broke and aborts, which libFuzzer and the corpus replay both
// report as a finding.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

[[noreturn]] void FuzzFailure(const char *what, const QString &detail = QString());

// A number the program shows or stores: never NaN or infinite.
void RequireFinite(double value, const char *what);
// A text the program shows: no "nan" or "inf" in any spelling.
void RequireNoNonFiniteText(const QString &text, const char *what);
void Require(bool condition, const char *what, const QString &detail = QString());

// The input written to a file of that name in a scratch folder of the process; its path.
QString ScratchFile(const QString &name, const std::uint8_t *data, std::size_t size);
QString ScratchPath(const QString &name);

// The summary of zeltar-export: its eighteen "key: value" lines, in order, with no control
// character inside a line and no non-finite number.
void RequireSoundSummary(const QByteArray &summary);

// The qApp some readers need (timers, the locale); made once.
void EnsureCoreApplication();

// What a writer (given the stream) wrote.
template <typename TWrite>
QByteArray WrittenText(TWrite write)
{
    char *buffer = nullptr;
    std::size_t length = 0;
    std::FILE *stream = open_memstream(&buffer, &length);
    if (!stream)
        FuzzFailure("open_memstream");
    write(stream);
    std::fclose(stream);
    QByteArray text(buffer, static_cast<qsizetype>(length));
    std::free(buffer);
    return text;
}
