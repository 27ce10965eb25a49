// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile input in every numeric field of every window, typed and pasted, followed by the commands
// that read the field: each refusal is the window's own, and no window shows a non-number.

#include "ProgramRun.h"

#include "core/NumberText.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace ProgramRun;

namespace {

// What is on the clipboard while keys are typed, so that a copy or a paste would show.
const QString staroNaClipboardu = QStringLiteral("777");

enum Nacin { Kucanjem, LepljenjemPrekoTeksta, LepljenjemNaKraj };

struct Polje
{
    QString name;
    int maxLength;
    QString start;
};

const Polje poljaUlaza[] = {
    { QStringLiteral("txtSila1"), 5, QStringLiteral("206") },
    { QStringLiteral("txtSila2"), 5, QStringLiteral("208") },
    { QStringLiteral("txtRazmakSila"), 4, QStringLiteral("5") },
    { QStringLiteral("txtRasponGrede"), 4, QStringLiteral("9") },
};
const Polje poljaPreseka[] = {
    { QStringLiteral("txtProizvoljnoX"), 5, QStringLiteral("0.00") },
    { QStringLiteral("txtProizvoljnoXZaExtT"), 5, QStringLiteral("0.00") },
};
const Polje poljeBrojaPolja { QStringLiteral("txtBrojPolja"), 2, QStringLiteral("10") };

// Every class of key a user may hit: the keys, and the characters the filter lets through.
struct Kucanje
{
    const char *tag;
    QString keys;
    QString accepted;
};

const Kucanje kucanja[] = {
    { "letters", QStringLiteral("a8Zq"), QStringLiteral("8") },
    { "exponent", QStringLiteral("8e"), QStringLiteral("8") },
    { "minus", QStringLiteral("-8"), QStringLiteral("8") },
    { "plus", QStringLiteral("+8"), QStringLiteral("8") },
    { "comma", QStringLiteral("8,"), QStringLiteral("8.") },
    { "spaces", QStringLiteral(" 8 "), QStringLiteral("8") },
    { "second point", QStringLiteral("8.5."), QStringLiteral("8.5") },
    { "Ctrl+A selects nothing", QStringLiteral("8{Ctrl+A}."), QStringLiteral("8.") },
    { "Ctrl+C and Ctrl+V", QStringLiteral("8{Ctrl+C}{Ctrl+V}"), QStringLiteral("8") },
    { "Ctrl+X cuts nothing", QStringLiteral("8{Shift+Home}{Ctrl+X}"), QStringLiteral("8") },
    { "Ctrl+Z undoes nothing", QStringLiteral("8{Ctrl+Z}"), QStringLiteral("8") },
    { "Ctrl+I is no Tab", QStringLiteral("8{Ctrl+I}"), QStringLiteral("8") },
    { "Enter and Escape", QStringLiteral("8{Return}{Enter}{Esc}"), QStringLiteral("8") },
    { "letters with diacritics", QStringLiteral("\u01618\u017E"), QStringLiteral("8") },
    { "micro sign and superscript", QStringLiteral("\u00B58\u00B2"), QStringLiteral("8") },
    { "digits of other scripts", QStringLiteral("\u06638\uFF15"), QStringLiteral("8") },
    { "letters composed by an input method", QStringLiteral("[\u0161]8[ab]"), QStringLiteral("8") },
    { "number with a second point from an input method", QStringLiteral("{Backspace}[.5.]"),
        QStringLiteral(".5") },
    { "beyond the maximum length", QStringLiteral("8888888"), QStringLiteral("8888888") },
    // Backspace first: while the text holds a point, the filter refuses another one.
    { "lone point among refused keys", QStringLiteral("{Backspace}.a-, "), QStringLiteral(".") },
    { "emptied", QStringLiteral("{Backspace}"), QString() },
};

struct Lepljenje
{
    const char *tag;
    QString text;
    Nacin nacin;
};

const Lepljenje lepljenja[] = {
    { "letters", QStringLiteral("abc"), LepljenjemPrekoTeksta },
    { "negative", QStringLiteral("-3"), LepljenjemPrekoTeksta },
    { "decimal comma", QStringLiteral("1,5"), LepljenjemPrekoTeksta },
    { "exponent", QStringLiteral("1e5"), LepljenjemPrekoTeksta },
    { "two points", QStringLiteral(".."), LepljenjemPrekoTeksta },
    { "spaces", QStringLiteral("  "), LepljenjemPrekoTeksta },
    { "leading space", QStringLiteral(" 8"), LepljenjemPrekoTeksta },
    { "plus", QStringLiteral("+5"), LepljenjemPrekoTeksta },
    { "nan", QStringLiteral("nan"), LepljenjemPrekoTeksta },
    { "inf", QStringLiteral("inf"), LepljenjemPrekoTeksta },
    { "s caron", QStringLiteral("\u0161"), LepljenjemPrekoTeksta },
    { "micro sign", QStringLiteral("\u00B5"), LepljenjemPrekoTeksta },
    { "digit and s caron", QStringLiteral("8\u0161"), LepljenjemPrekoTeksta },
    { "Arabic-Indic digit", QStringLiteral("\u0663"), LepljenjemPrekoTeksta },
    { "longer than any field", QStringLiteral("123456789"), LepljenjemPrekoTeksta },
    { "negative after the text", QStringLiteral("-3"), LepljenjemNaKraj },
    { "two points after the text", QStringLiteral(".."), LepljenjemNaKraj },
    { "s caron after the text", QStringLiteral("\u0161"), LepljenjemNaKraj },
    { "space after the text", QStringLiteral(" "), LepljenjemNaKraj },
};

void kolone()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("nacin");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
}

