#include "ui/input/frmParametri.h"

#include "ModalWatcher.h"
#include "RecordFields.h"
#include "RefusalTexts.h"
#include "ui/Twips.h"
#include "ui/input/basGlavni.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

// The field that each message puts the focus into.
const std::map<QString, QString> &fokusPoruke()
{
    static const std::map<QString, QString> map {
        { porukaP1, QStringLiteral("txtSila1") },
        { porukaP2, QStringLiteral("txtSila2") },
        { porukaP2Nula, QStringLiteral("txtSila2") },
        { porukaRazmak, QStringLiteral("txtRazmakSila") },
        { porukaRaspon, QStringLiteral("txtRasponGrede") },
        { porukaRastojanje, QStringLiteral("txtRasponGrede") },
    };
    return map;
}

// The record that the calculation gives for these inputs, bit for bit.
std::vector<double> zapis(double P1, double P2, double e, double L)
{
    RezultatiProracuna r;
    r.proracunaj({ P1, P2, e, L });
    return sviFields(r);
}

const QStringList imenaPolja { QStringLiteral("txtSila1"), QStringLiteral("txtSila2"),
    QStringLiteral("txtRazmakSila"), QStringLiteral("txtRasponGrede") };

QStringList tekstovi(const frmParametri &w)
{
    return { w.txtSila1()->text(), w.txtSila2()->text(), w.txtRazmakSila()->text(),
        w.txtRasponGrede()->text() };
}

QString fokus(const QWidget &w)
{
    const QWidget *f = w.focusWidget();
    return f ? f->objectName() : QString();
}

// Keys and clicks go to the window's QWindow, the way real input arrives. After a message box the
// offscreen platform does not activate the window again, as a window manager would.
void aktiviraj(QWidget &w)
{
    if (QApplication::activeWindow() == &w)
        return;
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("the input window did not become active");
}

void pritisni(QWidget &w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    aktiviraj(w);
    QTest::keyClick(w.windowHandle(), key, modifiers);
}

void klikni(QWidget *widget, QPoint pos)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, pos));
    QCoreApplication::processEvents();
}

// Types text into the field as a user does: enter it (all selected), type over it; an empty text
// empties the field.
void unesi(QWidget &w, QLineEdit *field, const QString &text)
{
    aktiviraj(w);
    NumericField::focus(field);
    if (text.isEmpty())
        QTest::keyClick(w.windowHandle(), Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::keyClick(w.windowHandle(), c.toLatin1());
}

void unesiSve(frmParametri &w, const QStringList &texts)
{
    unesi(w, w.txtSila1(), texts[0]);
    unesi(w, w.txtSila2(), texts[1]);
    unesi(w, w.txtRazmakSila(), texts[2]);
    unesi(w, w.txtRasponGrede(), texts[3]);
}

// Chooses a command through the menu bar and the menu, with the mouse.
void izaberi(frmParametri &w, const char *menuName, const char *commandName)
{
    aktiviraj(w);
    auto *menu = w.findChild<QMenu *>(QLatin1String(menuName));
    auto *command = w.findChild<QAction *>(QLatin1String(commandName));
    if (!menu || !command || !menu->actions().contains(command))
        qFatal("no command %s in menu %s", commandName, menuName);
    QMenuBar *bar = w.menuBar();
    klikni(bar, bar->actionGeometry(menu->menuAction()).center());
    if (!menu->isVisible() || !QTest::qWaitForWindowExposed(menu))
        qFatal("menu %s did not open", menuName);
    QTest::mouseClick(
        menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(command).center());
    QCoreApplication::processEvents();
}

void proracunaj(frmParametri &w)
{
    izaberi(w, "mnuProracun", "mnuProracunExtMExtT");
}

// Closes the results window as soon as it opens and remembers what it saw.
struct Rezultati
{
    explicit Rezultati(ModalWatcher &watcher, const frmParametri &w)
    {
        watcher.onOtherModal = [this, &w](QWidget *modal) {
            ++otvaranja;
            ime = modal->objectName();
            auto *dialog = qobject_cast<QDialog *>(modal);
            modalan = dialog && dialog->isModal();
            zapisPriOtvaranju = sviFields(w.rezultati());
            if (dialog)
                dialog->reject();
            else
                modal->close();
        };
    }

    int otvaranja = 0;
    QString ime;
    bool modalan = false;
    std::vector<double> zapisPriOtvaranju;
};

} // namespace

