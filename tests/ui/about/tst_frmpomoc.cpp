// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/frmPomoc.h"
#include "ui/input/frmParametri.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class tst_frmPomoc : public QObject
{
    Q_OBJECT

private slots:
    void holdsEachHelpLineExactly_data();
    void holdsEachHelpLineExactly();
    void holdsNineteenLinesTwoOfThemEmpty();
    void linesFitTheListWithoutScrollingSideways();
    void okDestroysAndPomocFillsAFreshWindow();
    void choosingPomocTwiceKeepsOneWindow();
    void closingByFrameDestroysWindow();
    void staysOpenAfterInputWindowCloses();
    void controlsKeepTheirPlacesOnResize();

    void cleanup();
};

namespace {

QList<frmPomoc *> openHelpWindows()
{
    QList<frmPomoc *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *pomoc = qobject_cast<frmPomoc *>(w))
            windows << pomoc;
    }
    return windows;
}

QStringList entries(const frmPomoc *pomoc)
{
    QStringList list;
    const auto *lst = pomoc->findChild<QListWidget *>("lstPomoc");
    for (int i = 0; i < lst->count(); ++i)
        list << lst->item(i)->text();
    return list;
}

void choosePomoc(frmParametri &parametri)
{
    parametri.findChild<QAction *>("mnuPomocPomoc")->trigger();
}

void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void tst_frmPomoc::cleanup()
{
    qDeleteAll(openHelpWindows());
}

void tst_frmPomoc::holdsEachHelpLineExactly_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("text");

    const auto row = [](int number, int indent, const char *text) {
        QTest::addRow("entry %d", number) << number - 1 << indent << QString::fromLatin1(text);
    };
    row(1, 0, "Program obezbedjuje proracun dijagrama extremnih vred-");
    row(2, 0, "nosti momenata savijanja i transverzalnih sila proste grede");
    row(3, 0, "opterecene sistemom od dve vezane koncentrisane sile.");
    row(4, 0, "");
    row(5, 0, "Proracun se moze sprovesti posebno za:");
    row(6, 10, "- proizvoljni presek grede,");
    row(7, 10, "- vise preseka na jednakim rastojanjima.");
    row(8, 0, "");
    row(9, 0, "Faze proracuna se sastoje iz sledecih koraka:");
    row(10, 5, "1. Nakon startovanja programa unose se pocetni para-");
    row(11, 9, "metri proracuna u odgovarajuca textualna polja.");
    row(12, 5, "2. U padajucem meniju -Proracun- se startuje numericka");
    row(13, 9, "analiza.");
    row(14, 5, "3. Nakon startovanja numericke analize selektovanjem");
    row(15, 9, "odgovarajuceg taba dobijaju se rezultati proracuna za");
    row(16, 9, "extM, extT i dijagram ekxtremnih vrednosti momenata ");
    row(17, 9, "savijanja i transverzalnih sila. Iz padajuceg menija");
    row(18, 9, "-Proracun- moze se startovati analiza za vise proizvolj-");
    row(19, 9, "nih preseka grede istovremeno.");
}

void tst_frmPomoc::holdsEachHelpLineExactly()
{
    QFETCH(int, index);
    QFETCH(int, indent);
    QFETCH(QString, text);

    frmPomoc pomoc;
    const QStringList list = entries(&pomoc);
    QVERIFY(index < list.size());
    QCOMPARE(list.at(index), QString(indent, QLatin1Char(' ')) + text);
}

void tst_frmPomoc::holdsNineteenLinesTwoOfThemEmpty()
{
    frmPomoc pomoc;
    QCOMPARE(pomoc.windowTitle(), QStringLiteral("Pomoc"));
    const QStringList list = entries(&pomoc);
    QCOMPARE(list.size(), 19);
    QCOMPARE(list.count(QString()), 2);
    QVERIFY(list.at(15).endsWith(QStringLiteral("momenata ")));
}

void tst_frmPomoc::linesFitTheListWithoutScrollingSideways()
{
    frmPomoc pomoc;
    pomoc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pomoc));
    const auto *lst = pomoc.findChild<QListWidget *>("lstPomoc");
    QTRY_VERIFY(lst->verticalScrollBar()->maximum() > 0); // laid out: lower than its lines
    QCOMPARE(lst->horizontalScrollBar()->maximum(), 0);
}

void tst_frmPomoc::okDestroysAndPomocFillsAFreshWindow()
{
    frmParametri parametri;
    parametri.show();
    choosePomoc(parametri);
    QCOMPARE(openHelpWindows().size(), 1);
    QPointer<frmPomoc> first = openHelpWindows().front();
    const QStringList firstEntries = entries(first);
    QCOMPARE(firstEntries.size(), 19);

    first->findChild<QPushButton *>("cmdOK")->click();
    processDeletes();
    QVERIFY(first.isNull());
    QVERIFY(openHelpWindows().isEmpty());

    choosePomoc(parametri);
    QCOMPARE(openHelpWindows().size(), 1);
    frmPomoc *second = openHelpWindows().front();
    QVERIFY(second->isVisible());
    QCOMPARE(entries(second), firstEntries);
}

void tst_frmPomoc::choosingPomocTwiceKeepsOneWindow()
{
    frmParametri parametri;
    parametri.show();
    choosePomoc(parametri);
    choosePomoc(parametri);

    QCOMPARE(openHelpWindows().size(), 1);
    frmPomoc *pomoc = openHelpWindows().front();
    QVERIFY(pomoc->isVisible());
    QCOMPARE(entries(pomoc).size(), 19);
}

void tst_frmPomoc::closingByFrameDestroysWindow()
{
    frmParametri parametri;
    parametri.show();
    choosePomoc(parametri);
    QPointer<frmPomoc> pomoc = openHelpWindows().front();

    QVERIFY(pomoc->close());
    processDeletes();
    QVERIFY(pomoc.isNull());

    choosePomoc(parametri);
    QCOMPARE(openHelpWindows().size(), 1);
    QCOMPARE(entries(openHelpWindows().front()).size(), 19);
}

void tst_frmPomoc::staysOpenAfterInputWindowCloses()
{
    auto *parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    choosePomoc(*parametri);
    QPointer<frmPomoc> pomoc = openHelpWindows().front();

    QVERIFY(parametri->close());
    processDeletes();

    QVERIFY(!pomoc.isNull());
    QVERIFY(pomoc->isVisible());
}

void tst_frmPomoc::controlsKeepTheirPlacesOnResize()
{
    frmPomoc pomoc;
    pomoc.show();
    const auto *lst = pomoc.findChild<QListWidget *>("lstPomoc");
    const auto *ok = pomoc.findChild<QPushButton *>("cmdOK");
    const QRect list = lst->geometry();
    const QRect button = ok->geometry();

    pomoc.resize(pomoc.width() + 200, pomoc.height() + 100);

    QCOMPARE(lst->geometry(), list);
    QCOMPARE(ok->geometry(), button);
}

QTEST_MAIN(tst_frmPomoc)
#include "tst_frmpomoc.moc"
