// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace NumberText {

namespace {

constexpr int significantDigits = 15;

// The value's 15 significant digits and the power of ten of the first one.
struct Decimal
{
    bool negative = false;
    std::string digits; // exactly 15 digits, or "0"
    int exponent = 0; // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal decompose(double value)
{
    Decimal d;
    if (value == 0.0) {
        d.digits.assign(1, '0');
        return d;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
        std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer, result.ptr - buffer);
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.')
            d.digits += c;
    }
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return d;
}

// Digits of the integer part and of the fraction of a decimal, without signs.
std::string plain(const std::string &digits, int exponent, std::string &fraction)
{
    std::string integer;
    fraction.clear();
    const int pointAfter = exponent + 1; // digits before the decimal point
    if (pointAfter <= 0) {
        integer.assign(1, '0');
        fraction.assign(-pointAfter, '0');
        fraction.append(digits);
    } else if (pointAfter >= static_cast<int>(digits.size())) {
        integer = digits;
        integer.append(pointAfter - digits.size(), '0');
    } else {
        integer = digits.substr(0, pointAfter);
        fraction = digits.substr(pointAfter);
    }
    return integer;
}

bool allZeros(std::string_view s)
{
    return s.find_first_not_of('0') == std::string_view::npos;
}

constexpr int tidyDigits = 10;

// The powers of ten that a double holds exactly.
constexpr int maxExactPower = 22;
constexpr double exactPowers[maxExactPower + 1] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
    1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

// The power of ten of the first digit of a positive magnitude after its rounding to 10 digits, so
// that 9.99999999999 counts as 10.
int tidyExponent(double magnitude)
{
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int shift = tidyDigits - 1 - exponent;
    if (shift >= 0 && shift <= maxExactPower) {
        // log10 may miss by one next to a power of ten; the rounding may carry into the next one.
        const long long digits = std::llround(magnitude * exactPowers[shift]);
        if (digits >= 10'000'000'000LL)
            ++exponent;
        else if (digits < 1'000'000'000LL)
            --exponent;
        return exponent;
    }
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, tidyDigits - 1);
    const char *e = std::find(buffer, result.ptr, 'e') + 1;
    std::from_chars(e + (*e == '+'), result.ptr, exponent);
    return exponent;
}

// The decimal units / 10^decimals, without trailing zeros and without the sign of a zero.
std::string fromUnits(long long units, int decimals)
{
    if (units == 0)
        return "0";
    char buffer[48];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, units < 0 ? -units : units);
    std::string digits(buffer, result.ptr);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string text = units < 0 ? "-" : "";
    text.append(digits, 0, digits.size() - decimals);
    std::size_t last = digits.find_last_not_of('0');
    if (last + 1 > digits.size() - decimals) {
        text += '.';
        text.append(digits, digits.size() - decimals, last + 1 - (digits.size() - decimals));
    }
    return text;
}

} // namespace

std::string general(double value)
{
    const Decimal d = decompose(value);
    if (d.digits.size() == 1 && d.digits[0] == '0')
        return "0";
    std::string fraction;
    std::string integer = plain(d.digits, d.exponent, fraction);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string text = d.negative ? "-" : "";
    text += integer;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

std::string fixed(double value, int decimals)
{
    const Decimal d = decompose(value);
    std::string fraction;
    std::string integer = plain(d.digits, d.exponent, fraction);
    fraction.resize(std::max<std::size_t>(fraction.size(), decimals + 1), '0');

    // Round half away from zero on the decimal digits, carrying into the integer part.
    std::string kept = integer + fraction.substr(0, decimals);
    if (fraction[decimals] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    std::string text = kept.substr(0, kept.size() - decimals);
    const auto firstDigit = std::min(text.find_first_not_of('0'), text.size() - 1);
    text.erase(0, firstDigit);
    if (decimals > 0) {
        text += '.';
        text.append(kept, kept.size() - decimals, decimals);
    }
    if (d.negative && !allZeros(kept))
        text.insert(text.begin(), '-');
    return text;
}

std::optional<double> parseField(std::string_view text)
{
    int points = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == '.')
            ++points;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    if (points > 1 || digits == 0)
        return std::nullopt;
    // from_chars wants a digit before the point; a leading point reads as a zero before it.
    std::string normalized;
    if (text.front() == '.')
        normalized = '0';
    normalized.append(text);
    double value = 0.0;
    const auto result
        = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (result.ec != std::errc() || result.ptr != normalized.data() + normalized.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseSigned(std::string_view text)
{
    if (!text.empty() && text.front() == '-') {
        const auto magnitude = parseField(text.substr(1));
        if (!magnitude)
            return std::nullopt;
        return -*magnitude;
    }
    return parseField(text);
}

std::string reformat(std::string_view text, int decimals)
{
    const auto value = parseSigned(text);
    return value ? fixed(*value, decimals) : std::string(text);
}

std::string full(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string tidy(double value, double scale, char decimalPoint)
{
    const double magnitude = std::max(std::abs(scale), std::abs(value));
    if (!std::isfinite(value) || !std::isfinite(magnitude))
        return full(value);
    if (magnitude == 0.0)
        return "0";
    const int decimals = tidyDigits - 1 - tidyExponent(magnitude);
    std::string text;
    if (decimals >= 0 && decimals <= maxExactPower) {
        // |value| below the magnitude leaves at most 10 digits: the units fit an integer, and a
        // study writes a million numbers, so no general decimal conversion here.
        text = fromUnits(std::llround(value * exactPowers[decimals]), decimals);
    } else {
        // Rounded in decimal from the exact binary value.
        char buffer[512];
        const auto result = decimals >= 0
            ? std::to_chars(
                buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            : std::to_chars(buffer, buffer + sizeof buffer,
                std::round(value / std::pow(10.0, -decimals)) * std::pow(10.0, -decimals),
                std::chars_format::fixed);
        text.assign(buffer, result.ptr);
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
        if (text == "-0")
            text = "0";
    }
    // At most 10 significant digits are left, too few for a shorter text to read back as the
    // same double: this is the shortest one.
    if (decimalPoint != '.')
        std::replace(text.begin(), text.end(), '.', decimalPoint);
    return text;
}

} // namespace NumberText
