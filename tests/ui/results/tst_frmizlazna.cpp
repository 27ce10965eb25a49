// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/frmIzlazna.h"

#include "ui/input/frmParametri.h"

#include "RefusalTexts.h"
#include "UserInput.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QTabBar>
#include <QWheelEvent>

#include <memory>

namespace {

// A results window shown for the record of these inputs, as the calculation command opens it.
struct Rezultati
{
    std::unique_ptr<frmIzlazna> izlazna;

    explicit Rezultati(const UlazniParametri &ulaz = { 206, 208, 5, 9 })
    {
        RezultatiProracuna rezultati;
        rezultati.proracunaj(ulaz);
        izlazna = std::make_unique<frmIzlazna>(rezultati, nullptr);
        izlazna->show();
        aktiviraj(izlazna.get());
    }

    QLineEdit *polje(const char *name) const { return ::polje(izlazna.get(), QLatin1String(name)); }
    QString tekst(const char *name) const { return polje(name)->text(); }
    QTabBar *tabovi() const
    {
        return kontrola<QTabBar>(izlazna.get(), QStringLiteral("TabStrip1"));
    }

    // A section input is typed over after Backspace: typed over its selected "0.00", a point
    // would be refused.
    void upisi(const char *name, const QString &keys)
    {
        unesi(polje(name), QStringLiteral("{Backspace}") + keys);
    }
    void klikni(const char *name) { ::klikni(kontrola(izlazna.get(), QLatin1String(name))); }
    void izaberiTab(int index) { ::klikni(tabovi(), tabovi()->tabRect(index).center()); }
};

const char *const momentDugme = "cmdMomentSavijanjaUProizvoljnomPreseku";
const char *const silaDugme = "cmdTransverzalnaSilaUProizvoljnomPreseku";

} // namespace

class tst_frmIzlazna : public QObject
{
    Q_OBJECT

private slots:
    void opensOnMomentTabWithEmptySectionResults();
    void showsRecordRoundedToTwoDecimals();
    void evaluatesTheTypedSection();
    void reformatsSectionInputs();
    void refusesLonePoint();
    void refusalsOfBothInputs_data();
    void refusalsOfBothInputs();
    void tabsSwitchPanelCaptionAndSize_data();
    void tabsSwitchPanelCaptionAndSize();
    void switchingTabsKeepsTexts();
    void closingGivesTheInputWindowBack_data();
    void closingGivesTheInputWindowBack();
    void secondCalculationLoadsAfresh();
    void escapeDoesNotClose();
    void emptySectionInputKeepsItsTab();
    void wheelOverTheTabStripDoesNothing();
    void enterPressesTheFocusedButtonOnly_data();
    void enterPressesTheFocusedButtonOnly();
};

void tst_frmIzlazna::opensOnMomentTabWithEmptySectionResults()
{
    Rezultati w;
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("0.00"));
    QCOMPARE(w.tekst("txtProizvoljnoXZaExtT"), QStringLiteral("0.00"));
    for (const char *name : { "txtProizvoljnoKNmPI", "txtProizvoljnoKNmPII",
             "txtEXTMProizvoljniPresek", "txtProizvoljnoMaxT", "txtProizvoljnoMinT" })
        QCOMPARE(w.tekst(name), QString());
    QCOMPARE(w.tabovi()->currentIndex(), 0);
    QVERIFY(kontrola<QGroupBox>(w.izlazna.get(), QStringLiteral("fraExtM"))->isVisible());
    QVERIFY(!kontrola<QGroupBox>(w.izlazna.get(), QStringLiteral("fraExtT"))->isVisible());
    QVERIFY(!kontrola(w.izlazna.get(), QStringLiteral("pctGrafik"))->isVisible());
    QCOMPARE(w.izlazna->windowTitle(),
        QStringLiteral("Rezultati proracuna - Extremne vrednosti momenata savijanja"));
    QCOMPARE(w.izlazna->findChildren<QLineEdit *>().size(), 39);
    // The menu bar shows the desktop's menu font, not the window's bold Arial.
    QCOMPARE(w.izlazna->findChild<QMenuBar *>()->font(), QApplication::font("QMenuBar"));
}