// Rows for every way of entering text into the field. shown is what the field then holds: the
// characters the filter lets through (a comma as the point), or the pasted text with its commas as
// points, up to the field's maximum length; a paste that would make the text longer than that
// leaves the text as it was.
void dodajRedove(const QString &window, const QString &tag, const Polje &p)
{
    for (const Kucanje &k : kucanja) {
        QTest::addRow("%s, typed %s", qPrintable(tag), k.tag)
            << window << p.name << int(Kucanjem) << k.keys << k.accepted.left(p.maxLength);
    }
    for (const Lepljenje &l : lepljenja) {
        const QString candidate = QString(l.nacin == LepljenjemNaKraj ? p.start + l.text : l.text)
                                      .replace(QLatin1Char(','), QLatin1Char('.'));
        QTest::addRow("%s, pasted %s", qPrintable(tag), l.tag)
            << window << p.name << int(l.nacin) << l.text
            << (candidate.size() <= p.maxLength ? candidate : p.start);
    }
}

void unesiNacinom(QLineEdit *field, Nacin nacin, const QString &keys)
{
    if (nacin == Kucanjem) {
        QGuiApplication::clipboard()->setText(staroNaClipboardu);
        unesi(field, keys);
        QCOMPARE(QGuiApplication::clipboard()->text(), staroNaClipboardu);
    } else {
        nalepi(field, keys, nacin == LepljenjemPrekoTeksta);
    }
}

std::optional<double> vrednost(const QString &text)
{
    return NumberText::parseField(text.toStdString());
}

} // namespace

class tst_HostileInput : public QObject
{
    Q_OBJECT

private slots:
    void inputWindowGivesEachFieldItsOwnRefusal_data();
    void inputWindowGivesEachFieldItsOwnRefusal();
    void resultsWindowRefusesSectionsThatAreNoNumberOrBeyondTheSpan_data();
    void resultsWindowRefusesSectionsThatAreNoNumberOrBeyondTheSpan();
    void listingsResetFieldCountsThatAreNoNumber_data();
    void listingsResetFieldCountsThatAreNoNumber();
};

void tst_HostileInput::inputWindowGivesEachFieldItsOwnRefusal_data()
{
    kolone();
    for (const Polje &p : poljaUlaza)
        dodajRedove(QStringLiteral("frmParametri"), p.name, p);
}

