// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results/frmIzlazna.h"

#include "Datoteke.h"
#include "OgranicenjeVelicine.h"
#include "PdfText.h"
#include "UserInput.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
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
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    const QString text = pdfTekst(pdf);
    for (const char *v : { "484.07", "413.99", "487.68", "298.44", "114.44", "115.56", "299.56" })
        QVERIFY2(text.contains(QLatin1String(v)), v);
    // Paper and file never differ: the printer gets the same pages, A4 included.
    QVERIFY2(pdfInfo(papir).contains(QStringLiteral("(A4)")), qPrintable(pdfInfo(papir)));
    QCOMPARE(bezVremena(pdfTekst(papir)), bezVremena(text));
}

void tst_Izvestaj::failedSaveKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<Kvar>("kvar");
    QTest::newRow("disk full, old file kept") << Kvar::DiskFull;
    QTest::newRow("folder chosen as the name") << Kvar::FolderAsName;
    QTest::newRow("folder that refuses everyone") << Kvar::FolderOfNobody;
}

void tst_Izvestaj::failedSaveKeepsTheOldFileAndSaysWhy()
{
    QFETCH(Kvar, kvar);
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
    {
        std::optional<OgranicenjeVelicine> limit;
        if (kvar == Kvar::DiskFull)
            limit.emplace(1000); // larger than the old file, far smaller than the sheet
        komanda(&w, "mnuDatotekaIzvestaj");
    }

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes().front();
    QCOMPARE(box.caption, QStringLiteral("Greska pri snimanju izvestaja!"));
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

QTEST_MAIN(tst_Izvestaj)
#include "tst_izvestaj.moc"