void tst_frmIzlazna::showsRecordRoundedToTwoDecimals()
{
    Rezultati w;
    const std::pair<const char *, const char *> expected[] = { { "txtMmax1", "484.07" },
        { "txtMmax2", "487.68" }, { "txtXmax1", "3.24" }, { "txtXmax2", "5.74" },
        { "txtX011", "0.00" }, { "txtX021", "6.49" }, { "txtX012", "2.49" }, { "txtX022", "9.00" },
        { "txtXpresek", "4.48" }, { "txtMpresek", "413.99" }, { "txtKonstantaAI", "298.44" },
        { "txtKonstantaBI", "46.00" }, { "txtKonstantaAII", "528.44" },
        { "txtKonstantaBII", "46.00" }, { "txtKonstantaCII", "1030.00" },
        { "txtZonaVazenjaParaboleI", "4.48" }, { "txtZonaVazenjaParaboleII", "4.52" },
        { "txtKAmaxTII", "46.00" }, { "txtKBmaxTII", "298.44" }, { "txtKAmaxTI", "22.89" },
        { "txtKBmaxTI", "206.00" }, { "txtKAminTI", "23.11" }, { "txtKAminTII", "46.00" },
        { "txtKBminTII", "114.44" }, { "txtMaxTIIZonaVazenjaLevo", "0.00" },
        { "txtMaxTIIZonaVazenjaDesno", "4.00" }, { "txtMaxTIZonaVazenjaLevo", "4.00" },
        { "txtMaxTIZonaVazenjaDesno", "9.00" }, { "txtMinTIZonaVazenjaLevo", "0.00" },
        { "txtMinTIZonaVazenjaDesno", "5.00" }, { "txtMinTIIZonaVazenjaLevo", "5.00" },
        { "txtMinTIIZonaVazenjaDesno", "9.00" } };
    for (const auto &[name, text] : expected)
        QCOMPARE(w.tekst(name), QLatin1String(text));
    QVERIFY(!w.polje("txtMmax1")->isEnabled());
    QVERIFY(w.polje("txtMmax1")->alignment() & Qt::AlignRight);
    QVERIFY(w.polje("txtProizvoljnoX")->isEnabled());
}

// The values themselves are checked without a window; here they reach their fields, "#0.00".
void tst_frmIzlazna::evaluatesTheTypedSection()
{
    Rezultati w;
    ModalWatcher watcher;
    w.upisi("txtProizvoljnoX", QStringLiteral("4.5"));
    w.klikni(momentDugme);
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QStringLiteral("411.50"));
    QCOMPARE(w.tekst("txtProizvoljnoKNmPII"), QStringLiteral("416.50"));
    QCOMPARE(w.tekst("txtEXTMProizvoljniPresek"), QStringLiteral("416.50"));
    w.izaberiTab(1);
    w.upisi("txtProizvoljnoXZaExtT", QStringLiteral("5"));
    w.klikni(silaDugme);
    QCOMPARE(w.tekst("txtProizvoljnoMaxT"), QStringLiteral("91.56"));
    QCOMPARE(w.tekst("txtProizvoljnoMinT"), QStringLiteral("-115.56"));
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
}

void tst_frmIzlazna::reformatsSectionInputs()
{
    Rezultati w;
    w.upisi("txtProizvoljnoX", QStringLiteral(".5"));
    w.klikni(momentDugme);
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("0.50"));
    w.upisi("txtProizvoljnoX", QStringLiteral("3"));
    w.klikni(momentDugme);
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("3.00"));
}

void tst_frmIzlazna::refusesLonePoint()
{
    Rezultati w;
    ModalWatcher watcher;
    w.upisi("txtProizvoljnoX", QStringLiteral("2"));
    w.klikni(momentDugme);
    w.upisi("txtProizvoljnoX", QStringLiteral("."));
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("."));
    w.klikni(momentDugme);
    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes().front();
    QCOMPARE(box.caption, naslovGreske);
    QCOMPARE(box.text, porukaPreseka);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("0")); // no re-format after a refusal
    QCOMPARE(fokus(w.izlazna.get()), QStringLiteral("txtProizvoljnoX"));
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QStringLiteral("412.89"));
    QCOMPARE(w.tekst("txtEXTMProizvoljniPresek"), QStringLiteral("412.89"));
}

void tst_frmIzlazna::refusalsOfBothInputs_data()
{
    QTest::addColumn<QString>("zaExtT"); // typed on the extT tab
    QTest::addColumn<QString>("zaExtM"); // then typed on the extM tab, and its button clicked
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("zaExtMAfter");
    // Two messages, the moment's first; the focus ends in the input of the visible panel.
    QTest::newRow("both refused") << QString("12") << QString(".") << 2 << QString("0");
    // Reset without the focus; the moment input stays as typed, neither evaluated nor re-formatted.
    QTest::newRow("refused on the hidden panel")
        << QString("9.5") << QString("2") << 1 << QString("2");
}