void tst_HostileInput::inputWindowGivesEachFieldItsOwnRefusal()
{
    QFETCH(QString, field);
    QFETCH(int, nacin);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    Program p;
    QLineEdit *target = polje(p.parametri.get(), field);
    unesiNacinom(target, Nacin(nacin), keys);
    QCOMPARE(target->text(), shown);
    QCOMPARE(fokus(p.parametri.get()), field);

    // With the other fields at their start values (P1 206, P2 208, e 5, L 9) the only refusals
    // are this field's own check and, for a distance not under the span, the distance check.
    struct Provera
    {
        QString poruka;
        QString reset;
    };
    const std::map<QString, Provera> provere {
        { QStringLiteral("txtSila1"), { porukaP1, QStringLiteral("206") } },
        { QStringLiteral("txtSila2"), { porukaP2, QStringLiteral("208") } },
        { QStringLiteral("txtRazmakSila"), { porukaRazmak, QStringLiteral("5") } },
        { QStringLiteral("txtRasponGrede"), { porukaRaspon, QStringLiteral("9") } },
    };
    QStringList messages;
    QString after = shown;
    QString focusAfter = QStringLiteral("txtSila1"); // where closing the results window leaves it
    QString distanceAfter = QStringLiteral("5");
    const auto value = vrednost(shown);
    if (shown.isEmpty()) {
        focusAfter = field; // an empty field makes the command do nothing, silently
    } else if (!value) {
        messages << provere.at(field).poruka;
        after = provere.at(field).reset;
        focusAfter = field;
    } else if (field == QLatin1String("txtRazmakSila") && *value >= 9) {
        messages << porukaRastojanje;
        after = QStringLiteral("8.9");
        focusAfter = QStringLiteral("txtRasponGrede");
    } else if (field == QLatin1String("txtRasponGrede") && *value <= 5) {
        // The distance is written back as L - 0.1 then.
        messages << porukaRastojanje;
        focusAfter = field;
        distanceAfter = QString::fromStdString(NumberText::general(std::max(*value - 0.1, 0.0)));
    }

    p.uProzoru(QStringLiteral("frmIzlazna"), [&](QDialog *izlazna) {
        proveriPrikaz(izlazna);
        bezNeBrojeva(izlazna, rezultatiPreseka);
        izaberi(izlazna, "mnuDatotekaIzlaz");
    });
    p.proracunaj();

    QCOMPARE(p.watcher.texts(), messages);
    for (const SeenBox &box : p.watcher.boxes()) {
        QCOMPARE(box.caption, naslovGreske);
        QCOMPARE(box.icon, QMessageBox::Critical);
    }
    QCOMPARE(p.otvaranja(QStringLiteral("frmIzlazna")), messages.isEmpty() && value ? 1 : 0);
    QCOMPARE(target->text(), after);
    QCOMPARE(fokus(p.parametri.get()), focusAfter);
    if (field != QLatin1String("txtRazmakSila"))
        QCOMPARE(p.parametri->txtRazmakSila()->text(), distanceAfter);
    bezNeBrojeva(p.parametri.get(), after.isEmpty() ? QStringList { field } : QStringList());
}

void tst_HostileInput::resultsWindowRefusesSectionsThatAreNoNumberOrBeyondTheSpan_data()
{
    kolone();
    for (const Polje &p : poljaPreseka)
        dodajRedove(QStringLiteral("frmIzlazna"), p.name, p);
}

