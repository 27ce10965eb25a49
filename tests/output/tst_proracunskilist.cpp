// SPDX-License-Identifier: GPL-3.0-or-later

#include "Datoteke.h"
#include "PdfText.h"

#include "core/ListingLines.h"
#include "core/NumberText.h"
#include "core/VersionText.h"
#include "output/ProracunskiList.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString dve(double v)
{
    return QString::fromStdString(NumberText::fixed(v, 2));
}

// The texts of the extM and extT tabs in the order the sheet reads them, then the seven
// characteristic values of the diagram.
QStringList tabovi(const RezultatiProracuna &r)
{
    QStringList t;
    for (const double v : { r.dblKonstantaAI(), r.dblKonstantaBI(), r.dblKonstantaAII(),
             r.dblKonstantaBII(), r.dblKonstantaCII(), r.dblXmaxI(), r.dblMmaxI(), r.dblX01I(),
             r.dblX02I(), r.dblXmaxII(), r.dblMmaxII(), r.dblX01II(), r.dblX02II(), r.dblXpreseka(),
             r.dblMpreseka(), r.dblZonaVazenjaParaboleI(), r.dblZonaVazenjaParaboleII(),
             r.dblKAmaxTII(), r.dblKBmaxTII(), r.dblMaxTIIZonaVazenjaLevo(),
             r.dblMaxTIIZonaVazenjaDesno(), r.dblKAmaxTI(), r.dblKBmaxTI(),
             r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno(), r.dblKAminTI(),
             r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(), r.dblKAminTII(),
             r.dblKBminTII(), r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno() })
        t << dve(v);
    const double L = r.dblMaxTIZonaVazenjaDesno();
    const double e = r.dblMinTIZonaVazenjaDesno();
    for (const double v : { r.dblMmaxI(), r.dblMpreseka(), r.dblMmaxII(), r.dblKBmaxTII(),
             r.dblKBmaxTII() - r.dblKAmaxTII() * (L - e), r.dblKAminTI() * e,
             L * r.dblKAminTII() - r.dblKBminTII() })
        t << dve(v);
    return t;
}

// One listing row per section: its number, x, extM, maxT and minT as the listings write them.
QStringList listing(const RezultatiProracuna &r, const UlazniParametri &u)
{
    const auto m = ListingLines::momenti(r, 10);
    const auto t = ListingLines::transverzalneSile(r, 10);
    QStringList redovi;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const auto vrednosti = [](const std::string &line) {
            QStringList v;
            for (const QString &part : QString::fromStdString(line).split(QStringLiteral("\t\t")))
                v << part.section(QStringLiteral("= "), 1);
            return v;
        };
        const QStringList vm = vrednosti(m[i]);
        const QStringList vt = vrednosti(t[i]);
        redovi << QStringList { QString::number(i), vm[0], vm[1], vt[1], vt[2] }.join(' ');
    }
    return redovi;
}

// A pattern of the texts in this order on one line, blanks between them and their words.
QString red(const QStringList &texts)
{
    QStringList escaped;
    for (const QString &t : texts) {
        for (const QString &word : t.split(' ', Qt::SkipEmptyParts))
            escaped << QRegularExpression::escape(word);
    }
    return QStringLiteral("(^|\\s)") + escaped.join(QStringLiteral("\\s+"))
        + QStringLiteral("(\\s|$)");
}

} // namespace

Q_DECLARE_METATYPE(UlazniParametri)

class tst_ProracunskiList : public QObject
{
    Q_OBJECT

private slots:
    void sheetShowsEveryValue_data();
    void sheetShowsEveryValue();
    void noTextCrossesTheMargins_data();
    void noTextCrossesTheMargins();
};