class tst_frmParametri : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void windowAsDesigned();
    void opensCentredOnTheScreen();
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void menusInOrder();
    void startsInP1WithItsTextSelected();
    void tabOrderFollowsTheFields();
    void fieldsTakeAtMostTheirLength_data();
    void fieldsTakeAtMostTheirLength();

    void commandChecksTheFields_data();
    void commandChecksTheFields();
    void commandAfterAResetUsesTheResetText_data();
    void commandAfterAResetUsesTheResetText();
    void emptiedFieldMakesTheCommandDoNothing_data();
    void emptiedFieldMakesTheCommandDoNothing();

    void exitAnsweredNoKeepsTheWindow();
    void exitAnsweredYesClosesTheWindow();
    void closeBoxClosesWithoutAQuestion();

private:
    frmParametri &otvori();

    std::unique_ptr<frmParametri> m_prozor;
};

frmParametri &tst_frmParametri::otvori()
{
    m_prozor = std::make_unique<frmParametri>();
    m_prozor->show();
    aktiviraj(*m_prozor);
    return *m_prozor;
}

void tst_frmParametri::cleanup()
{
    m_prozor.reset();
}

void tst_frmParametri::windowAsDesigned()
{
    frmParametri &w = otvori();
    QCOMPARE(w.objectName(), QStringLiteral("frmParametri"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ulazni parametri proracuna"));
    QCOMPARE(w.centralWidget()->size(), QSize(491, 172));
    QCOMPARE(w.font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.font().pointSizeF(), 11.25);
    QVERIFY(!w.font().bold());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    // A fixed border: the window cannot be resized.
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(sviFields(w.rezultati()), std::vector<double>(36, 0.0));
}

void tst_frmParametri::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<double>("points");

    QTest::newRow("txtSila1") << "206" << twipsRect(1410, 300, 855, 405) << 12.0;
    QTest::newRow("txtSila2") << "208" << twipsRect(5850, 300, 855, 405) << 12.0;
    QTest::newRow("txtRazmakSila") << "5" << twipsRect(3690, 495, 735, 405) << 12.0;
    QTest::newRow("txtRasponGrede") << "9" << twipsRect(3330, 1935, 735, 405) << 12.0;
    QTest::newRow("lblSila1") << "P1 =" << twipsRect(810, 360, 495, 255) << 12.0;
    QTest::newRow("lblSila1JM") << "[kN]" << twipsRect(2370, 360, 495, 255) << 12.0;
    QTest::newRow("lblSila2") << "P2 =" << twipsRect(5250, 360, 495, 255) << 12.0;
    QTest::newRow("lblSila2JM") << "[kN]" << twipsRect(6810, 360, 495, 255) << 12.0;
    QTest::newRow("lblRazmakSila") << "e =" << twipsRect(3210, 555, 375, 255) << 12.0;
    QTest::newRow("lblRazmakSilaJM") << "[m]" << twipsRect(4530, 555, 375, 255) << 11.25;
    QTest::newRow("lblRaspon") << "L =" << twipsRect(2850, 1995, 375, 255) << 12.0;
    QTest::newRow("lblRasponJM") << "[m]" << twipsRect(4170, 1995, 375, 255) << 12.0;
}

void tst_frmParametri::controlsAsDesigned()
{
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(double, points);
    frmParametri &w = otvori();
    const QString name = QLatin1String(QTest::currentDataTag());
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), w.centralWidget());
    if (auto *field = qobject_cast<QLineEdit *>(control))
        QCOMPARE(field->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), text);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(control->font().family(), QStringLiteral("Arial"));
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(control->font().bold());
}

