// SPDX-License-Identifier: GPL-3.0-or-later

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
    QTest::newRow("start values, two pages")
        << UlazniParametri { 206, 208, 5, 9 } << QStringList { "206", "208", "5", "9" }
        << QStringList { "Najveca razlika extM: 0.00 kNm", "Najveca razlika maxT: 0.00 kN" }
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
        << 2;

    // The heavier force on the left, decimals typed, and a summary long enough to push the
    // listing onto a third page.
    const UlazniParametri drugi { 120, 80.5, 2.5, 12.75 };
    RezultatiProracuna r;
    r.proracunaj(drugi);
    QStringList dugSazetak;
    for (int i = 1; i <= 16; ++i)
        dugSazetak << QStringLiteral("Linija sazetka %1").arg(i);
    QTest::newRow("P1 heavier, three pages")
        << drugi << QStringList { "120", "80.5", "2.5", "12.75" } << dugSazetak << tabovi(r)
        << listing(r, drugi) << 3;
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
    ProracunskiList::Sadrzaj sadrzaj { ulaz, {}, QDateTime(QDate(2025, 3, 14), QTime(9, 5)) };
    for (const QString &line : sazetak)
        sadrzaj.tacnaAnvelopa.push_back(line.toStdString());
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

    // The diagram's values, each once between its heading and the legend below it.
    const qsizetype od = text.indexOf(QStringLiteral("Dijagram extremnih vrednosti"));
    const qsizetype doLegende = text.indexOf(QStringLiteral("merodavna anvelopa"));
    QVERIFY(od > 0 && doLegende > od);
    const QStringList dijagram
        = text.mid(od, doLegende - od).split(QRegularExpression(QStringLiteral("\\s+")));
    for (int i = 32; i < 39; ++i)
        QVERIFY2(dijagram.contains(v[i]), qPrintable(v[i]));

    for (const QString &line : sazetak)
        naListu({ line });
    for (const QString &row : redovi)
        naListu(row.split(' '));
    for (int k = 1; k <= strane; ++k)
        naListu({ QStringLiteral("strana %1 od %2").arg(k).arg(strane) });
}

QTEST_MAIN(tst_ProracunskiList)
#include "tst_proracunskilist.moc"
