// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/frmIzlazna.h"

#include "Datoteke.h"
#include "OgranicenjeVelicine.h"
#include "PdfText.h"
#include "UserInput.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

// How a save can fail.
enum class Kvar { DiskFull, FolderAsName, FolderOfNobody };

const UlazniParametri ulaz { 206, 208, 5, 9 };

// The record of these inputs, as the results window gets it.
RezultatiProracuna zapis()
{
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    return r;
}

// The sheet's text without its date and time, which differ between two writings a minute apart.
QString bezVremena(QString text)
{
    return text.remove(
        QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}\\. \\d\\d:\\d\\d")));
}

// The document fields' dialog, which comes before every sheet, confirmed as it stands (Enter).
bool potvrdiPodatke(QWidget *modal)
{
    if (modal->objectName() != QStringLiteral("dlgPodaciDokumenta"))
        return false;
    QTest::keyClick(modal, Qt::Key_Return);
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Kvar)

class tst_Izvestaj : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void fileMenuOffersSheetAndPrintBeforeExit();
    void savesTheSheetAndPrintsTheSameSheet();
    void failedSaveKeepsTheOldFileAndSaysWhy_data();
    void failedSaveKeepsTheOldFileAndSaysWhy();
    void documentFieldsAreAskedAndRemembered();
};

void tst_Izvestaj::fileMenuOffersSheetAndPrintBeforeExit()
{
    frmIzlazna w(zapis(), nullptr);
    QStringList names;
    QStringList texts;
    for (const QAction *a : kontrola<QMenu>(&w, QStringLiteral("mnuDatoteka"))->actions()) {
        names << a->objectName();
        texts << a->text();
    }
    QCOMPARE(
        names, QStringList({ "mnuDatotekaIzvestaj", "mnuDatotekaStampa", "mnuDatotekaIzlaz" }));
    QCOMPARE(texts, QStringList({ "Izvestaj (PDF)...", "Stampa...", "Izlaz" }));
}

void tst_Izvestaj::savesTheSheetAndPrintsTheSameSheet()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const QString papir = dir.filePath(QStringLiteral("papir.pdf"));
    frmIzlazna w(zapis(), nullptr);
    w.setFileNameQuestion([&] { return pdf; });
    w.show();
    ModalWatcher watcher;
    // The print dialog is answered as a user printing to a file would.
    watcher.onOtherModal = [&](QWidget *modal) {
        if (potvrdiPodatke(modal))
            return;
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        QVERIFY(dialog);
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(papir);
        dialog->done(QDialog::Accepted);
    };
    komanda(&w, "mnuDatotekaIzvestaj");
    komanda(&w, "mnuDatotekaStampa");
    QVERIFY(watcher.boxes().empty());

    const QString info = pdfInfo(pdf);
    // Document fields, governing values and method on page 1; the listing on page 4.
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))), qPrintable(info));
    const QString text = pdfTekst(pdf);
    // The classical diagram's 115.56 (minT at x = e) gave way to the signed support shear.
    for (const char *v :
        { "484.07", "413.99", "487.68", "298.44", "114.44", "-299.56 kN", "299.56" })
        QVERIFY2(text.contains(QLatin1String(v)), v);
    // Paper and file never differ: the printer gets the same pages, A4 included.
    QVERIFY2(pdfInfo(papir).contains(QStringLiteral("(A4)")), qPrintable(pdfInfo(papir)));
    QCOMPARE(bezVremena(pdfTekst(papir)), bezVremena(text));
}

void tst_Izvestaj::failedSaveKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<Kvar>("kvar");
    QTest::addColumn<bool>("stampa"); // printed to a file instead of saved
    QTest::newRow("disk full, old file kept") << Kvar::DiskFull << false;
    QTest::newRow("folder chosen as the name") << Kvar::FolderAsName << false;
    QTest::newRow("folder that refuses everyone") << Kvar::FolderOfNobody << false;
    QTest::newRow("printed to a file on a full disk") << Kvar::DiskFull << true;
}

void tst_Izvestaj::failedSaveKeepsTheOldFileAndSaysWhy()
{
    QFETCH(Kvar, kvar);
    QFETCH(bool, stampa);
    QTemporaryDir dir;
    const QByteArray old = QByteArrayLiteral("%PDF-1.4 old");
    QString path = dir.filePath(QStringLiteral("list.pdf"));
    QString reason;
    if (kvar == Kvar::DiskFull) {
        upisiDatoteku(path, old);
        reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    } else if (kvar == Kvar::FolderAsName) {
        path = dir.path();
    } else {
        path = QStringLiteral("/proc/list.pdf");
    }

    frmIzlazna w(zapis(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    w.show();
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *modal) {
        if (potvrdiPodatke(modal))
            return;
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        QVERIFY(dialog);
        dialog->printer()->setOutputFileName(path);
        dialog->done(QDialog::Accepted);
    };
    {
        std::optional<OgranicenjeVelicine> limit;
        if (kvar == Kvar::DiskFull)
            limit.emplace(1000); // larger than the old file, far smaller than the sheet
        komanda(&w, stampa ? "mnuDatotekaStampa" : "mnuDatotekaIzvestaj");
    }

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes().front();
    QCOMPARE(box.caption,
        stampa ? QStringLiteral("Greska pri stampanju izvestaja!")
               : QStringLiteral("Greska pri snimanju izvestaja!"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    const QStringList text = box.text.split(QLatin1Char('\n'));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.at(0), QStringLiteral("Izvestaj nije snimljen u datoteku ") + path + '.');
    QVERIFY(!text.at(1).isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(text.at(1), reason);
    if (kvar == Kvar::DiskFull) {
        QCOMPARE(sadrzaj(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "list.pdf" });
    }
    if (kvar == Kvar::FolderAsName)
        QVERIFY(QFileInfo(path).isDir());
    QVERIFY(w.isVisible());
}

// The fields typed before one sheet appear on it and greet the next one; cancelling the dialog
// writes nothing.
void tst_Izvestaj::documentFieldsAreAskedAndRemembered()
{
    QSettings(QStringLiteral("Kelvane"), QStringLiteral("Kelvane"))
        .remove(QStringLiteral("dokument"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    frmIzlazna w(zapis(), nullptr);
    w.setFileNameQuestion([&] { return pdf; });
    w.show();
    const QStringList unos { "Most Sava 2", "N1", "M. Petrovic", "J. Ilic", "B" };
    const char *polja[]
        = { "txtProjekat", "txtElement", "txtAutor", "txtKontrolisao", "txtRevizija" };
    QStringList zateceno;
    ModalWatcher watcher;
    bool odustani = false;
    watcher.onOtherModal = [&](QWidget *modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("dlgPodaciDokumenta"));
        zateceno.clear();
        for (int i = 0; i < 5; ++i) {
            auto *f = kontrola<QLineEdit>(modal, QLatin1String(polja[i]));
            zateceno << f->text();
            f->setFocus();
            QTest::keyClicks(f, unos[i]);
        }
        QTest::keyClick(modal, odustani ? Qt::Key_Escape : Qt::Key_Return);
    };
    komanda(&w, "mnuDatotekaIzvestaj");
    QCOMPARE(zateceno, QStringList({ "", "", "", "", "" }));
    const QString text = pdfTekst(pdf);
    for (const QString &u : unos)
        QVERIFY2(text.contains(u), qPrintable(u));

    QFile::remove(pdf);
    odustani = true;
    komanda(&w, "mnuDatotekaIzvestaj");
    QCOMPARE(zateceno, unos);
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(tst_Izvestaj)
#include "tst_izvestaj.moc"