void tst_frmParametri::menusInOrder()
{
    frmParametri &w = otvori();
    const QList<QAction *> top = w.menuBar()->actions();
    const QStringList titles { QStringLiteral("Datoteka"), QStringLiteral("Proracun"),
        QStringLiteral("O programu"), QStringLiteral("Pomoc") };
    const QStringList menus { QStringLiteral("mnuDatoteka"), QStringLiteral("mnuProracun"),
        QStringLiteral("mnuOProgramu"), QStringLiteral("mnuPomoc") };
    const QStringList commandTexts { QStringLiteral("Izlaz"), QStringLiteral("extM i extT"),
        QStringLiteral("O programu"), QStringLiteral("Pomoc") };
    const QStringList commands { QStringLiteral("mnuDatotekaIzlaz"),
        QStringLiteral("mnuProracunExtMExtT"), QStringLiteral("about"),
        QStringLiteral("mnuPomocPomoc") };
    QCOMPARE(top.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(top[i]->text(), titles[i]);
        QMenu *menu = top[i]->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), menus[i]);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions()[0]->text(), commandTexts[i]);
        QCOMPARE(menu->actions()[0]->objectName(), commands[i]);
    }
}

void tst_frmParametri::startsInP1WithItsTextSelected()
{
    frmParametri &w = otvori();
    QCOMPARE(QApplication::focusWidget(), w.txtSila1());
    QCOMPARE(w.txtSila1()->selectedText(), QStringLiteral("206"));
    // So that the first digit typed replaces the start value.
    pritisni(w, Qt::Key_3);
    QCOMPARE(w.txtSila1()->text(), QStringLiteral("3"));
}

void tst_frmParametri::tabOrderFollowsTheFields()
{
    frmParametri &w = otvori();
    const QStringList texts { QStringLiteral("206"), QStringLiteral("208"), QStringLiteral("5"),
        QStringLiteral("9") };
    for (int i = 1; i <= 4; ++i) {
        pritisni(w, Qt::Key_Tab);
        QCOMPARE(fokus(w), imenaPolja[i % 4]);
        QCOMPARE(qobject_cast<QLineEdit *>(w.focusWidget())->selectedText(), texts[i % 4]);
    }
    for (int i = 3; i >= 0; --i) {
        pritisni(w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(fokus(w), imenaPolja[i]);
        QCOMPARE(qobject_cast<QLineEdit *>(w.focusWidget())->selectedText(), texts[i]);
    }
}

void tst_frmParametri::fieldsTakeAtMostTheirLength_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("txtSila1") << "12345";
    QTest::newRow("txtSila2") << "12345";
    QTest::newRow("txtRazmakSila") << "1234";
    QTest::newRow("txtRasponGrede") << "1234";
}

void tst_frmParametri::fieldsTakeAtMostTheirLength()
{
    QFETCH(QString, typed);
    frmParametri &w = otvori();
    auto *field = w.findChild<QLineEdit *>(QLatin1String(QTest::currentDataTag()));
    unesi(w, field, typed + QStringLiteral("678"));
    QCOMPARE(field->text(), typed);
}

