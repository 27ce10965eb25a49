// SPDX-License-Identifier: GPL-3.0-or-later

// kelvane-calc run as a real process, as a script runs it: its output lines, exit codes and error
// texts, and its files against what the windows write for the same inputs.

#include "ListingExamples.h"
#include "ModalWatcher.h"
#include "PdfText.h"
#include "RefusalTexts.h"
#include "UserInput.h"

#include "cli/Ispis.h"
#include "ui/dijagram/PlatnoDijagrama.h"
#include "ui/input/frmParametri.h"
#include "ui/results/frmIzlazna.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>

namespace {

struct Izlaz
{
    int status = -1;
    QByteArray out, err;
};

// Runs the tool with no display at all, as on a build server, with ulaz on its standard input and
// the variables (NAME=value) of jezik, in an environment without any language of its own.
Izlaz pokreni(const QStringList &args, const QString &outFile = {}, const QByteArray &ulaz = {},
    const QStringList &jezik = {})
{
    QProcess p;
    if (!outFile.isEmpty())
        p.setStandardOutputFile(outFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QLatin1String(name));
    if (!jezik.isEmpty()) {
        for (const char *name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" })
            env.remove(QLatin1String(name));
        for (const QString &v : jezik)
            env.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KELVANE_CALC), args);
    p.write(ulaz);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000))
        return {};
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        p.readAllStandardError() };
}

QStringList linije(const QByteArray &text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QStringList pocetne { "206", "208", "5", "9" };

} // namespace

class tst_KelvaneCalc : public QObject
{
    Q_OBJECT

private slots:
    void answersLikeTheWindows_data();
    void answersLikeTheWindows();
    void studyRowsAreTheSingleRuns_data();
    void studyRowsAreTheSingleRuns();
    void speaksTheEnvironmentsLanguage_data();
    void speaksTheEnvironmentsLanguage();
    void listingIsTheSavedFile_data();
    void listingIsTheSavedFile();
    void sameRecordAsTheInputWindow_data();
    void sameRecordAsTheInputWindow();
    void pictureIsTheTabsDrawing();
    void writesTheSheetOrSaysWhyNot();
    void sheetCarriesDocumentFieldsAndGoverningMoment();
};

