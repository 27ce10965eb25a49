// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ProracunskiList.h"

#include "output/ProracunskiListBlokovi.h"
#include "output/ProracunskiListDijagram.h"
#include "output/ProracunskiListRezime.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace ProracunskiList {

namespace {

// Page 1 leads with what a design rests on: the document, the inputs, the governing values; the
// method follows, then the classical equations, the diagram and the listing.
std::vector<Blok> sastavi(const Platno &mera, const RezultatiProracuna &r, const Sadrzaj &s,
    const TacneAnvelope::Poredjenje &p)
{
    int broj = 0;
    std::vector<Blok> blokovi;
    blokovi.push_back(
        naslovLista(Tekst::tr("Extremne vrednosti momenata savijanja i transverzalnih sila "
                              "proste grede pod pokretnim parom spregnutih sila")));
    blokovi.push_back(dokumentBlok(s.dokument));
    blokovi.push_back(ulazniParametri(++broj, s.ulaz));
    blokovi.push_back(merodavneBlok(mera, ++broj, p, r));
    blokovi.push_back(metodBlok(mera, ++broj, r));
    blokovi.push_back(momenti(++broj, r));
    blokovi.push_back(sile(++broj, r));
    blokovi.push_back(dijagramBlok(mera, ++broj, p, s.ulaz.L));
    blokovi.push_back(listing(++broj, r));
    return blokovi;
}

std::vector<std::vector<std::pair<const Blok *, double>>> strane(const std::vector<Blok> &blokovi)
{
    std::vector<std::vector<std::pair<const Blok *, double>>> strane(1);
    double y = teloVrh;
    for (const Blok &b : blokovi) {
        if (y + b.visina > teloDno && !strane.back().empty()) {
            strane.emplace_back();
            y = teloVrh;
        }
        strane.back().emplace_back(&b, y);
        y += b.visina;
    }
    return strane;
}

} // namespace

int nacrtaj(QPainter &painter, double tackePoMm, const std::function<bool()> &novaStrana,
    const RezultatiProracuna &r, const Sadrzaj &sadrzaj)
{
    // Lay out first, so that every footer knows the number of pages.
    painter.setRenderHint(QPainter::Antialiasing);
    Platno c(painter, tackePoMm);
    const TacneAnvelope::Poredjenje poredjenje = TacneAnvelope::uporedi(r);
    return nacrtajStrane(c, novaStrana, sastavi(c, r, sadrzaj, poredjenje), sadrzaj.vreme);
}

int nacrtajStrane(Platno &c, const std::function<bool()> &novaStrana,
    const std::vector<Blok> &blokovi, const QDateTime &vremeIzrade)
{
    const auto raspored = strane(blokovi);
    const QString vreme = vremeIzrade.toString(QStringLiteral("dd.MM.yyyy. HH:mm"));
    const int ukupno = int(raspored.size());
    for (int i = 0; i < ukupno; ++i) {
        if (i > 0 && !novaStrana())
            return i;
        zaglavlje(c, vreme);
        podnozje(c, i + 1, ukupno);
        for (const auto &[blok, yb] : raspored[i])
            blok->crtaj(c, yb);
    }
    return ukupno;
}

int nacrtaj(QPagedPaintDevice &uredjaj, const RezultatiProracuna &r, const Sadrzaj &sadrzaj)
{
    return naA4(uredjaj, [&](QPainter &painter, double tackePoMm) {
        return nacrtaj(
            painter, tackePoMm, [&uredjaj] { return uredjaj.newPage(); }, r, sadrzaj);
    });
}

int naA4(QPagedPaintDevice &uredjaj, const std::function<int(QPainter &, double)> &crtaj)
{
    QPageLayout a4(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    a4.setMode(QPageLayout::FullPageMode);
    uredjaj.setPageLayout(a4);
    QPainter painter;
    if (!painter.begin(&uredjaj))
        return 0;
    const int ukupno = crtaj(painter, uredjaj.logicalDpiX() / 25.4);
    painter.end();
    return ukupno;
}

QByteArray pdf(const RezultatiProracuna &r, const Sadrzaj &sadrzaj)
{
    return pdf([&](QPagedPaintDevice &writer) { nacrtaj(writer, r, sadrzaj); });
}

QByteArray pdf(const std::function<void(QPagedPaintDevice &)> &crtaj)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Tekst::tr("Proracunski list"));
        writer.setCreator(QStringLiteral("Kelvane ") + verzija());
        crtaj(writer);
    }
    return buffer.data();
}

} // namespace ProracunskiList
