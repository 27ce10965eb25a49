// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/input/frmParametri.h"

#include "PoljaZapisa.h"
#include "ProveraRedovi.h"
#include "RefusalTexts.h"
#include "UserInput.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPointer>

#include <memory>
#include <vector>

namespace {

// The record that the calculation gives for these inputs, bit for bit.
std::vector<double> zapis(double P1, double P2, double e, double L)
{
    RezultatiProracuna r;
    r.proracunaj({ P1, P2, e, L });
    return svaPolja(r);
}

const QStringList imenaPolja { QStringLiteral("txtSila1"), QStringLiteral("txtSila2"),
    QStringLiteral("txtRazmakSila"), QStringLiteral("txtRasponGrede") };

QStringList tekstovi(const frmParametri &w)
{
    return { w.txtSila1()->text(), w.txtSila2()->text(), w.txtRazmakSila()->text(),
        w.txtRasponGrede()->text() };
}

void unesiSve(frmParametri &w, const QStringList &texts)
{
    for (int i = 0; i < 4; ++i)
        unesi(polje(&w, imenaPolja[i]), texts[i]);
}

void proracunaj(frmParametri &w)
{
    izaberi(&w, "mnuProracunExtMExtT");
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
            zapisPriOtvaranju = svaPolja(w.rezultati());
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
    aktiviraj(m_prozor.get());
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
    QCOMPARE(w.menuBar()->font(), QApplication::font("QMenuBar")); // the desktop's, not Arial
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    // A fixed border: the window cannot be resized.
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(svaPolja(w.rezultati()), std::vector<double>(36, 0.0));
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
    QStringList seen; // menu title, menu name, command text, command name
    for (const QAction *top : w.menuBar()->actions()) {
        QMenu *menu = top->menu();
        QVERIFY(menu);
        seen << top->text() << menu->objectName();
        for (const QAction *command : menu->actions())
            seen << command->text() << command->objectName();
    }
    QCOMPARE(seen,
        QStringList({ "Datoteka", "mnuDatoteka", "Izlaz", "mnuDatotekaIzlaz", "Proracun",
            "mnuProracun", "extM i extT", "mnuProracunExtMExtT", "Niz pokretnih sila...",
            "mnuProracunNizSila", "O programu", "mnuOProgramu", "O programu", "about", "Pomoc",
            "mnuPomoc", "Pomoc", "mnuPomocPomoc" }));
}

void tst_frmParametri::startsInP1WithItsTextSelected()
{
    frmParametri &w = otvori();
    QCOMPARE(QApplication::focusWidget(), w.txtSila1());
    QCOMPARE(w.txtSila1()->selectedText(), QStringLiteral("206"));
    // So that the first digit typed replaces the start value.
    pritisni(&w, Qt::Key_3);
    QCOMPARE(w.txtSila1()->text(), QStringLiteral("3"));
}

void tst_frmParametri::tabOrderFollowsTheFields()
{
    frmParametri &w = otvori();
    const QStringList texts { "206", "208", "5", "9" };
    for (int i = 1; i <= 4; ++i) {
        pritisni(&w, Qt::Key_Tab);
        QCOMPARE(fokus(&w), imenaPolja[i % 4]);
        QCOMPARE(qobject_cast<QLineEdit *>(w.focusWidget())->selectedText(), texts[i % 4]);
    }
    for (int i = 3; i >= 0; --i) {
        pritisni(&w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(fokus(&w), imenaPolja[i]);
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
    QLineEdit *field = polje(&w, QLatin1String(QTest::currentDataTag()));
    unesi(field, typed + QStringLiteral("678"));
    QCOMPARE(field->text(), typed);
}

void tst_frmParametri::commandChecksTheFields_data()
{
    koloneProvere();
    // The rules themselves are checked without a window; these rows show their order on screen.
    redProvere("start values", "206, 208, 5, 9", {}, "206, 208, 5, 9", { 206, 208, 5, 9 });
    redProvere("single force", "0, 150, 3, 6", {}, "0, 150, 0, 6", { 0, 150, 0, 6 });
    redProvere("P1 and L lone points, P1 first", "., 208, 5, .", { porukaP1, porukaRaspon },
        "206, 208, 5, 9");
    redProvere(
        "P1 and P2 zero: e set to 0, P2 refused", "0, 0, 5, 9", { porukaP2Nula }, "0, 208, 0, 9");
    redProvere("e a lone point, its reset not under L", "206, 208, ., 4",
        { porukaRazmak, porukaRastojanje }, "206, 208, 3.9, 4");
    redProvere("e equal to L", "206, 208, 9, 9", { porukaRastojanje }, "206, 208, 8.9, 9");
    redProvere("L = 0.05 gives 0", "206, 208, 1, 0.05", { porukaRastojanje }, "206, 208, 0, 0.05");
    redProvere("L = 9999 gives 9998.9, longer than the field takes", "206, 208, 9999, 9999",
        { porukaRastojanje }, "206, 208, 9998.9, 9999");
    redProvere("every field a lone point", "., ., ., .",
        { porukaP1, porukaP2, porukaRazmak, porukaRaspon }, "206, 208, 5, 9");
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
    unesiSve(w, { "100", "120", "2", "7" });
    proracunaj(w);
    QCOMPARE(rezultati.otvaranja, 1);
    QCOMPARE(svaPolja(w.rezultati()), zapis(100, 120, 2, 7));
    QVERIFY(watcher.boxes().empty());
    rezultati.otvaranja = 0;

    unesiSve(w, typed);
    QCOMPARE(tekstovi(w), typed);
    const QString focusBefore = fokus(&w);
    proracunaj(w);

    QCOMPARE(watcher.texts(), messages);
    QString expectedFocus = focusBefore;
    for (const SeenBox &box : watcher.boxes()) {
        QCOMPARE(box.caption, naslovGreske);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Each message comes before its own reset and focus, after those of the check before.
        QCOMPARE(box.focusBefore, expectedFocus);
        expectedFocus = fokusPoruke.at(box.text);
    }
    QCOMPARE(tekstovi(w), after);
    QCOMPARE(fokus(&w), expectedFocus);
    if (!messages.isEmpty()) {
        auto *field = qobject_cast<QLineEdit *>(w.focusWidget());
        QCOMPARE(field->selectedText(), field->text());
    }

    if (computed.isEmpty()) {
        QCOMPARE(rezultati.otvaranja, 0);
        QCOMPARE(svaPolja(w.rezultati()), zapis(100, 120, 2, 7));
        // The command chosen again computes with the texts the refusal left behind.
        proracunaj(w);
        QCOMPARE(watcher.texts(), messages);
        for (const QString &text : after)
            computed << text.toDouble();
    }
    const auto expected = zapis(computed[0], computed[1], computed[2], computed[3]);
    QCOMPARE(rezultati.otvaranja, 1);
    QCOMPARE(rezultati.ime, QStringLiteral("frmIzlazna"));
    QVERIFY(rezultati.modalan);
    QCOMPARE(rezultati.zapisPriOtvaranju, expected);
    QCOMPARE(svaPolja(w.rezultati()), expected);
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
    unesiSve(w, { ".", "0", "9", "9" }); // every check would fail
    QLineEdit *target = polje(&w, field);
    QStringList expected = tekstovi(w);
    expected[imenaPolja.indexOf(field)].clear();
    unesi(target, QString());

    proracunaj(w);

    QVERIFY(watcher.boxes().empty());
    QCOMPARE(rezultati.otvaranja, 0);
    QCOMPARE(tekstovi(w), expected);
    QCOMPARE(fokus(&w), field);
    QCOMPARE(svaPolja(w.rezultati()), std::vector<double>(36, 0.0));
}

void tst_frmParametri::exitAnsweredNoKeepsTheWindow()
{
    frmParametri &w = otvori();
    ModalWatcher watcher({ QMessageBox::No });
    Rezultati rezultati(watcher, w);
    unesiSve(w, { "100", "120", "2", "7" });
    proracunaj(w);
    QCOMPARE(rezultati.otvaranja, 1);

    izaberi(&w, "mnuDatotekaIzlaz");

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes()[0];
    QCOMPARE(box.caption, QStringLiteral("Izlaz?"));
    QCOMPARE(box.text, QStringLiteral("Da li zelite da izadjete iz programa?"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(w.isVisible());
    QCOMPARE(tekstovi(w), QStringList({ "100", "120", "2", "7" }));
    QCOMPARE(svaPolja(w.rezultati()), zapis(100, 120, 2, 7));
}

void tst_frmParametri::exitAnsweredYesClosesTheWindow()
{
    // As the program runs it: the window releases itself when it closes.
    auto *w = new frmParametri;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<frmParametri> alive(w);
    w->show();
    aktiviraj(w);
    ModalWatcher watcher({ QMessageBox::Yes });

    izaberi(w, "mnuDatotekaIzlaz");

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