void tst_frmParametri::commandChecksTheFields_data()
{
    QTest::addColumn<QStringList>("typed"); // P1, P2, e, L
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("after"); // the four texts after the command
    QTest::addColumn<QList<double>>("computed"); // the inputs of the calculation; none: refused

    const auto in = [](const char *P1, const char *P2, const char *e, const char *L) {
        return QStringList { QLatin1String(P1), QLatin1String(P2), QLatin1String(e),
            QLatin1String(L) };
    };
    const QStringList none;
    const QList<double> refused;

    // The rules themselves are checked without a window; these rows show their order on screen.
    QTest::newRow("start values") << in("206", "208", "5", "9") << none
                                  << in("206", "208", "5", "9") << QList<double> { 206, 208, 5, 9 };
    // P1 = 0 is a single force: e becomes 0 silently, before e's own check.
    QTest::newRow("single force") << in("0", "150", "3", "6") << none << in("0", "150", "0", "6")
                                  << QList<double> { 0, 150, 0, 6 };
    QTest::newRow("P1 and L lone points, P1 first")
        << in(".", "208", "5", ".") << QStringList { porukaP1, porukaRaspon }
        << in("206", "208", "5", "9") << refused;
    QTest::newRow("P1 and P2 zero: e set to 0, P2 refused")
        << in("0", "0", "5", "9") << QStringList { porukaP2Nula } << in("0", "208", "0", "9")
        << refused;
    QTest::newRow("e a lone point, its reset not under L")
        << in("206", "208", ".", "4") << QStringList { porukaRazmak, porukaRastojanje }
        << in("206", "208", "3.9", "4") << refused;
    QTest::newRow("L = 9999 gives 9998.9, longer than the field takes")
        << in("206", "208", "9999", "9999") << QStringList { porukaRastojanje }
        << in("206", "208", "9998.9", "9999") << refused;
    QTest::newRow("every field a lone point")
        << in(".", ".", ".", ".") << QStringList { porukaP1, porukaP2, porukaRazmak, porukaRaspon }
        << in("206", "208", "5", "9") << refused;
}

void tst_frmParametri::commandChecksTheFields()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, after);
    QFETCH(QList<double>, computed);
    frmParametri &w = otvori();
    ModalWatcher watcher;
    Rezultati rezultati(watcher, w);

    // A record from other inputs, so that a calculation after a refusal would show.
    unesiSve(w,
        { QStringLiteral("100"), QStringLiteral("120"), QStringLiteral("2"), QStringLiteral("7") });
    proracunaj(w);
    QCOMPARE(rezultati.otvaranja, 1);
    QCOMPARE(sviFields(w.rezultati()), zapis(100, 120, 2, 7));
    QVERIFY(watcher.boxes().empty());
    rezultati.otvaranja = 0;

    unesiSve(w, typed);
    QCOMPARE(tekstovi(w), typed);
    const QString focusBefore = fokus(w);
    proracunaj(w);

    QCOMPARE(watcher.texts(), messages);
    QString expectedFocus = focusBefore;
    for (const SeenBox &box : watcher.boxes()) {
        QCOMPARE(box.caption, naslovGreske);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Each message comes before its own reset and focus, after those of the check before.
        QCOMPARE(box.focusBefore, expectedFocus);
        expectedFocus = fokusPoruke().at(box.text);
    }
    QCOMPARE(tekstovi(w), after);
    QCOMPARE(fokus(w), expectedFocus);
    if (!messages.isEmpty()) {
        auto *field = qobject_cast<QLineEdit *>(w.focusWidget());
        QCOMPARE(field->selectedText(), field->text());
    }

    if (computed.isEmpty()) {
        QCOMPARE(rezultati.otvaranja, 0);
        QCOMPARE(sviFields(w.rezultati()), zapis(100, 120, 2, 7));
    } else {
        const auto expected = zapis(computed[0], computed[1], computed[2], computed[3]);
        QCOMPARE(rezultati.otvaranja, 1);
        QCOMPARE(rezultati.ime, QStringLiteral("frmIzlazna"));
        QVERIFY(rezultati.modalan);
        QCOMPARE(rezultati.zapisPriOtvaranju, expected);
        QCOMPARE(sviFields(w.rezultati()), expected);
    }
}

void tst_frmParametri::commandAfterAResetUsesTheResetText_data()
{
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("L");
    QTest::addColumn<QString>("reset");
    QTest::addColumn<double>("eComputed");
    QTest::addColumn<double>("LComputed");
    QTest::newRow("e = L = 9, then e = 8.9") << "9"
                                             << "9"
                                             << "8.9" << 8.9 << 9.0;
    QTest::newRow("L = 0.05, then e = 0") << "1"
                                          << "0.05"
                                          << "0" << 0.0 << 0.05;
}

