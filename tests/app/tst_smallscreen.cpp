// SPDX-License-Identifier: GPL-3.0-or-later

// The program on a screen too small for its larger windows: 1280 x 1024 pixels at 200 %, which
// leaves 640 x 512 to lay the windows out in. Every window opens with its caption and menu bar on
// the screen; those that fit open centred.

#include "ProgramRun.h"

#include <QScreen>
#include <QTabBar>

#include <cstdlib>

using namespace ProgramRun;

namespace {

// Where the frame lies along each side of the screen's available area: "centred", "at the
// start" (its left or top edge on the area's) or "elsewhere", then whether all of it is there.
QString smestaj(const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const auto side = [](int start, int centre, int areaStart, int areaCentre) {
        if (std::abs(centre - areaCentre) <= 1)
            return QStringLiteral("centred");
        return start == areaStart ? QStringLiteral("at the start") : QStringLiteral("elsewhere");
    };
    return side(frame.left(), frame.center().x(), area.left(), area.center().x())
        + QStringLiteral(", ")
        + side(frame.top(), frame.center().y(), area.top(), area.center().y())
        + (area.contains(frame) ? QStringLiteral(", whole") : QStringLiteral(", cut"));
}

} // namespace

class tst_SmallScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsOpenWithCaptionAndMenuOnTheScreen();
};

void tst_SmallScreen::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 640, 512));
}

void tst_SmallScreen::windowsOpenWithCaptionAndMenuOnTheScreen()
{
    Program p;
    QStringList seen { QStringLiteral("frmParametri: ") + smestaj(p.parametri.get()) };
    const auto zapamti
        = [&](QWidget *w) { seen << w->objectName() + QStringLiteral(": ") + smestaj(w); };
    p.uProzoru(QStringLiteral("frmIzlazna"), [&](QDialog *izlazna) {
        zapamti(izlazna);
        auto *tabovi = izlazna->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
        klikni(tabovi, tabovi->tabRect(2).center());
        seen << QStringLiteral("dijagram: ") + smestaj(izlazna);
        izaberi(izlazna, "mnuProracunExtMUProizvoljnimPresecima");
        izaberi(izlazna, "mnuProracunExtTUProizvoljnimPresecima");
        izaberi(izlazna, "mnuProracunTacneAnvelope");
    });
    p.uProzoru(QStringLiteral("frmListingExtM"), zapamti);
    p.uProzoru(QStringLiteral("frmListingExtT"), zapamti);
    p.uProzoru(QStringLiteral("frmTacneAnvelope"), [&](QDialog *w) {
        zapamti(w);
        w->resize(w->minimumSize()); // its panels keep apart, and scroll
        QRegion zauzeto;
        for (const char *ime : { "fraRezime", "pctAnvelope", "fraPresek", "fraPreseci" }) {
            const QRect panel = w->findChild<QWidget *>(QLatin1String(ime))->geometry();
            QVERIFY(!zauzeto.intersects(panel));
            zauzeto += panel;
        }
    });
    p.proracunaj();

    QCOMPARE(seen,
        QStringList({
            "frmParametri: centred, centred, whole",
            "frmIzlazna: centred, centred, whole",
            // Taller than the screen: moved up as it grew, so that only its bottom is lost.
            "dijagram: elsewhere, at the start, cut",
            "frmListingExtM: centred, centred, whole",
            "frmListingExtT: at the start, centred, cut",
            "frmTacneAnvelope: centred, centred, whole",
        }));
}

QTEST_MAIN(tst_SmallScreen)
#include "tst_smallscreen.moc"
