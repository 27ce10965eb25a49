#pragma once

// The rules for the section field x and the field n of the windows that evaluate the envelopes at
// a section or at n + 1 sections. The windows say what a refusal looks like (a message, a reset,
// the focus); whether a text is refused is decided here, once for all of them.

#include <optional>

namespace PravilaUnosa {

// The text of the message that refuses a section, under the caption of the input checks.
extern const char *const porukaPreseka;

// What a refused section field is reset to.
extern const char *const pocetniPresek;

// What a refused field n is reset to, and its text when its window opens.
extern const char *const pocetniBrojPolja;

// A section is accepted when its text is a number from 0 to the span L, both included. The field's
// key filter admits no sign, so "from 0" needs no test of its own.
bool presekPrihvacen(std::optional<double> x, double L);

// A number of fields is accepted when its text is a number other than 0.
bool brojPoljaPrihvacen(std::optional<double> n);

} // namespace PravilaUnosa
