#include "ui/input/frmParametri.h"
#include "ui/results/frmIzlazna.h"

#include "ModalWatcher.h"
#include "RefusalTexts.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {

// An input window with the given texts, its record computed as the calculation command does,
// and a results window shown over it.
struct Rezultati
{
    frmParametri parametri;
    RezultatiProracuna rezultati;
    std::unique_ptr<frmIzlazna> izlazna;

    explicit Rezultati(const QString &P1 = QStringLiteral("206"),
        const QString &P2 = QStringLiteral("208"), const QString &e = QStringLiteral("5"),
        const QString &L = QStringLiteral("9"))
    {
        parametri.txtSila1()->setText(P1);
        parametri.txtSila2()->setText(P2);
        parametri.txtRazmakSila()->setText(e);
        parametri.txtRasponGrede()->setText(L);
        rezultati.proracunaj(parametri.ulazniParametri());
        izlazna = std::make_unique<frmIzlazna>(rezultati, parametri.ulazniParametri(), &parametri);
        izlazna->show();
        izlazna->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(izlazna.get()));
    }

    QLineEdit *polje(const char *name) const
    {
        return izlazna->findChild<QLineEdit *>(QLatin1String(name));
    }
    QString tekst(const char *name) const { return polje(name)->text(); }
    QTabBar *tabovi() const { return izlazna->findChild<QTabBar *>(QStringLiteral("TabStrip1")); }

    // Types into a section input as a user would: Tab or click in (which selects all), then keys.
    void upisi(const char *name, const QString &keys)
    {
        QLineEdit *f = polje(name);
        QTest::mouseClick(f, Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, keys);
    }
    void klikni(const char *name)
    {
        QTest::mouseClick(izlazna->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    void izaberiTab(int index)
    {
        QTest::mouseClick(tabovi(), Qt::LeftButton, {}, tabCentar(index));
    }
    QPoint tabCentar(int index) const { return tabovi()->tabRect(index).center(); }
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
    void momentAtSection_data();
    void momentAtSection();
    void shearAtSection_data();
    void shearAtSection();
    void reformatsSectionInputs();
    void refusesLonePoint();
    void refusesBothInputsMomentFirst();
    void refusedInputOnHiddenPanelGetsNoFocus();
    void tabsSwitchPanelCaptionAndSize_data();
    void tabsSwitchPanelCaptionAndSize();
    void switchingTabsKeepsTexts();
    void menuClosesAndFocusesFirstForce_data();
    void menuClosesAndFocusesFirstForce();
    void secondCalculationLoadsAfresh();
    void escapeDoesNotClose();
    void emptySectionInputKeepsItsTab();
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
    QVERIFY(w.izlazna->findChild<QGroupBox *>(QStringLiteral("fraExtM"))->isVisible());
    QVERIFY(!w.izlazna->findChild<QGroupBox *>(QStringLiteral("fraExtT"))->isVisible());
    QVERIFY(!w.izlazna->findChild<QWidget *>(QStringLiteral("pctGrafik"))->isVisible());
    QCOMPARE(w.izlazna->windowTitle(),
        QStringLiteral("Rezultati proracuna - Extremne vrednosti momenata savijanja"));
    QCOMPARE(w.izlazna->findChildren<QLineEdit *>().size(), 39);
}

void tst_frmIzlazna::showsRecordRoundedToTwoDecimals()
{
    Rezultati w;
    const std::pair<const char *, const char *> expected[] = {
        { "txtMmax1", "484.07" },
        { "txtMmax2", "487.68" },
        { "txtXmax1", "3.24" },
        { "txtXmax2", "5.74" },
        { "txtX011", "0.00" },
        { "txtX021", "6.49" },
        { "txtX012", "2.49" },
        { "txtX022", "9.00" },
        { "txtXpresek", "4.48" },
        { "txtMpresek", "413.99" },
        { "txtKonstantaAI", "298.44" },
        { "txtKonstantaBI", "46.00" },
        { "txtKonstantaAII", "528.44" },
        { "txtKonstantaBII", "46.00" },
        { "txtKonstantaCII", "1030.00" },
        { "txtZonaVazenjaParaboleI", "4.48" },
        { "txtZonaVazenjaParaboleII", "4.52" },
        { "txtKAmaxTII", "46.00" },
        { "txtKBmaxTII", "298.44" },
        { "txtKAmaxTI", "22.89" },
        { "txtKBmaxTI", "206.00" },
        { "txtKAminTI", "23.11" },
        { "txtKAminTII", "46.00" },
        { "txtKBminTII", "114.44" },
        { "txtMaxTIIZonaVazenjaLevo", "0.00" },
        { "txtMaxTIIZonaVazenjaDesno", "4.00" },
        { "txtMaxTIZonaVazenjaLevo", "4.00" },
        { "txtMaxTIZonaVazenjaDesno", "9.00" },
        { "txtMinTIZonaVazenjaLevo", "0.00" },
        { "txtMinTIZonaVazenjaDesno", "5.00" },
        { "txtMinTIIZonaVazenjaLevo", "5.00" },
        { "txtMinTIIZonaVazenjaDesno", "9.00" },
    };
    for (const auto &[name, text] : expected)
        QCOMPARE(w.tekst(name), QLatin1String(text));
    QVERIFY(!w.polje("txtMmax1")->isEnabled());
    QVERIFY(w.polje("txtMmax1")->alignment() & Qt::AlignRight);
    QVERIFY(w.polje("txtProizvoljnoX")->isEnabled());
}

void tst_frmIzlazna::momentAtSection_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("MI");
    QTest::addColumn<QString>("MII");
    QTest::addColumn<QString>("extM");
    QTest::newRow("midspan, parabola II governs") << "4.5"
                                                  << "411.50"
                                                  << "416.50"
                                                  << "416.50";
}