void tst_KelvaneCalc::answersLikeTheWindows_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out"); // lines of standard output, in this order
    QTest::addColumn<QStringList>("err"); // lines of standard error, in this order

    QTest::newRow("extM at 4.5, then the exact summary")
        << (pocetne + QStringList { "-x", "4.5" }) << 0
        << QStringList { "Ulazni parametri: P1 = 206 kN, P2 = 208 kN, e = 5 m, L = 9 m",
               "  Jednacina parabole I = 298.44*X- 46.00*X^2",
               "  Jednacina parabole II = 528.44*X- 46.00*X^2- 1030.00",
               "  minT = - 23.11*X   0.00 =<X[m]<= 5.00",
               "  X[m] 4.50  Parabola I 411.50  Parabola II 416.50  ext M [kNm] 416.50",
               "  X[m] 4.50  maxT[kN] 103.00  minT[kN] -104.00",
               "extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za x = 3.952 do "
               "5.000; najveca razlika 54.00 kNm (11.5 % tacne vrednosti) u x = 4.478" }
        << QStringList {};
    QTest::newRow("shear on a zone bound takes the first line")
        << QStringList { "206", "208", "0.996", "9", "--at", "8.002" } << 0
        << QStringList { "  X[m] 8.00  maxT[kN] 22.89  minT[kN] -345.29" } << QStringList {};
    QTest::newRow("exact values and their positions")
        << (pocetne + QStringList { "-x", "4.5", "--exact" }) << 0
        << QStringList { "  extM 468.00  (P2 u preseku, P1 van grede)",
               "  Apsolutni maksimum momenta 487.68 kNm u x = 5.74 m (P2 u preseku, P1 na gredi)" }
        << QStringList {};
    QTest::newRow("a single force: e is taken as 0, and said so")
        << QStringList { "0", "150", "3", "6" } << 0
        << QStringList { "Ulazni parametri: P1 = 0 kN, P2 = 150 kN, e = 0 m, L = 6 m" }
        << QStringList { "Napomena: P1 = 0 znaci jednu silu (P2), pa se racuna sa e = 0." };
    QTest::newRow("CSV rows at the listing's sections")
        << (pocetne + QStringList { "--format", "csv", "-n", "2" }) << 0
        << QStringList { "x,extM,maxT,minT", "0,0,298.4444444,0", "4.5,416.5,103,-104",
               "9,0,0,-299.5555556" }
        << QStringList { "extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za x "
                         "= 3.952 do 5.000; najveca razlika 54.00 kNm (11.5 % tacne vrednosti) u "
                         "x = 4.478" };
    QTest::newRow("JSON: exact values without --exact, ten digits")
        << (pocetne + QStringList { "--format=json", "-x", "4.5" }) << 0
        << QStringList { "  \"format_version\": 1,",
               "  \"presek\": {\"x\": 4.5, \"MI\": 411.5, \"MII\": 416.5, \"extM\": 416.5, "
               "\"extM_tacna\": 468, \"polozaj_extM_tacna\": \"P2 u preseku, P1 van grede\", "
               "\"maxT\": 103, \"maxT_tacna\": 104, \"polozaj_maxT_tacna\": \"P2 neposredno "
               "desno od preseka, P1 van grede\", \"minT\": -104, \"minT_tacna\": -104, "
               "\"polozaj_minT_tacna\": \"P2 neposredno levo od preseka, P1 van grede\"},",
               "    \"dblR\": 414,", "    \"dblA1\": 2.512077295," }
        << QStringList {};
    QTest::newRow("a study of spans: the exact maximum is the single force's")
        << QStringList { "120", "120", "3.6", "--spans", "4:6:1", "--format", "csv" } << 0
        << QStringList { "P1,P2,e,L,Mmax_klasicna,x_Mmax_klasicna,Mmax_tacna,x_Mmax_tacna,"
                         "polozaj_Mmax_tacna,TA_tacna,polozaj_TA_tacna,TB_tacna,polozaj_TB_tacna,"
                         "razlika_extM,procenat_extM,razlika_maxT,procenat_maxT,razlika_minT,"
                         "procenat_minT,poruka",
               "120,120,3.6,4,72.6,1.1,120,2,\"P1 u preseku, P2 van grede\",132,\"P1 neposredno "
               "desno od preseka, P2 na gredi\",-132,\"P2 neposredno levo od preseka, P1 na "
               "gredi\",96,80,0,0,0,0,",
               "120,120,3.6,5,122.88,1.6,150,2.5,\"P1 u preseku, P2 van grede\",153.6,\"P1 "
               "neposredno desno od preseka, P2 na gredi\",-153.6,\"P2 neposredno levo od "
               "preseka, P1 na gredi\",66,44,0,0,0,0,",
               "120,120,3.6,6,176.4,2.1,180,3,\"P1 u preseku, P2 van grede\",168,\"P1 neposredno "
               "desno od preseka, P2 na gredi\",-168,\"P2 neposredno levo od preseka, P1 na "
               "gredi\",36,20,0,0,0,0," }
        << QStringList {};
    QTest::newRow("spreadsheet dialect")
        << (pocetne + QStringList { "--format", "csv", "-n", "2", "--csv-dialect", "excel-sr" })
        << 0 << QStringList { "x;extM;maxT;minT", "0;0;298,4444444;0", "4,5;416,5;103;-104" }
        << QStringList { "extM: klasicna anvelopa je po apsolutnoj vrednosti manja od tacne za x "
                         "= 3.952 do 5.000; najveca razlika 54.00 kNm (11.5 % tacne vrednosti) u "
                         "x = 4.478" };

    QTest::newRow("two refusals in the input window's order") << QStringList { ".", "208", "5",
        "." } << 2 << QStringList {} << QStringList { porukaP1, porukaRaspon };
    QTest::newRow("no silent correction of e") << QStringList { "206", "208", "9",
        "9" } << 2 << QStringList {} << QStringList { porukaRastojanje };
    QTest::newRow("a comma is no decimal point") << QStringList { "206", "208", "5,5", "9" } << 2
                                                 << QStringList {} << QStringList { porukaRazmak };
    QTest::newRow("a decimal comma is named")
        << QStringList { "1,5", "208", "5", "9" } << 2 << QStringList {}
        << QStringList { porukaP1, "Decimalni znak je tacka \".\": 1.5, ne 1,5." };
    QTest::newRow("more than a field takes") << QStringList { "206", "208", "5", "10000" } << 2
                                             << QStringList {} << QStringList { porukaRaspon };
    QTest::newRow("section beyond the span") << (pocetne + QStringList { "-x", "9.01" }) << 2
                                             << QStringList {} << QStringList { porukaPreseka };
    for (const char *n : { "100", "1.5", "0.001" })
        QTest::addRow("field count of %s", n)
            << (pocetne + QStringList { "-n", n }) << 2 << QStringList {}
            << QStringList { "Broj polja n mora biti ceo broj od 1 do 99!" };
    for (const QStringList &prazno : { QStringList { "--pdf", "" }, QStringList { "--pdf=" } })
        QTest::addRow("empty file name: %s", qPrintable(prazno.join(' ')))
            << (pocetne + prazno) << 2 << QStringList {}
            << QStringList { "Opcija --pdf trazi ime datoteke." };
    QTest::newRow("a range that runs down")
        << QStringList { "120", "120", "3.6", "--spans", "6:4:1" } << 2 << QStringList {}
        << QStringList { "Opcija --spans prima OD:DO:KORAK, npr. 4:23:1: tri broja, KORAK veci "
                         "od nule, DO ne manji od OD." };
    QTest::newRow("unknown option")
        << (pocetne + QStringList { "--at-x", "1" }) << 2 << QStringList {}
        << QStringList { "Nepoznata opcija: --at-x", "Uputstvo: kelvane-calc --help" };
    QTest::newRow("English text output")
        << (pocetne + QStringList { "--lang", "en", "-x", "4.5" }) << 0
        << QStringList { "Inputs: P1 = 206 kN, P2 = 208 kN, e = 5 m, L = 9 m",
               "  X[m] 4.50  Parabola I 411.50  Parabola II 416.50  ext M [kNm] 416.50" }
        << QStringList {};
    QTest::newRow("English refusal")
        << (pocetne + QStringList { "--lang", "en", "-x", "9.01" }) << 2 << QStringList {}
        << QStringList { "The field for the section X must hold a decimal number between zero and "
                         "the span of the beam!" };
    QTest::newRow("a train: the pair's absolute maximum")
        << QStringList { "--forces", "120,120", "--spacings", "3.6", "--span", "6" } << 0
        << QStringList { "Apsolutni maksimum: max M = 180.00 kNm u x = 3.000 m: P1 u preseku, P2 "
                         "van grede" }
        << QStringList {};
    QTest::newRow("a train: refusals name the row and field")
        << QStringList { "--forces=120,0", "--spacings=-1", "--span=6", "--phi", "2.5" } << 2
        << QStringList {}
        << QStringList { "Sila P u redu 2 mora biti decimalan broj veci od 0 i najvise 99999 kN!",
               "Razmak a u redu 2 mora biti decimalan broj od 0 do 9999 m!",
               "Dinamicki koeficijent mora biti decimalan broj od 1 do 2!" };
    QTest::newRow("version") << QStringList { "--version" } << 0
                             << QStringList { "kelvane-calc 1.0.0",
                                    "License GPLv3+: GNU GPL version 3 or later "
                                    "<https://gnu.org/licenses/gpl.html>." }
                             << QStringList {};
}

