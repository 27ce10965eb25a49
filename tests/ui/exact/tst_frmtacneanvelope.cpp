// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/exact/frmTacneAnvelope.h"
#include "ui/results/frmIzlazna.h"

#include "Datoteke.h"
#include "RefusalTexts.h"
#include "UserInput.h"

#include <QFileDialog>
#include <QLabel>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

const UlazniParametri ulaz { 206, 208, 5, 9 };

// The record of these inputs, as the results window gets it.
RezultatiProracuna zapis()
{
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    return r;
}

QString tekst(const QWidget *w, const char *label)
{
    return kontrola<QLabel>(w, QLatin1String(label))->text();
}

} // namespace

class tst_frmTacneAnvelope : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void summaryAndSectionForStartValues();
    void tableAndCsvThroughTheSaveDialog();
    void resultsWindowNotesAndOpensIt();
};

void tst_frmTacneAnvelope::summaryAndSectionForStartValues()
{
    frmTacneAnvelope w(zapis(), nullptr);
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tacne anvelope"));
    QCOMPARE(tekst(&w, "lblRezimeExtM"),
        QStringLiteral("extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za "
                       "x = 3.952 do 5.000; najveca razlika 54.00 kNm (11.5 % tacne vrednosti) "
                       "u x = 4.478"));
    QCOMPARE(tekst(&w, "lblRezimeMaxT"),
        QStringLiteral("maxT: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za "
                       "x = 3.952 do 5.038; najveca razlika 1.11 kN (1.0 % tacne vrednosti) "
                       "u x = 4.000"));
    QCOMPARE(tekst(&w, "lblRezimeMinT"),
        QStringLiteral("minT: klasicna i tacna anvelopa se slazu na celom rasponu"));

    unesi(polje(&w, QStringLiteral("txtPresek")), QStringLiteral("4.5"));
    klikni(kontrola(&w, QStringLiteral("cmdPresek")));
    const QStringList ocekivano { "416.50", "468.00", "P2 u preseku, P1 van grede", "103.00",
        "104.00", "P2 neposredno desno od preseka, P1 van grede", "-104.00", "-104.00",
        "P2 neposredno levo od preseka, P1 van grede" };
    QStringList dobijeno;
    for (const char *v : { "ExtM", "MaxT", "MinT" }) {
        for (const char *k : { "lblKlasicna", "lblTacna", "lblPolozaj" })
            dobijeno << tekst(&w, (QByteArray(k) + v).constData());
    }
    QCOMPARE(dobijeno, ocekivano);

    // Beyond the span: the results window's message, the field reset, the values kept.
    ModalWatcher watcher;
    unesi(polje(&w, QStringLiteral("txtPresek")), QStringLiteral("9.01"));
    klikni(kontrola(&w, QStringLiteral("cmdPresek")));
    QCOMPARE(watcher.texts(), QStringList(porukaPreseka));
    QCOMPARE(watcher.boxes()[0].caption, naslovGreske);
    QCOMPARE(polje(&w, QStringLiteral("txtPresek"))->text(), QStringLiteral("0"));
    QCOMPARE(tekst(&w, "lblTacnaExtM"), QStringLiteral("468.00"));

    // The plot is painted, in colour, over the whole area.
    const auto *plot = kontrola<PlotAnvelope>(&w, QStringLiteral("pctAnvelope"));
    const QImage &slika = plot->image();
    QCOMPARE(slika.size(), plot->size());
    QCOMPARE(slika.pixelColor(slika.width() / 2, slika.height() / 3) != Qt::white, true);
}

void tst_frmTacneAnvelope::tableAndCsvThroughTheSaveDialog()
{
    frmTacneAnvelope w(zapis(), nullptr);
    w.show();
    const auto *tabela = kontrola<QTableWidget>(&w, QStringLiteral("tblPreseci"));
    QLineEdit *brojPolja = polje(&w, QStringLiteral("txtBrojPolja"));
    QCOMPARE(tabela->rowCount(), 11); // n = 10 when the window opens

    unesi(brojPolja, QStringLiteral("2"));
    komanda(&w, "mnuDatotekaProracun");
    // The listing windows' rule: n = 0 is refused without a message; the table keeps its rows.
    unesi(brojPolja, QStringLiteral("0"));
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(tabela->rowCount(), 3);
    QCOMPARE(brojPolja->text(), QStringLiteral("10"));

    QStringList red;
    for (int k = 0; k < 7; ++k)
        red << tabela->item(1, k)->text();
    QCOMPARE(red,
        QStringList({ "4.500", "416.50", "468.00", "103.00", "104.00", "-104.00", "-104.00" }));
    QCOMPARE(tabela->item(1, 2)->background() != tabela->item(1, 1)->background(), true);
    QCOMPARE(tabela->item(1, 6)->background() == tabela->item(1, 5)->background(), true);

    QTemporaryDir dir;
    ModalWatcher watcher;
    QString ime;
    watcher.onOtherModal = [&](QWidget *modal) {
        ime = upisiImeDatoteke(modal, dir.filePath(QStringLiteral("preseci")));
    };
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(ime, QStringLiteral("tacneAnvelope"));
    QVERIFY(watcher.boxes().empty());
    QCOMPARE(sadrzaj(dir.filePath(QStringLiteral("preseci.csv"))),
        QByteArrayLiteral("x [m],extM klasicna [kNm],extM tacna [kNm],maxT klasicna [kN],"
                          "maxT tacna [kN],minT klasicna [kN],minT tacna [kN]\r\n"
                          "0,0,0,298.444444444444,298.444444444444,0,0\r\n"
                          "4.5,416.5,468,103,104,-104,-104\r\n"
                          "9,0,0,0,0,-299.555555555556,-299.555555555556\r\n"));
}

