#include "tools/resource-gen/AlertTone.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int SampleRate = 22050;
// Loud enough to be heard beside the meter, far from clipping.
constexpr double Amplitude = 0.35 * 32767;
// Fades at both ends of a beep keep it from clicking.
constexpr double FadeSeconds = 0.005;

void AppendLe16(QByteArray &bytes, std::uint16_t value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

void AppendLe32(QByteArray &bytes, std::uint32_t value)
{
    char data[4];
    qToLittleEndian(value, data);
    bytes.append(data, 4);
}

void AppendBeep(QByteArray &samples, double frequency, double seconds)
{
    const int count = static_cast<int>(seconds * SampleRate);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double fade = std::min({1.0, t / FadeSeconds, (seconds - t) / FadeSeconds});
        const double value = Amplitude * fade * std::sin(2 * std::numbers::pi * frequency * t);
        AppendLe16(samples, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    }
}

void AppendSilence(QByteArray &samples, double seconds)
{
    samples.append(static_cast<qsizetype>(seconds * SampleRate) * 2, '\0');
}

} // namespace

QByteArray MakeAlertTone()
{
    QByteArray samples;
    AppendBeep(samples, 880.0, 0.12);
    AppendSilence(samples, 0.06);
    AppendBeep(samples, 1175.0, 0.16);

    QByteArray wav("RIFF");
    AppendLe32(wav, static_cast<std::uint32_t>(36 + samples.size()));
    wav.append("WAVEfmt ");
    AppendLe32(wav, 16);             // the format chunk's size
    AppendLe16(wav, 1);              // PCM
    AppendLe16(wav, 1);              // mono
    AppendLe32(wav, SampleRate);
    AppendLe32(wav, SampleRate * 2); // bytes per second
    AppendLe16(wav, 2);              // bytes per frame
    AppendLe16(wav, 16);             // bits per sample
    wav.append("data");
    AppendLe32(wav, static_cast<std::uint32_t>(samples.size()));
    return wav + samples;
}