void tst_KelvaneCalc::answersLikeTheWindows()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QStringList, err);
    const Izlaz izlaz = pokreni(args);
    QCOMPARE(izlaz.status, status);
    // Each expected line is there, in order; the text path ends with the summary when there is one.
    const auto poRedu = [](const QStringList &actual, const QStringList &expected) {
        qsizetype at = 0;
        for (const QString &line : expected) {
            at = actual.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable(line + QStringLiteral(" not in:\n") + actual.join('\n')));
        }
    };
    poRedu(linije(izlaz.out), out);
    poRedu(linije(izlaz.err), err);
    if (status != 0)
        QVERIFY(izlaz.out.isEmpty());
    if (err.isEmpty())
        QVERIFY2(izlaz.err.isEmpty(), izlaz.err.constData());
}

// Each case of a study, through --spans or --batch, is the summary of its own run: an accepted
// one is the "rezime" of the run's JSON, a refused one carries the run's refusal.
void tst_KelvaneCalc::studyRowsAreTheSingleRuns_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("lines"); // standard input
    QTest::addColumn<QList<QStringList>>("cases"); // the single runs, in order
    QTest::addColumn<int>("status");
    QTest::newRow("spans") << QStringList { "120", "120", "3.6", "--spans", "3.6:4:0.2" }
                           << QByteArray()
                           << QList<QStringList> { { "120", "120", "3.6", "3.6" },
                                  { "120", "120", "3.6", "3.8" }, { "120", "120", "3.6", "4" } }
                           << 2;
    QTest::newRow("batch with a header, a blank line and a refusal")
        << QStringList { "--batch", "-" }
        << QByteArray("P1,P2,e,L\n206, 208,5,9\n\n206,208,9,9\r\n0,150,3,6\n")
        << QList<QStringList> { pocetne, { "206", "208", "9", "9" }, { "0", "150", "3", "6" } }
        << 2;
}