void tst_frmIzlazna::momentAtSection()
{
    QFETCH(QString, x);
    QFETCH(QString, MI);
    QFETCH(QString, MII);
    QFETCH(QString, extM);
    Rezultati w;
    ModalWatcher watcher;
    w.upisi("txtProizvoljnoX", x);
    w.klikni(momentDugme);
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), MI);
    QCOMPARE(w.tekst("txtProizvoljnoKNmPII"), MII);
    QCOMPARE(w.tekst("txtEXTMProizvoljniPresek"), extM);
}

void tst_frmIzlazna::shearAtSection_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("maxT");
    QTest::addColumn<QString>("minT");
    QTest::newRow("x = 5 on the minT bound takes the first line") << "5"
                                                                  << "91.56"
                                                                  << "-115.56";
}

void tst_frmIzlazna::shearAtSection()
{
    QFETCH(QString, x);
    QFETCH(QString, maxT);
    QFETCH(QString, minT);
    Rezultati w;
    ModalWatcher watcher;
    w.izaberiTab(1);
    w.upisi("txtProizvoljnoXZaExtT", x);
    w.klikni(silaDugme);
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
    QCOMPARE(w.tekst("txtProizvoljnoMaxT"), maxT);
    QCOMPARE(w.tekst("txtProizvoljnoMinT"), minT);
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
    QCOMPARE(w.izlazna->focusWidget(), w.polje("txtProizvoljnoX"));
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QStringLiteral("412.89"));
    QCOMPARE(w.tekst("txtEXTMProizvoljniPresek"), QStringLiteral("412.89"));
}

void tst_frmIzlazna::refusesBothInputsMomentFirst()
{
    Rezultati w;
    ModalWatcher watcher;
    w.izaberiTab(1);
    w.upisi("txtProizvoljnoXZaExtT", QStringLiteral("12"));
    w.izaberiTab(0);
    w.upisi("txtProizvoljnoX", QStringLiteral("."));
    w.klikni(momentDugme);
    QCOMPARE(watcher.texts(), (QStringList { porukaPreseka, porukaPreseka }));
    QCOMPARE(watcher.boxes()[1].focusBefore, QStringLiteral("txtProizvoljnoX"));
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("0"));
    QCOMPARE(w.tekst("txtProizvoljnoXZaExtT"), QStringLiteral("0"));
    QCOMPARE(w.izlazna->focusWidget(), w.polje("txtProizvoljnoX"));
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QString());
}