void tst_HostileInput::resultsWindowRefusesSectionsThatAreNoNumberOrBeyondTheSpan()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(int, nacin);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    const bool shear = field == QLatin1String("txtProizvoljnoXZaExtT");
    const QStringList results = shear
        ? QStringList { QStringLiteral("txtProizvoljnoMaxT"), QStringLiteral("txtProizvoljnoMinT") }
        : QStringList { QStringLiteral("txtProizvoljnoKNmPI"),
              QStringLiteral("txtProizvoljnoKNmPII"), QStringLiteral("txtEXTMProizvoljniPresek") };
    const auto value = vrednost(shown);
    // An emptied field cannot be left for the button; anything else is checked against L = 9.
    const bool emptied = shown.isEmpty();
    const bool refused = !emptied && (!value || *value > 9);

    Program p;
    p.uProzoru(window, [&](QDialog *izlazna) {
        auto *tabs = izlazna->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
        if (shear)
            klikni(tabs, tabs->tabRect(1).center());
        QLineEdit *target = polje(izlazna, field);
        unesiNacinom(target, Nacin(nacin), keys);
        QCOMPARE(target->text(), shown);

        klikni(izlazna->findChild<QPushButton *>(shear
                ? QStringLiteral("cmdTransverzalnaSilaUProizvoljnomPreseku")
                : QStringLiteral("cmdMomentSavijanjaUProizvoljnomPreseku")));

        if (emptied) {
            QVERIFY(p.watcher.boxes().empty());
            QCOMPARE(target->text(), QString());
            QCOMPARE(fokus(izlazna), field);
            for (const QString &name : results)
                QCOMPARE(polje(izlazna, name)->text(), QString());
        } else if (refused) {
            QCOMPARE(p.watcher.texts(), QStringList { porukaPreseka });
            QCOMPARE(p.watcher.boxes()[0].caption, naslovGreske);
            QCOMPARE(p.watcher.boxes()[0].icon, QMessageBox::Critical);
            QCOMPARE(target->text(), QStringLiteral("0"));
            QCOMPARE(fokus(izlazna), field);
            QCOMPARE(target->selectedText(), QStringLiteral("0"));
            for (const QString &name : results)
                QCOMPARE(polje(izlazna, name)->text(), QString());
        } else {
            QVERIFY(p.watcher.boxes().empty());
            QCOMPARE(target->text(), QString::fromStdString(NumberText::fixed(*value, 2)));
            for (const QString &name : results)
                QVERIFY2(jeBroj(polje(izlazna, name)->text(), 2), qPrintable(name));
        }
        proveriPrikaz(izlazna);
        bezNeBrojeva(izlazna, rezultatiPreseka + (emptied ? QStringList { field } : QStringList()));

        klikni(tabs, tabs->tabRect(2).center());
        if (emptied) {
            // An empty section input cannot be left, not even for another tab.
            QCOMPARE(tabs->currentIndex(), shear ? 1 : 0);
            QCOMPARE(fokus(izlazna), field);
        } else {
            // The diagram does not read the section fields; it still draws to the end.
            QCOMPARE(izlazna->findChild<QLabel *>(QStringLiteral("lblProcenat"))->text(),
                QStringLiteral("100%"));
        }
        izaberi(izlazna, "mnuDatotekaIzlaz");
    });
    p.proracunaj();
    QCOMPARE(p.otvaranja(window), 1);
    QCOMPARE(p.watcher.boxes().size(), std::size_t(refused ? 1 : 0));
}

void tst_HostileInput::listingsResetFieldCountsThatAreNoNumber_data()
{
    kolone();
    for (const QString &window :
        { QStringLiteral("frmListingExtM"), QStringLiteral("frmListingExtT") })
        dodajRedove(window, window, poljeBrojaPolja);
}

void tst_HostileInput::listingsResetFieldCountsThatAreNoNumber()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(int, nacin);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    const bool moment = window == QLatin1String("frmListingExtM");
    const auto value = vrednost(shown);
    const bool refused = !value || *value == 0;

    Program p;
    p.uProzoru(QStringLiteral("frmIzlazna"), [&](QDialog *izlazna) {
        izaberi(izlazna,
            moment ? "mnuProracunExtMUProizvoljnimPresecima"
                   : "mnuProracunExtTUProizvoljnimPresecima");
        izaberi(izlazna, "mnuDatotekaIzlaz");
    });
    p.uProzoru(window, [&](QDialog *listing) {
        auto *list = listing->findChild<QListWidget *>(
            moment ? QStringLiteral("lstExtM") : QStringLiteral("lstExtT"));
        // A listing of the start value first, so that a refusal has lines to clear.
        izaberi(listing, "mnuDatotekaProracun");
        QCOMPARE(list->count(), 11);

        QLineEdit *target = polje(listing, field);
        unesiNacinom(target, Nacin(nacin), keys);
        QCOMPARE(target->text(), shown);
        izaberi(listing, "mnuDatotekaProracun");

        if (refused) {
            QCOMPARE(target->text(), QStringLiteral("10"));
            QCOMPARE(fokus(listing), field);
            QCOMPARE(target->selectedText(), QStringLiteral("10"));
            QCOMPARE(list->count(), 0);
        } else {
            QCOMPARE(target->text(), shown);
            QCOMPARE(list->count(), int(std::floor(*value)) + 1);
        }
        bezNeBrojeva(listing);
        izaberi(listing, "mnuDatotekaIzlaz");
    });
    p.proracunaj();
    QCOMPARE(p.otvaranja(QStringLiteral("frmIzlazna")), 1);
    QCOMPARE(p.otvaranja(window), 1);
    QVERIFY(p.watcher.boxes().empty()); // the listing refuses without a message
}

QTEST_MAIN(tst_HostileInput)
#include "tst_hostileinput.moc"