// The fourth "Proracun" command opens the window; a classical value that falls short says so.
void tst_frmTacneAnvelope::resultsWindowNotesAndOpensIt()
{
    frmIzlazna izlazna(zapis(), nullptr);
    izlazna.show();
    const auto izracunaj = [&](const char *input, const QString &x, const char *button) {
        unesi(polje(&izlazna, QLatin1String(input)), x);
        klikni(kontrola(&izlazna, QLatin1String(button)));
    };
    const auto napomena
        = [&](const char *output) { return polje(&izlazna, QLatin1String(output))->toolTip(); };
    // A short value also reads in the warning colour; the parabola II maximum is the exact one.
    const auto boja = [](QWidget *w, const char *output) {
        return polje(w, QLatin1String(output))->palette().color(QPalette::Disabled, QPalette::Text);
    };
    const QColor obicna = boja(&izlazna, "txtXmax1");
    QCOMPARE(boja(&izlazna, "txtMmax2"), obicna);
    izracunaj("txtProizvoljnoX", QStringLiteral("4.5"), "cmdMomentSavijanjaUProizvoljnomPreseku");
    QCOMPARE(polje(&izlazna, QStringLiteral("txtEXTMProizvoljniPresek"))->text(),
        QStringLiteral("416.50"));
    QCOMPARE(napomena("txtEXTMProizvoljniPresek"),
        QStringLiteral("Tacna vrednost (svi polozaji sila): 468.00, P2 u preseku, P1 van grede"));
    QVERIFY(boja(&izlazna, "txtEXTMProizvoljniPresek") != obicna);
    izracunaj("txtProizvoljnoX", QStringLiteral("6"), "cmdMomentSavijanjaUProizvoljnomPreseku");
    QCOMPARE(napomena("txtEXTMProizvoljniPresek"), QString());
    QCOMPARE(boja(&izlazna, "txtEXTMProizvoljniPresek"), obicna);
    // One force alone at midspan beats both parabolas: 180 against 176.40.
    const UlazniParametri daleko { 120, 120, 3.6, 6 };
    RezultatiProracuna r;
    r.proracunaj(daleko);
    frmIzlazna druga(r, nullptr);
    for (const char *mmax : { "txtMmax1", "txtMmax2" }) {
        QVERIFY(boja(&druga, mmax) != obicna);
        QCOMPARE(polje(&druga, QLatin1String(mmax))->toolTip(),
            QStringLiteral("Apsolutni maksimum (svi polozaji sila): 180.00 kNm u x = 3.000 m, P1 u "
                           "preseku, P2 van grede"));
    }
    auto *tabovi = kontrola<QTabBar>(&izlazna, QStringLiteral("TabStrip1"));
    klikni(tabovi, tabovi->tabRect(frmIzlazna::TabExtT).center());
    izracunaj(
        "txtProizvoljnoXZaExtT", QStringLiteral("4"), "cmdTransverzalnaSilaUProizvoljnomPreseku");
    QCOMPARE(napomena("txtProizvoljnoMaxT"),
        QStringLiteral("Tacna vrednost (svi polozaji sila): 115.56, P2 neposredno desno od "
                       "preseka, P1 van grede"));
    QCOMPARE(napomena("txtProizvoljnoMinT"), QString());

    QStringList komande;
    for (const QAction *a : kontrola<QMenu>(&izlazna, QStringLiteral("mnuProracun"))->actions())
        komande << a->text();
    QCOMPARE(komande.last(), QStringLiteral("Tacne anvelope (svi polozaji sila)"));
    QCOMPARE(komande.size(), 4);
    ModalWatcher watcher;
    QString otvoren;
    watcher.onOtherModal = [&](QWidget *modal) {
        otvoren = modal->objectName() + ": " + modal->windowTitle();
        komanda(modal, "mnuDatotekaIzlaz");
    };
    komanda(&izlazna, "mnuProracunTacneAnvelope");
    QCOMPARE(otvoren, QStringLiteral("frmTacneAnvelope: Tacne anvelope"));
}

QTEST_MAIN(tst_frmTacneAnvelope)
#include "tst_frmtacneanvelope.moc"
