// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/UpozorenjeKlasicne.h"

#include "core/TacneAnvelopeTekst.h"
#include "output/TekstBroja.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>

namespace UpozorenjeKlasicne {

namespace {

// The display fields are disabled: their text colour is the disabled group's.
const QColor bojaUpozorenja(0xc0, 0x39, 0x2b);

void oboji(QLineEdit *field, bool kratka)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
        kratka ? bojaUpozorenja : palette.color(QPalette::Active, QPalette::Text));
    field->setPalette(palette);
}

} // namespace

void napomeni(
    QLineEdit *field, Velicina v, double klasicna, const TacneAnvelope::TacnaVrednost &tacna)
{
    const QString napomena = qtekst(TacneAnvelope::napomena(v, klasicna, tacna));
    field->setToolTip(napomena);
    oboji(field, !napomena.isEmpty());
}

void napomeniMaksimum(QLineEdit *mmaxI, QLineEdit *mmaxII, const RezultatiProracuna &r)
{
    const TacneAnvelope::ApsolutniMaksimum m = TacneAnvelope::apsolutniMaksimum(
        TacneAnvelope::tacneAnvelope(TacneAnvelope::par(r.ulaz()), r.ulaz().L));
    const bool vece = m.M - std::max(r.dblMmaxI(), r.dblMmaxII()) > TacneAnvelope::zaokruzivanje;
    const QString napomena = vece
        ? QCoreApplication::translate(
            "frmIzlazna", "Apsolutni maksimum (svi polozaji sila): %1 kNm u x = %2 m, %3")
              .arg(dve(m.M), tri(m.x),
                  qtekst(TacneAnvelope::opisPolozaja(Velicina::ExtM, m.polozaj)))
        : QString();
    for (QLineEdit *f : { mmaxI, mmaxII }) {
        f->setToolTip(napomena);
        oboji(f, vece);
    }
}

} // namespace UpozorenjeKlasicne