void tst_frmParametri::commandAfterAResetUsesTheResetText()
{
    QFETCH(QString, e);
    QFETCH(QString, L);
    QFETCH(QString, reset);
    QFETCH(double, eComputed);
    QFETCH(double, LComputed);
    frmParametri &w = otvori();
    ModalWatcher watcher;
    Rezultati rezultati(watcher, w);
    unesi(w, w.txtRazmakSila(), e);
    unesi(w, w.txtRasponGrede(), L);

    proracunaj(w);
    QCOMPARE(watcher.texts(), QStringList { porukaRastojanje });
    QCOMPARE(w.txtRazmakSila()->text(), reset);
    QCOMPARE(rezultati.otvaranja, 0);

    proracunaj(w);
    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    QCOMPARE(rezultati.otvaranja, 1);
    QCOMPARE(sviFields(w.rezultati()), zapis(206, 208, eComputed, LComputed));
    for (double v : sviFields(w.rezultati()))
        QVERIFY(std::isfinite(v));
}

void tst_frmParametri::emptiedFieldMakesTheCommandDoNothing_data()
{
    QTest::addColumn<QString>("field");
    for (const QString &name : imenaPolja)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_frmParametri::emptiedFieldMakesTheCommandDoNothing()
{
    QFETCH(QString, field);
    frmParametri &w = otvori();
    ModalWatcher watcher;
    Rezultati rezultati(watcher, w);
    unesiSve(w,
        { QStringLiteral("."), QStringLiteral("0"), QStringLiteral("9"),
            QStringLiteral("9") }); // every check would fail
    auto *target = w.findChild<QLineEdit *>(field);
    QStringList expected = tekstovi(w);
    expected[imenaPolja.indexOf(field)].clear();
    unesi(w, target, QString());

    proracunaj(w);

    QVERIFY(watcher.boxes().empty());
    QCOMPARE(rezultati.otvaranja, 0);
    QCOMPARE(tekstovi(w), expected);
    QCOMPARE(fokus(w), field);
    QCOMPARE(sviFields(w.rezultati()), std::vector<double>(36, 0.0));
}

void tst_frmParametri::exitAnsweredNoKeepsTheWindow()
{
    frmParametri &w = otvori();
    ModalWatcher watcher({ QMessageBox::No });
    Rezultati rezultati(watcher, w);
    unesiSve(w,
        { QStringLiteral("100"), QStringLiteral("120"), QStringLiteral("2"), QStringLiteral("7") });
    proracunaj(w);
    QCOMPARE(rezultati.otvaranja, 1);

    izaberi(w, "mnuDatoteka", "mnuDatotekaIzlaz");

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes()[0];
    QCOMPARE(box.caption, QStringLiteral("Izlaz?"));
    QCOMPARE(box.text, QStringLiteral("Da li zelite da izadjete iz programa?"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(w.isVisible());
    QCOMPARE(tekstovi(w),
        (QStringList { QStringLiteral("100"), QStringLiteral("120"), QStringLiteral("2"),
            QStringLiteral("7") }));
    QCOMPARE(sviFields(w.rezultati()), zapis(100, 120, 2, 7));
}

void tst_frmParametri::exitAnsweredYesClosesTheWindow()
{
    // As the program runs it: the window releases itself when it closes.
    auto *w = new frmParametri;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<frmParametri> alive(w);
    w->show();
    aktiviraj(*w);
    ModalWatcher watcher({ QMessageBox::Yes });

    izaberi(*w, "mnuDatoteka", "mnuDatotekaIzlaz");

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    QCOMPARE(watcher.boxes()[0].caption, QStringLiteral("Izlaz?"));
    QVERIFY(!alive || !alive->isVisible());
    QTRY_VERIFY(alive.isNull());
}

void tst_frmParametri::closeBoxClosesWithoutAQuestion()
{
    frmParametri &w = otvori();
    ModalWatcher watcher;
    QVERIFY(w.close());
    QCoreApplication::processEvents();
    QVERIFY(watcher.boxes().empty());
    QVERIFY(!w.isVisible());
}

void tst_frmParametri::opensCentredOnTheScreen()
{
    frmParametri w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint offCentre = w.frameGeometry().center() - w.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

QTEST_MAIN(tst_frmParametri)
#include "tst_frmparametri.moc"
