// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Numbers as the user sees them: every window writes and reads numbers through these functions,
// always with "." as the decimal point and never with digit grouping, whatever the locale.

#include <optional>
#include <string>
#include <string_view>

namespace NumberText {

// The general form: the value rounded to 15 significant digits, written in plain decimal notation
// without trailing zeros, with a leading "-" when negative ("8.9", "-1030", "0.0000001").
std::string general(double value);

// The shortest text that reads back as the same double, for files that scripts read on (JSON):
// "414", "2.5120772946859904", "1e-07".
std::string full(double value);

// The form for files that scripts and spreadsheets read (CSV, JSON): the value rounded (half away
// from zero, as fixed does) to 10 significant digits relative to scale, the largest magnitude among
// the values of its quantity, and written as the shortest plain decimal that reads back as that; so
// a value below that resolution is "0", never "-0", and 86.4000000000001 is "86.4". A scale below
// the value's own magnitude counts as that magnitude. decimalPoint is "." except for a spreadsheet
// that wants ",".
std::string tidy(double value, double scale, char decimalPoint = '.');

// The fixed formats "#0" (decimals 0), "#0.00" (2) and "#0.000" (3). The value is taken in its
// 15-significant-digit form and rounded half away from zero, so 2.675 gives "2.68"; a result
// that rounds to zero carries no minus sign.
std::string fixed(double value, int decimals);

// The two fixed formats every output shares: values as the windows show them ("#0.00") and
// sections as the listings show them ("#0.000").
inline std::string dve(double value)
{
    return fixed(value, 2);
}
inline std::string tri(double value)
{
    return fixed(value, 3);
}

// The rule for a numeric entry field: digits with at most one "." (which may lead or trail) and at
// least one digit. Anything else, the lone "." among it, is no number.
std::optional<double> parseField(std::string_view text);

// Reads back a text that the program wrote itself: the field rule with an optional leading "-".
std::optional<double> parseSigned(std::string_view text);

// The display re-format: a text holding a number becomes that number in fixed(decimals); any other
// text, the empty one among them, stays as it is.
std::string reformat(std::string_view text, int decimals);

} // namespace NumberText