void tst_ProracunskiList::sheetShowsEveryValue_data()
{
    QTest::addColumn<UlazniParametri>("ulaz");
    QTest::addColumn<QStringList>("ulazTekst"); // P1, P2, e, L as the sheet writes them
    QTest::addColumn<QStringList>("sazetak");
    QTest::addColumn<QStringList>("vrednosti"); // tabovi() order
    QTest::addColumn<QStringList>("redovi"); // listing() form
    QTest::addColumn<int>("strane");

    // The start values, as the results window and the listings show them.
    QTest::newRow("start values, four pages")
        << UlazniParametri { 206, 208, 5, 9 } << QStringList { "206", "208", "5", "9" }
        << QStringList { "Mmax = 487.68 kNm u x = 5.744 m; P2 u preseku, P1 na gredi.",
               "maxT(x = 0.000 m) = 298.44 kN;", "minT(x = 9.000 m) = -299.56 kN;",
               "najveca razlika 54.00 kNm (11.5 % tacne vrednosti) u x = 4.478" }
        << QStringList { "298.44", "46.00", "528.44", "46.00", "1030.00", "3.24", "484.07", "0.00",
               "6.49", "5.74", "487.68", "2.49", "9.00", "4.48", "413.99", "4.48", "4.52", "46.00",
               "298.44", "0.00", "4.00", "22.89", "206.00", "4.00", "9.00", "23.11", "0.00", "5.00",
               "46.00", "114.44", "5.00", "9.00", "484.07", "413.99", "487.68", "298.44", "114.44",
               "115.56", "299.56" }
        << QStringList { "0 0.000 0.000 298.444 0.000", "1 0.900 231.340 257.044 -20.800",
               "2 1.800 388.160 215.644 -41.600", "3 2.700 470.460 174.244 -62.400",
               "4 3.600 478.240 132.844 -83.200", "5 4.500 416.500 103.000 -104.000",
               "6 5.400 482.240 82.400 -133.956", "7 6.300 473.460 61.800 -175.356",
               "8 7.200 390.160 41.200 -216.756", "9 8.100 232.340 20.600 -258.156",
               "10 9.000 0.000 0.000 -299.556" }
        << 4;

    // The heavier force on the left, decimals typed.
    const UlazniParametri drugi { 120, 80.5, 2.5, 12.75 };
    RezultatiProracuna r;
    r.proracunaj(drugi);
    QTest::newRow("P1 heavier, four pages")
        << drugi << QStringList { "120", "80.5", "2.5", "12.75" }
        << QStringList { "Mmax = 542.43 kNm u x = 5.873 m; P1 u preseku, P2 na gredi.",
               "minT(x = 12.750 m) = -176.97 kN;",
               "extM: klasicna i tacna anvelopa se slazu na celom rasponu" }
        << tabovi(r) << listing(r, drugi) << 4;
}