void tst_frmIzlazna::refusalsOfBothInputs()
{
    QFETCH(QString, zaExtT);
    QFETCH(QString, zaExtM);
    QFETCH(int, boxes);
    QFETCH(QString, zaExtMAfter);
    Rezultati w;
    ModalWatcher watcher;
    w.izaberiTab(1);
    w.upisi("txtProizvoljnoXZaExtT", zaExtT);
    w.izaberiTab(0);
    w.upisi("txtProizvoljnoX", zaExtM);
    w.klikni(momentDugme);
    QCOMPARE(watcher.texts(), QStringList(boxes, porukaPreseka));
    if (boxes == 2)
        QCOMPARE(watcher.boxes()[1].focusBefore, QStringLiteral("txtProizvoljnoX"));
    QCOMPARE(w.tekst("txtProizvoljnoXZaExtT"), QStringLiteral("0"));
    QCOMPARE(w.tekst("txtProizvoljnoX"), zaExtMAfter);
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QString());
    QVERIFY(fokus(w.izlazna.get()) != QStringLiteral("txtProizvoljnoXZaExtT"));
    if (boxes == 2)
        QCOMPARE(fokus(w.izlazna.get()), QStringLiteral("txtProizvoljnoX"));
}

void tst_frmIzlazna::tabsSwitchPanelCaptionAndSize_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("outerWidthTwips");
    QTest::addColumn<int>("outerHeightTwips");
    QTest::newRow("extM") << 0 << "fraExtM"
                          << "Rezultati proracuna - Extremne vrednosti momenata savijanja" << 9015
                          << 7050;
    QTest::newRow("extT") << 1 << "fraExtT"
                          << "Rezultati proracuna - Extremne vrednosti transverzalnih sila" << 9015
                          << 5370;
    QTest::newRow("dijagram") << 2 << "pctGrafik"
                              << "Rezultati proracuna - Dijagram extremnih vrednosti" << 9480
                              << 8355;
}

void tst_frmIzlazna::tabsSwitchPanelCaptionAndSize()
{
    QFETCH(int, tab);
    QFETCH(QString, panel);
    QFETCH(QString, caption);
    QFETCH(int, outerWidthTwips);
    QFETCH(int, outerHeightTwips);
    Rezultati w;
    // Start from another tab so that every row is a real switch.
    w.izaberiTab((tab + 1) % 3);
    w.izaberiTab(tab);
    QCOMPARE(w.tabovi()->currentIndex(), tab);
    for (const char *name : { "fraExtM", "fraExtT", "pctGrafik" }) {
        QCOMPARE(kontrola(w.izlazna.get(), QLatin1String(name))->isVisible(),
            panel == QLatin1String(name));
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.izlazna->isTabHighlighted(i), i == tab);
    QCOMPARE(w.izlazna->windowTitle(), caption);
    // The client area is the classic outer size less the frame, caption and menu bar.
    QWidget *shown = kontrola(w.izlazna.get(), panel);
    QWidget *client = shown->parentWidget();
    QCOMPARE(client->width(), outerWidthTwips / 15 - 8);
    QCOMPARE(client->height(), outerHeightTwips / 15 - 51);
    QVERIFY(client->rect().contains(shown->geometry()));
    QCOMPARE(w.tabovi()->width(), shown->width());
}

void tst_frmIzlazna::switchingTabsKeepsTexts()
{
    Rezultati w;
    w.upisi("txtProizvoljnoX", QStringLiteral("4.5"));
    w.klikni(momentDugme);
    w.izaberiTab(1);
    w.izaberiTab(2);
    w.izaberiTab(0);
    QCOMPARE(w.tekst("txtEXTMProizvoljniPresek"), QStringLiteral("416.50"));
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("4.50"));
}

void tst_frmIzlazna::closingGivesTheInputWindowBack_data()
{
    QTest::addColumn<QString>("action"); // empty: the close box
    QTest::addColumn<QString>("focus");
    const QString first = QStringLiteral("txtSila1");
    QTest::newRow("Izlaz") << QString("mnuDatotekaIzlaz") << first;
    QTest::newRow("Promena ulaznih parametara")
        << QString("mnuProracunPromenaUlaznihParametara") << first;
    // No handler runs: the focus is where it was before the results window opened.
    QTest::newRow("close box") << QString() << QString("txtRasponGrede");
}

void tst_frmIzlazna::closingGivesTheInputWindowBack()
{
    QFETCH(QString, action);
    QFETCH(QString, focus);
    frmParametri parametri;
    parametri.show();
    NumericField::focus(parametri.txtRasponGrede());
    bool opened = false;
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *modal) {
        opened = modal->objectName() == QLatin1String("frmIzlazna");
        if (action.isEmpty())
            modal->close();
        else
            komanda(modal, qPrintable(action));
    };
    izaberi(&parametri, "mnuProracunExtMExtT");
    QVERIFY(opened);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(fokus(&parametri), focus);
    QCOMPARE(polje(&parametri, focus)->selectedText(), polje(&parametri, focus)->text());
    QVERIFY(parametri.isVisible());
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
}

