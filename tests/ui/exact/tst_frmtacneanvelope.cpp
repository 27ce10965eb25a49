#include "ui/exact/frmTacneAnvelope.h"
#include "ui/results/frmIzlazna.h"

#include "ModalWatcher.h"
#include "ui/listing/ListingTestSupport.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

QString tekst(QWidget *w, const char *label)
{
    return w->findChild<QLabel *>(QLatin1String(label))->text();
}

void klikni(QWidget *w, const char *button)
{
    QTest::mouseClick(w->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

QLineEdit *polje(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QLatin1String(name));
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
    Ulaz ulaz;
    frmTacneAnvelope w(ulaz.parametri.ulazniParametri(), ulaz.rezultati, nullptr);
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

    otkucaj(polje(&w, "txtPresek"), QStringLiteral("4.5"));
    klikni(&w, "cmdPresek");
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
    otkucaj(polje(&w, "txtPresek"), QStringLiteral("9.01"));
    klikni(&w, "cmdPresek");
    QCOMPARE(watcher.texts(),
        QStringList(QStringLiteral("U polje za unos vrednosti promenljive X mora biti unesen "
                                   "decimalan broj cija se vrednost krece izmedu nule i velicine "
                                   "raspona grede!")));
    QCOMPARE(watcher.boxes()[0].caption, QStringLiteral("Greska pri unosu parametara proracuna!"));
    QCOMPARE(polje(&w, "txtPresek")->text(), QStringLiteral("0"));
    QCOMPARE(tekst(&w, "lblTacnaExtM"), QStringLiteral("468.00"));

    // The plot is painted, in colour, over the whole area.
    const QImage slika = w.findChild<PlotAnvelope *>(QStringLiteral("pctAnvelope"))->image();
    QCOMPARE(slika.size(), w.findChild<QWidget *>(QStringLiteral("pctAnvelope"))->size());
    QCOMPARE(slika.pixelColor(slika.width() / 2, slika.height() / 3) != Qt::white, true);
}

void tst_frmTacneAnvelope::tableAndCsvThroughTheSaveDialog()
{
    Ulaz ulaz;
    frmTacneAnvelope w(ulaz.parametri.ulazniParametri(), ulaz.rezultati, nullptr);
    w.show();
    auto *tabela = w.findChild<QTableWidget *>(QStringLiteral("tblPreseci"));
    QCOMPARE(tabela->rowCount(), 11); // n = 10 when the window opens

    // The listing windows' rule: n = 0 is refused without a message, the table left empty.
    otkucaj(brojPolja(&w), QStringLiteral("0"));
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(tabela->rowCount(), 0);
    QCOMPARE(brojPolja(&w)->text(), QStringLiteral("10"));

    otkucaj(brojPolja(&w), QStringLiteral("2"));
    komanda(&w, "mnuDatotekaProracun");
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
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ime = name->text();
        name->setText(dir.filePath(QStringLiteral("preseci")));
        QTest::keyClick(name, Qt::Key_Return);
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
    Ulaz ulaz;
    frmIzlazna izlazna(ulaz.rezultati, ulaz.parametri, &ulaz.parametri);
    izlazna.show();
    otkucaj(polje(&izlazna, "txtProizvoljnoX"), QStringLiteral("4.5"));
    klikni(&izlazna, "cmdMomentSavijanjaUProizvoljnomPreseku");
    QCOMPARE(polje(&izlazna, "txtEXTMProizvoljniPresek")->text(), QStringLiteral("416.50"));
    QCOMPARE(polje(&izlazna, "txtEXTMProizvoljniPresek")->toolTip(),
        QStringLiteral("Tacna vrednost (svi polozaji sila): 468.00, P2 u preseku, P1 van grede"));
    otkucaj(polje(&izlazna, "txtProizvoljnoX"), QStringLiteral("6"));
    klikni(&izlazna, "cmdMomentSavijanjaUProizvoljnomPreseku");
    QCOMPARE(polje(&izlazna, "txtEXTMProizvoljniPresek")->toolTip(), QString());
    izlazna.findChild<QTabBar *>(QStringLiteral("TabStrip1"))->setCurrentIndex(frmIzlazna::TabExtT);
    otkucaj(polje(&izlazna, "txtProizvoljnoXZaExtT"), QStringLiteral("4"));
    klikni(&izlazna, "cmdTransverzalnaSilaUProizvoljnomPreseku");
    QCOMPARE(polje(&izlazna, "txtProizvoljnoMaxT")->toolTip(),
        QStringLiteral("Tacna vrednost (svi polozaji sila): 115.56, P2 neposredno desno od "
                       "preseka, P1 van grede"));
    QCOMPARE(polje(&izlazna, "txtProizvoljnoMinT")->toolTip(), QString());

    QStringList komande;
    for (const QAction *a : izlazna.findChild<QMenu *>(QStringLiteral("mnuProracun"))->actions())
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