void tst_KelvaneCalc::studyRowsAreTheSingleRuns()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, lines);
    QFETCH(QList<QStringList>, cases);
    QFETCH(int, status);
    const Izlaz studija = pokreni(args + QStringList { "--format", "json" }, {}, lines);
    QCOMPARE(studija.status, status);
    QStringList objekti = linije(studija.out).filter(QRegularExpression("^    \\{"));
    QCOMPARE(objekti.size(), cases.size());
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const Izlaz jedan = pokreni(cases[i] + QStringList { "--format", "json" });
        const QString objekat = objekti[i].trimmed().remove(QRegularExpression(",$"));
        if (jedan.status == 0) {
            const QStringList rezime = linije(jedan.out).filter("  \"rezime\": ");
            QCOMPARE(objekat + ",", rezime.value(0).mid(12));
        } else {
            QVERIFY2(objekat.endsWith("\"poruka\": \"" + linije(jedan.err).join(' ') + "\"}"),
                qPrintable(objekat));
        }
    }
}

// --help in Serbian or English, and its first line: by the environment, or by --lang over it.
void tst_KelvaneCalc::speaksTheEnvironmentsLanguage_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("help");
    const QString sr = QStringLiteral("Upotreba: kelvane-calc P1 P2 e L [opcije]");
    const QString en = QStringLiteral("Usage: kelvane-calc P1 P2 e L [options]");
    const QStringList help { "--help" };
    QTest::newRow("no language") << QStringList { "HOME=/" } << help << sr;
    QTest::newRow("C") << QStringList { "LANG=C" } << help << sr;
    QTest::newRow("Serbian, Latin") << QStringList { "LANG=sr_RS.UTF-8@latin" } << help << sr;
    QTest::newRow("Croatian") << QStringList { "LANG=hr_HR.UTF-8" } << help << sr;
    QTest::newRow("LANGUAGE over LANG")
        << QStringList { "LANG=sr_RS.UTF-8", "LANGUAGE=en" } << help << en;
    QTest::newRow("LANGUAGE under C")
        << QStringList { "LANG=C", "LANGUAGE=en_GB:sr" } << help << en;
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList { "LANG=en_GB.UTF-8", "LC_MESSAGES=sr_RS.UTF-8" } << help << sr;
    QTest::newRow("--lang en over Serbian")
        << QStringList { "LANG=sr_RS.UTF-8" } << QStringList { "--help", "--lang", "en" } << en;
    QTest::newRow("--lang=sr over English")
        << QStringList { "LANGUAGE=en" } << QStringList { "--lang=sr", "--help" } << sr;
}

void tst_KelvaneCalc::speaksTheEnvironmentsLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, args);
    QFETCH(QString, help);
    const Izlaz r = pokreni(args, {}, {}, environment);
    QCOMPARE(r.status, 0);
    QCOMPARE(linije(r.out).value(0), help);
}

void tst_KelvaneCalc::listingIsTheSavedFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("moment") << "m" << momentnaListaPocetnihVrednosti;
    QTest::newRow("shear") << "t" << transverzalnaListaPocetnihVrednosti;
}

void tst_KelvaneCalc::listingIsTheSavedFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, file);
    const Izlaz izlaz = pokreni(pocetne + QStringList { "--listing", kind });
    QCOMPARE(izlaz.status, 0);
    QCOMPARE(izlaz.out, file);
    // The summary cannot go into the file's bytes; a script still sees it.
    QVERIFY(izlaz.err.startsWith("extM: klasicna anvelopa je po apsolutnoj vrednosti manja"));
    // Data, the same bytes in English.
    QCOMPARE(pokreni(pocetne + QStringList { "--listing", kind, "--lang", "en" }).out, file);
}

void tst_KelvaneCalc::sameRecordAsTheInputWindow_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("start values") << pocetne;
    QTest::newRow("a single force") << QStringList { "0", "150", "3", "6" };
    QTest::newRow("points leading and trailing") << QStringList { ".5", "1.", "0.25", ".75" };
}