void tst_frmIzlazna::secondCalculationLoadsAfresh()
{
    frmParametri parametri;
    parametri.show();
    QStringList seen;
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *izlazna) {
        for (const char *name : { "txtKonstantaCII", "txtProizvoljnoX", "txtProizvoljnoKNmPI" })
            seen << polje(izlazna, QLatin1String(name))->text();
        // Leave something behind that a fresh window must not show.
        unesi(polje(izlazna, QStringLiteral("txtProizvoljnoX")), QStringLiteral("2"));
        klikni(kontrola(izlazna, QLatin1String(momentDugme)));
        komanda(izlazna, "mnuProracunPromenaUlaznihParametara");
    };
    izaberi(&parametri, "mnuProracunExtMExtT");
    unesi(parametri.txtSila1(), QStringLiteral("100"));
    unesi(parametri.txtSila2(), QStringLiteral("300"));
    unesi(parametri.txtRazmakSila(), QStringLiteral("2"));
    unesi(parametri.txtRasponGrede(), QStringLiteral("10"));
    izaberi(&parametri, "mnuProracunExtMExtT");
    QCOMPARE(seen, (QStringList { "1030.00", "0.00", "", "200.00", "0.00", "" }));
    QCOMPARE(parametri.rezultati().dblKonstantaCII(), 200.0);
}

void tst_frmIzlazna::escapeDoesNotClose()
{
    Rezultati w;
    QWidget *button = kontrola(w.izlazna.get(), QLatin1String(momentDugme));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    QTest::keyClick(w.polje("txtProizvoljnoX"), Qt::Key_Escape);
    QVERIFY(w.izlazna->isVisible());
}

void tst_frmIzlazna::emptySectionInputKeepsItsTab()
{
    Rezultati w;
    w.upisi("txtProizvoljnoX", QString());
    QCOMPARE(w.tekst("txtProizvoljnoX"), QString());
    w.izaberiTab(1);
    QCOMPARE(w.tabovi()->currentIndex(), 0);
    QCOMPARE(fokus(w.izlazna.get()), QStringLiteral("txtProizvoljnoX"));
    otkucaj(w.izlazna.get(), QStringLiteral("2"));
    w.izaberiTab(1);
    QCOMPARE(w.tabovi()->currentIndex(), 1);
}

void tst_frmIzlazna::wheelOverTheTabStripDoesNothing()
{
    Rezultati w;
    QSignalSpy changes(w.tabovi(), &QTabBar::currentChanged);
    const QPointF at(w.tabovi()->tabRect(1).center());
    for (const int notches : { -1, -1, 1 }) {
        QWheelEvent wheel(at, w.tabovi()->mapToGlobal(at), {}, QPoint(0, 120 * notches),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.tabovi(), &wheel);
    }
    QCOMPARE(changes.count(), 0);
    QCOMPARE(w.tabovi()->currentIndex(), 0);
}

void tst_frmIzlazna::enterPressesTheFocusedButtonOnly_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("result");
    QTest::newRow("Return on extM u preseku x") << 0 << "txtProizvoljnoX" << momentDugme
                                                << int(Qt::Key_Return) << "txtEXTMProizvoljniPresek"
                                                << "416.50";
    QTest::newRow("keypad Enter on extT u preseku x")
        << 1 << "txtProizvoljnoXZaExtT" << silaDugme << int(Qt::Key_Enter) << "txtProizvoljnoMaxT"
        << "68.67";
    QTest::newRow("Return in the section input presses nothing")
        << 0 << "txtProizvoljnoX"
        << "txtProizvoljnoX" << int(Qt::Key_Return) << "txtEXTMProizvoljniPresek"
        << "";
}

void tst_frmIzlazna::enterPressesTheFocusedButtonOnly()
{
    QFETCH(int, tab);
    QFETCH(QString, input);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, output);
    QFETCH(QString, result);
    Rezultati w;
    ModalWatcher watcher;
    if (tab != 0)
        w.izaberiTab(tab);
    w.upisi(qPrintable(input), tab == 0 ? QStringLiteral("4.5") : QStringLiteral("6"));
    w.izlazna->findChild<QWidget *>(focus)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.izlazna->windowHandle(), Qt::Key(key),
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(w.tekst(qPrintable(output)), result);
    QVERIFY(watcher.boxes().empty());
}

QTEST_MAIN(tst_frmIzlazna)
#include "tst_frmizlazna.moc"
