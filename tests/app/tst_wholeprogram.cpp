// SPDX-License-Identifier: GPL-3.0-or-later

// The typical use of the program from start to exit, through the real windows, menus, keys,
// message boxes and save dialog.

#include "ui/input/frmParametri.h"

#include "ListingExamples.h"
#include "UserInput.h"

#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Opens further modal windows from outside the watcher's own handler, which blocks its timer.
template <typename F> void kasnije(QWidget *context, F f)
{
    QTimer::singleShot(0, context, f);
}

} // namespace

class tst_WholeProgram : public QObject
{
    Q_OBJECT

private slots:
    void typicalUseFromStartToExit();
    void startedWithoutADisplaySaysSoAndEnds_data();
    void startedWithoutADisplaySaysSoAndEnds();
};

void tst_WholeProgram::typicalUseFromStartToExit()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("extM.txt"));

    // As the program starts it.
    QPointer<frmParametri> parametri = new frmParametri;
    parametri->setAttribute(Qt::WA_DeleteOnClose);
    parametri->show();
    parametri->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(parametri));
    QCOMPARE(parametri->focusWidget(), parametri->txtSila1());

    QStringList steps;
    QStringList listing;
    ModalWatcher watcher({ QMessageBox::No, QMessageBox::Yes });
    watcher.onOtherModal = [&](QWidget *modal) {
        const QString name = modal->objectName();
        steps << name;
        if (name == QLatin1String("frmIzlazna")) {
            kasnije(modal, [&, modal] {
                klikni(polje(modal, QStringLiteral("txtProizvoljnoX")));
                otkucaj(modal, QStringLiteral("4.5"));
                klikni(kontrola(modal, QStringLiteral("cmdMomentSavijanjaUProizvoljnomPreseku")));
                for (const char *name :
                    { "txtProizvoljnoKNmPI", "txtProizvoljnoKNmPII", "txtEXTMProizvoljniPresek" })
                    steps << polje(modal, QLatin1String(name))->text();
                komanda(modal, "mnuProracunExtMUProizvoljnimPresecima");
                komanda(modal, "mnuDatotekaIzlaz");
            });
        } else if (name == QLatin1String("frmListingExtM")) {
            kasnije(modal, [&, modal] {
                komanda(modal, "mnuDatotekaProracun");
                auto *list = kontrola<QListWidget>(modal, QStringLiteral("lstExtM"));
                for (int i = 0; i < list->count(); ++i)
                    listing << list->item(i)->text();
                komanda(modal, "mnuDatotekaSnimi");
                komanda(modal, "mnuDatotekaIzlaz");
            });
        } else if (qobject_cast<QFileDialog *>(modal)) {
            upisiImeDatoteke(modal, dir.filePath(QStringLiteral("extM")));
        }
    };

    komanda(parametri, "mnuProracunExtMExtT");
    QCOMPARE(steps,
        (QStringList {
            "frmIzlazna", "411.50", "416.50", "416.50", "frmListingExtM", "CommonDialog1" }));
    QCOMPARE(listing.size(), 11);
    QCOMPARE(listing.at(5), QStringLiteral("x[m]= 4.500\t\tM[kNm]= 416.500"));

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), momentnaListaPocetnihVrednosti);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(parametri->focusWidget(), parametri->txtSila1());

    // "Izlaz", answered No and then Yes: the program's event loop ends with its last window.
    komanda(parametri, "mnuDatotekaIzlaz");
    QVERIFY(parametri);
    QVERIFY(parametri->isVisible());
    bool ended = true;
    QTimer::singleShot(0, parametri, [&] { komanda(parametri, "mnuDatotekaIzlaz"); });
    // Only a guard against a program that would never end; it does not measure anything.
    QTimer hang;
    hang.setSingleShot(true);
    connect(&hang, &QTimer::timeout, qApp, [&] {
        ended = false;
        QCoreApplication::exit(1);
    });
    hang.start(30000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(ended);
    QTRY_VERIFY(!parametri);
    QCOMPARE(watcher.boxes().size(), std::size_t(2));
    for (const SeenBox &box : watcher.boxes()) {
        QCOMPARE(box.caption, QStringLiteral("Izlaz?"));
        QCOMPARE(box.text, QStringLiteral("Da li zelite da izadjete iz programa?"));
        QCOMPARE(box.icon, QMessageBox::Question);
    }
}

void tst_WholeProgram::startedWithoutADisplaySaysSoAndEnds_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::newRow("no display") << QStringList {};
    QTest::newRow("an empty DISPLAY") << QStringList { "DISPLAY=" };
    QTest::newRow("a display that does not answer") << QStringList { "DISPLAY=:4711" };
    QTest::newRow("an unknown platform") << QStringList { "QT_QPA_PLATFORM=bogus" };
}

void tst_WholeProgram::startedWithoutADisplaySaysSoAndEnds()
{
    QFETCH(QStringList, variables);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QLatin1String(name));
    for (const QString &v : variables)
        environment.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KELVANE_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardError(),
        QByteArrayLiteral("Kelvane needs a graphical desktop, and this session has no display to "
                          "show its window on.\n"));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_MAIN(tst_WholeProgram)
#include "tst_wholeprogram.moc"