void tst_frmIzlazna::refusedInputOnHiddenPanelGetsNoFocus()
{
    Rezultati w;
    ModalWatcher watcher;
    w.izaberiTab(1);
    w.upisi("txtProizvoljnoXZaExtT", QStringLiteral("9.5"));
    w.izaberiTab(0);
    w.upisi("txtProizvoljnoX", QStringLiteral("2"));
    w.klikni(momentDugme);
    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    QCOMPARE(w.tekst("txtProizvoljnoXZaExtT"), QStringLiteral("0"));
    QCOMPARE(w.tekst("txtProizvoljnoX"), QStringLiteral("2")); // no evaluation, no re-format
    QCOMPARE(w.tekst("txtProizvoljnoKNmPI"), QString());
    QVERIFY(w.izlazna->focusWidget() != w.polje("txtProizvoljnoXZaExtT"));
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
        QWidget *p = w.izlazna->findChild<QWidget *>(QLatin1String(name));
        QCOMPARE(p->isVisible(), panel == QLatin1String(name));
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.izlazna->isTabHighlighted(i), i == tab);
    QCOMPARE(w.izlazna->windowTitle(), caption);
    // The client area is the classic outer size less the frame, caption and menu bar.
    QWidget *shown = w.izlazna->findChild<QWidget *>(panel);
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

void tst_frmIzlazna::menuClosesAndFocusesFirstForce_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Izlaz") << "mnuDatotekaIzlaz";
    QTest::newRow("Promena ulaznih parametara") << "mnuProracunPromenaUlaznihParametara";
}

void tst_frmIzlazna::menuClosesAndFocusesFirstForce()
{
    QFETCH(QString, action);
    frmParametri parametri;
    parametri.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parametri));
    parametri.txtRasponGrede()->setFocus();
    bool opened = false;
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *modal) {
        opened = modal->objectName() == QLatin1String("frmIzlazna");
        modal->findChild<QAction *>(action)->trigger();
    };
    parametri.findChild<QAction *>(QStringLiteral("mnuProracunExtMExtT"))->trigger();
    QVERIFY(opened);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(parametri.focusWidget(), parametri.txtSila1());
    QCOMPARE(parametri.txtSila1()->selectedText(), QStringLiteral("206"));
    QVERIFY(parametri.isVisible());
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
}

void tst_frmIzlazna::secondCalculationLoadsAfresh()
{
    frmParametri parametri;
    parametri.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parametri));
    QStringList seen;
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *modal) {
        auto *izlazna = static_cast<frmIzlazna *>(modal);
        const auto text = [izlazna](const char *name) {
            return izlazna->findChild<QLineEdit *>(QLatin1String(name))->text();
        };
        seen << text("txtKonstantaCII") << text("txtProizvoljnoX") << text("txtProizvoljnoKNmPI");
        // Leave something behind that a fresh window must not show.
        izlazna->findChild<QLineEdit *>(QStringLiteral("txtProizvoljnoX"))->setText("2");
        QTest::mouseClick(
            izlazna->findChild<QPushButton *>(QLatin1String(momentDugme)), Qt::LeftButton);
        izlazna->findChild<QAction *>(QStringLiteral("mnuProracunPromenaUlaznihParametara"))
            ->trigger();
    };
    QAction *proracun = parametri.findChild<QAction *>(QStringLiteral("mnuProracunExtMExtT"));
    proracun->trigger();
    parametri.txtSila1()->setText(QStringLiteral("100"));
    parametri.txtSila2()->setText(QStringLiteral("300"));
    parametri.txtRazmakSila()->setText(QStringLiteral("2"));
    parametri.txtRasponGrede()->setText(QStringLiteral("10"));
    proracun->trigger();
    QCOMPARE(seen, (QStringList { "1030.00", "0.00", "", "200.00", "0.00", "" }));
    QCOMPARE(parametri.rezultati().dblKonstantaCII(), 200.0);
}

void tst_frmIzlazna::escapeDoesNotClose()
{
    Rezultati w;
    auto *button = w.izlazna->findChild<QPushButton *>(QLatin1String(momentDugme));
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
    // Through the window, the way a real click arrives.
    QWidget *window = w.izlazna.get();
    QTest::mouseClick(
        window->windowHandle(), Qt::LeftButton, {}, w.tabovi()->mapTo(window, w.tabCentar(1)));
    QCOMPARE(w.tabovi()->currentIndex(), 0);
    QCOMPARE(window->focusWidget(), w.polje("txtProizvoljnoX"));
    QTest::keyClicks(w.polje("txtProizvoljnoX"), QStringLiteral("2"));
    QTest::mouseClick(
        window->windowHandle(), Qt::LeftButton, {}, w.tabovi()->mapTo(window, w.tabCentar(1)));
    QCOMPARE(w.tabovi()->currentIndex(), 1);
}

QTEST_MAIN(tst_frmIzlazna)
#include "tst_frmizlazna.moc"
