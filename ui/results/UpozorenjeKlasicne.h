// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The results window's marks on classical values that fall short of the exact ones: the field's
// text in a warning colour, and a tooltip with the exact value and its load position.

#include "core/TacneAnvelope.h"

class QLineEdit;

namespace UpozorenjeKlasicne {

// A classical value shown at a section: marked when it falls short by more than the rounding.
void napomeni(
    QLineEdit *field, Velicina v, double klasicna, const TacneAnvelope::TacnaVrednost &tacna);

// The parabola maxima are no bound when the exact absolute maximum exceeds both (one force alone
// at midspan, say): both fields are then marked with it.
void napomeniMaksimum(QLineEdit *mmaxI, QLineEdit *mmaxII, const RezultatiProracuna &r);

} // namespace UpozorenjeKlasicne