// The window and the tool take one path from the typed texts to the record: every field of the
// record the window opens its results with equals the tool's, to the last bit.
void tst_KelvaneCalc::sameRecordAsTheInputWindow()
{
    QFETCH(QStringList, texts);
    frmParametri w;
    w.show();
    aktiviraj(&w);
    const char *imena[] = { "txtSila1", "txtSila2", "txtRazmakSila", "txtRasponGrede" };
    for (int i = 0; i < 4; ++i)
        unesi(polje(&w, QLatin1String(imena[i])), texts[i]);
    ModalWatcher watcher;
    watcher.onOtherModal = [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); };
    izaberi(&w, "mnuProracunExtMExtT");

    // JSON carries ten digits, so the tool's path is taken in process to compare the bits.
    const ProracunKalkulatora alat = proracunajSlucaj({ texts[0].toStdString(),
        texts[1].toStdString(), texts[2].toStdString(), texts[3].toStdString() });
    QVERIFY(alat.prihvacen);
    const auto polja = alat.rezultati.polja();
    for (std::size_t i = 0; i < polja.size(); ++i)
        QCOMPARE(w.rezultati().polja()[i].vrednost == polja[i].vrednost, true);
}

void tst_KelvaneCalc::pictureIsTheTabsDrawing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dijagram.png"));
    QCOMPARE(pokreni(pocetne + QStringList { "--png", path }).status, 0);

    const UlazniParametri ulaz { 206, 208, 5, 9 };
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    frmIzlazna izlazna(r, nullptr);
    izlazna.show();
    kontrola<QTabBar>(&izlazna, QStringLiteral("TabStrip1"))
        ->setCurrentIndex(frmIzlazna::TabDijagram);
    const QImage tab = kontrola<PlatnoDijagrama>(&izlazna, QStringLiteral("pctGrafik"))->image();
    const QImage file(path);
    QCOMPARE(file.size(), tab.size());
    QCOMPARE(
        file.convertToFormat(QImage::Format_ARGB32), tab.convertToFormat(QImage::Format_ARGB32));
}

void tst_KelvaneCalc::writesTheSheetOrSaysWhyNot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    const Izlaz written = pokreni(pocetne + QStringList { "--pdf", path });
    QCOMPARE(written.status, 0);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");

    const Izlaz failed = pokreni(pocetne + QStringList { "--pdf", dir.path() });
    QCOMPARE(failed.status, 1);
    QVERIFY2(failed.err.startsWith("Datoteka " + dir.path().toUtf8() + " nije snimljena: "),
        failed.err.constData());
    const Izlaz full = pokreni(pocetne + QStringList { "--listing", "m" }, "/dev/full");
    QCOMPARE(full.status, 1);
    QVERIFY(
        full.err.startsWith("Standardni izlaz nije zapisan: " + qt_error_string(ENOSPC).toUtf8()));
}

// Two equal forces 3.6 m apart on a 6 m span: one alone at midspan gives P L / 4 = 180 kNm, more
// than the parabolas' 176.40.
void tst_KelvaneCalc::sheetCarriesDocumentFieldsAndGoverningMoment()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pdf"));
    const QStringList polja { "--project", "Most Sava 2", "--element", "Glavni nosac N1",
        "--author", "M. Petrovic", "--checker", "J. Ilic", "--revision", "C" };
    QCOMPARE(pokreni(QStringList { "120", "120", "3.6", "6", "--pdf", path } + polja).status, 0);
    const QString text = pdfTekst(path);
    for (qsizetype i = 1; i < polja.size(); i += 2)
        QVERIFY2(text.contains(polja[i]), qPrintable(polja[i]));
    QVERIFY(text.contains(QStringLiteral("Mmax = 180.00 kNm u x = 3.000 m; P1 u preseku, P2 van")));
    QVERIFY(text.contains(QStringLiteral("Obrazac: P L / 4")));

    // In English the sheet's own headings are English too, not only the sentences core writes.
    QCOMPARE(
        pokreni(QStringList { "120", "120", "3.6", "6", "--lang", "en", "--pdf", path }).status, 0);
    const QString english = pdfTekst(path);
    for (const char *t : { "Calculation sheet", "Governing values", "Formula: P L / 4" })
        QVERIFY2(english.contains(QLatin1String(t)), t);
}

QTEST_MAIN(tst_KelvaneCalc)
#include "tst_kelvanecalc.moc"
