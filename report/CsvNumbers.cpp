#include "report/CsvNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Both functions scale the value to the integer of its printed digits with one rounded
// multiplication or division by an exact power of ten, which is off by far less than 1e-6.
// Only a scaled value within 1e-6 of a rounding tie could round the other way than the exact
// decimal expansion printf rounds; those few, and values out of the exact range, go the slow way.
namespace {

constexpr double TieMargin = 1e-6;

constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double ScaleByPowerOfTen(double value, int exponent)
{
    return exponent >= 0 ? value * ExactPowersOfTen[exponent] : value / ExactPowersOfTen[-exponent];
}

bool NearTie(double scaled)
{
    return std::fabs(scaled - std::floor(scaled) - 0.5) < TieMargin;
}

// The digits of number, most significant first, exactly count of them.
char *WriteDigits(char *at, std::uint64_t number, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        at[i] = char('0' + number % 10);
        number /= 10;
    }
    return at + count;
}

char *DropTrailingZeros(char *begin, char *end)
{
    while (end > begin && end[-1] == '0')
        --end;
    if (end > begin && end[-1] == '.')
        --end;
    return end;
}

} // namespace

char *WriteSignificant9(char *at, double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-13 && magnitude < 1e22))
        return std::to_chars(at, at + 32, value, std::chars_format::general, 9).ptr;
    // The decimal exponent is this estimate from the binary one or one more.
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    int exponent = int(std::floor((binaryExponent - 1) * 0.30102999566398120));
    double scaled = ScaleByPowerOfTen(magnitude, 8 - exponent);
    if (scaled >= 1e9) {
        ++exponent;
        scaled = ScaleByPowerOfTen(magnitude, 8 - exponent);
    }
    if (scaled < 1e8 - 0.5 || NearTie(scaled))
        return std::to_chars(at, at + 32, value, std::chars_format::general, 9).ptr;
    auto digits = std::uint64_t(std::floor(scaled + 0.5));
    // Rounding up may carry into a tenth digit: 999999999.7 is 1.00000000e+09.
    if (digits == 1'000'000'000) {
        digits = 100'000'000;
        ++exponent;
    }

    if (std::signbit(value))
        *at++ = '-';
    char *const begin = at;
    if (exponent >= 9 || exponent < -4) {
        char text[9];
        WriteDigits(text, digits, 9);
        *at++ = text[0];
        *at++ = '.';
        for (int i = 1; i < 9; ++i)
            *at++ = text[i];
        at = DropTrailingZeros(begin, at);
        *at++ = 'e';
        *at++ = exponent < 0 ? '-' : '+';
        return WriteDigits(at, std::uint64_t(std::abs(exponent)), 2);
    }
    if (exponent >= 0) {
        char text[9];
        WriteDigits(text, digits, 9);
        for (int i = 0; i <= exponent; ++i)
            *at++ = text[i];
        *at++ = '.';
        for (int i = exponent + 1; i < 9; ++i)
            *at++ = text[i];
        return DropTrailingZeros(begin, at);
    }
    *at++ = '0';
    *at++ = '.';
    for (int i = 0; i < -exponent - 1; ++i)
        *at++ = '0';
    at = WriteDigits(at, digits, 9);
    return DropTrailingZeros(begin, at);
}

char *WriteFixed2(char *at, double value)
{
    const double scaled = std::fabs(value) * 100.0;
    if (!(scaled < 1e8) || NearTie(scaled))
        return std::to_chars(at, at + 32, value, std::chars_format::fixed, 2).ptr;
    const auto hundredths = std::uint64_t(std::floor(scaled + 0.5));
    if (std::signbit(value))
        *at++ = '-';
    at = std::to_chars(at, at + 32, hundredths / 100).ptr;
    *at++ = '.';
    return WriteDigits(at, hundredths % 100, 2);
}