void tst_ProracunskiList::sheetShowsEveryValue()
{
    QFETCH(UlazniParametri, ulaz);
    QFETCH(QStringList, ulazTekst);
    QFETCH(QStringList, sazetak);
    QFETCH(QStringList, vrednosti);
    QFETCH(QStringList, redovi);
    QFETCH(int, strane);

    RezultatiProracuna r;
    r.proracunaj(ulaz);
    const ProracunskiList::Sadrzaj sadrzaj { ulaz, {}, QDateTime(QDate(2025, 3, 14), QTime(9, 5)) };
    const QByteArray pdf = ProracunskiList::pdf(r, sadrzaj);
    QVERIFY(pdf.startsWith("%PDF-"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();

    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)"))),
        qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(strane))),
        qPrintable(info));

    const QString text = pdfTekst(path);
    const auto naListu = [&](const QStringList &texts) {
        QVERIFY2(text.contains(QRegularExpression(red(texts), QRegularExpression::MultilineOption)),
            qPrintable(texts.join(QStringLiteral(" | "))));
    };
    naListu({ QStringLiteral("Kelvane"),
        QString::fromUtf8(verzija().data(), qsizetype(verzija().size())) });
    naListu({ QStringLiteral("14.03.2025. 09:05") });
    // The inputs in their table and on the sketch, where the layout may close up the blanks.
    const char *oznake[] = { "P1", "P2", "e", "L" };
    const char *opisi[] = { "sila levo", "sila desno", "razmak sila", "raspon grede" };
    const char *jedinice[] = { "kN", "kN", "m", "m" };
    QString bezRazmaka = text;
    bezRazmaka.remove(QRegularExpression(QStringLiteral("\\s")));
    for (int i = 0; i < 4; ++i) {
        naListu({ oznake[i], opisi[i], ulazTekst[i], jedinice[i] });
        const QString skica = QLatin1String(oznake[i]) + '=' + ulazTekst[i] + jedinice[i];
        QVERIFY2(bezRazmaka.contains(skica), qPrintable(skica));
    }

    const QStringList &v = vrednosti;
    naListu({ "Jednacina parabole I =", v[0], "*X-", v[1], "*X^2" });
    naListu({ "Jednacina parabole II =", v[2], "*X-", v[3], "*X^2-", v[4] });
    naListu({ "Parabola I", v[5], v[6], v[7], v[8] });
    naListu({ "Parabola II", v[9], v[10], v[11], v[12] });
    naListu({ v[13], v[14] }); // the intersection, between the two rows
    naListu({ "Zona vazenja parabole I  \u00B5[m]=", v[15],
        "Zona vazenja parabole II \u00B5[m]=", v[16] });
    naListu({ "-", v[17], "*X+", v[18], v[19], "=<X[m]<=", v[20] });
    naListu({ "-", v[21], "*X+", v[22], v[23], "=<X[m]<=", v[24] });
    naListu({ "-", v[25], "*X", v[26], "=<X[m]<=", v[27] });
    naListu({ "-", v[28], "*X+", v[29], v[30], "=<X[m]<=", v[31] });

    // The support shears, signed with their units, between the diagram's heading and its legend;
    // the classical characteristic values stay in the tables.
    const qsizetype od = text.indexOf(QStringLiteral("Dijagram extremnih vrednosti"));
    const qsizetype doLegende = text.indexOf(QStringLiteral("tacna anvelopa, svi polozaji"));
    QVERIFY(od > 0 && doLegende > od);
    const QString dijagram = text.mid(od, doLegende - od);
    for (const QString &oslonac : { v[35] + " kN", "-" + v[38] + " kN" })
        QVERIFY2(dijagram.contains(oslonac), qPrintable(oslonac));
    for (int i : { 32, 33, 34, 35, 36, 38 })
        QVERIFY2(text.contains(v[i]), qPrintable(v[i]));

    for (const QString &line : sazetak)
        naListu({ line });
    // Each classical value (starred where short) with the exact one after it.
    for (const QString &row : redovi) {
        const QStringList w = row.split(' ');
        QString uzorak
            = QStringLiteral("(^|\\s)%1\\s+%2").arg(w[0], QRegularExpression::escape(w[1]));
        for (int k = 2; k < w.size(); ++k)
            uzorak += QStringLiteral("\\s+%1\\*?\\s+\\S+").arg(QRegularExpression::escape(w[k]));
        QVERIFY2(text.contains(QRegularExpression(uzorak)), qPrintable(row));
    }
    for (int k = 1; k <= strane; ++k)
        naListu({ QStringLiteral("strana %1 od %2").arg(k).arg(strane) });
}

void tst_ProracunskiList::noTextCrossesTheMargins_data()
{
    QTest::addColumn<UlazniParametri>("ulaz");
    QTest::addColumn<QString>("oznacen"); // a listing row with a short classical value, or none
    QTest::newRow("start values") << UlazniParametri { 206, 208, 5, 9 } << QString();
    QTest::newRow("heavy force far ahead")
        << UlazniParametri { 150, 60, 7, 9 } << QStringLiteral("7 6.300 102.900* 283.500");
    QTest::newRow("largest inputs") << UlazniParametri { 99999, 99999, 9998.9, 9999 } << QString();
    QTest::newRow("smallest inputs") << UlazniParametri { 0.0001, 0.0001, 0, 0.0001 } << QString();
}

// Every word of every page within the printable area: 20 to 195 mm across, above the footer's
// last line, in the PDF's points.
void tst_ProracunskiList::noTextCrossesTheMargins()
{
    QFETCH(UlazniParametri, ulaz);
    QFETCH(QString, oznacen);
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    upisiDatoteku(path, ProracunskiList::pdf(r, { ulaz, {}, QDateTime::currentDateTime() }));
    const double mm = 72 / 25.4;
    const auto reci = pdfReci(path);
    QVERIFY(reci.size() > 100);
    if (!oznacen.isEmpty())
        QVERIFY(pdfTekst(path).contains(
            QRegularExpression(oznacen.replace('*', QStringLiteral("\\*")).replace(' ', "\\s+"))));
    for (const PdfRec &w : reci) {
        QVERIFY2(w.xMin >= 20 * mm - 0.1 && w.xMax <= 195 * mm + 0.1 && w.yMin >= 10 * mm
                && w.yMax <= 290 * mm,
            qPrintable(QStringLiteral("page %1: \"%2\" at %3..%4 pt")
                           .arg(w.strana)
                           .arg(w.tekst)
                           .arg(w.xMin)
                           .arg(w.xMax)));
    }
}

QTEST_MAIN(tst_ProracunskiList)
#include "tst_proracunskilist.moc"
