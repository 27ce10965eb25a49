// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Datoteke.h"

#include "output/CrtezAnvelopa.h"
#include "output/DijagramSlika.h"
#include "output/ProracunskiList.h"
#include "output/ProracunskiListNiz.h"
#include "output/SaveFile.h"
#include "translations/Translations.h"

#include <QBuffer>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

void snimi(const std::string &putanja, const QByteArray &bajtovi, std::string &greske)
{
    const SaveFile::Result rezultat = SaveFile::write(QString::fromStdString(putanja), bajtovi);
    if (!rezultat) {
        greske += QCoreApplication::translate("kelvane-calc", "Datoteka %1 nije snimljena: %2")
                      .arg(QString::fromStdString(putanja), rezultat.reason)
                      .toStdString()
            + "\n";
    }
}

// The train's exact envelopes as frmNizSila plots them, with the axis in metres.
QByteArray slikaNiza(const TacneAnvelope::Niz &niz)
{
    const TacneAnvelope::RezultatNiza r = TacneAnvelope::proracunajNiz(niz);
    TacneAnvelope::Poredjenje crtez;
    crtez.tacne = r.anvelope;
    crtez.maksimum = r.maksimum;
    QImage slika(900, 600, QImage::Format_RGB32);
    slika.fill(Qt::white);
    {
        QPainter painter(&slika);
        nacrtajAnvelope(painter, QRectF(slika.rect()), crtez, niz.L, true);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    slika.save(&buffer, "PNG");
    return buffer.data();
}

} // namespace

extern "C" bool kelvaneCalcDatoteke(const ZahtevDatoteka &zahtev, std::string &greske)
{
    // Qt's painting needs an application object; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder, say) are no business of a script reading
    // standard error: the tool reports its failures itself.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    int argc = 1;
    char ime[] = "kelvane-calc";
    char *argv[] = { ime, nullptr };
    QGuiApplication app(argc, argv);
    useLanguage(zahtev.jezik);

    const std::size_t pre = greske.size();
    if (zahtev.niz) {
        const ProracunskiList::SadrzajNiza sadrzaj { *zahtev.niz, zahtev.dokument,
            QDateTime::currentDateTime() };
        if (!zahtev.pdf.empty())
            snimi(zahtev.pdf, ProracunskiList::pdfNiza(sadrzaj), greske);
        if (!zahtev.png.empty())
            snimi(zahtev.png, slikaNiza(*zahtev.niz), greske);
        return greske.size() == pre;
    }
    const RezultatiProracuna &r = *zahtev.rezultati;
    if (!zahtev.pdf.empty()) {
        const ProracunskiList::Sadrzaj sadrzaj { zahtev.ulaz, zahtev.dokument,
            QDateTime::currentDateTime() };
        snimi(zahtev.pdf, ProracunskiList::pdf(r, sadrzaj), greske);
    }
    if (!zahtev.png.empty())
        snimi(zahtev.png, DijagramSlika::png(r), greske);
    return greske.size() == pre;
}
