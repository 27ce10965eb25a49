#include "ListingTestSupport.h"
#include "ModalWatcher.h"

#include "ui/LineSketch.h"
#include "ui/listing/frmListingExtT.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>

namespace {

const QByteArray jedanaestLinija
    = QByteArrayLiteral("x[m]= 0.000\t\tmaxT[kN]= 298.444\t\tminT[kN]= 0.000\r\n"
                        "x[m]= 0.900\t\tmaxT[kN]= 257.044\t\tminT[kN]= -20.800\r\n"
                        "x[m]= 1.800\t\tmaxT[kN]= 215.644\t\tminT[kN]= -41.600\r\n"
                        "x[m]= 2.700\t\tmaxT[kN]= 174.244\t\tminT[kN]= -62.400\r\n"
                        "x[m]= 3.600\t\tmaxT[kN]= 132.844\t\tminT[kN]= -83.200\r\n"
                        "x[m]= 4.500\t\tmaxT[kN]= 103.000\t\tminT[kN]= -104.000\r\n"
                        "x[m]= 5.400\t\tmaxT[kN]= 82.400\t\tminT[kN]= -133.956\r\n"
                        "x[m]= 6.300\t\tmaxT[kN]= 61.800\t\tminT[kN]= -175.356\r\n"
                        "x[m]= 7.200\t\tmaxT[kN]= 41.200\t\tminT[kN]= -216.756\r\n"
                        "x[m]= 8.100\t\tmaxT[kN]= 20.600\t\tminT[kN]= -258.156\r\n"
                        "x[m]= 9.000\t\tmaxT[kN]= 0.000\t\tminT[kN]= -299.556\r\n");

QListWidget *lista(QWidget *w)
{
    return w->findChild<QListWidget *>(QStringLiteral("lstExtT"));
}

} // namespace

class tst_frmListingExtT : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTenFieldsSelectedAndAnEmptyList();
    void beamSketchHasItsThirteenNamedLines();
    void listsAndSavesTheStartValuesExample();
    void columnsLineUp();
    void saveDialogOffersItsOwnName();
};

void tst_frmListingExtT::opensWithTenFieldsSelectedAndAnEmptyList()
{
    Ulaz ulaz;
    frmListingExtT w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("extT u proizvoljnim presecima grede"));
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("klijent"))->size(), QSize(742, 301));
    QCOMPARE(w.focusWidget(), brojPolja(&w));
    QCOMPARE(brojPolja(&w)->selectedText(), QStringLiteral("10"));
    QCOMPARE(lista(&w)->count(), 0);
}

void tst_frmListingExtT::beamSketchHasItsThirteenNamedLines()
{
    Ulaz ulaz;
    frmListingExtT w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    const auto line = [&w](int n) {
        auto *sketch = w.findChild<LineSketch *>(QStringLiteral("Line%1").arg(n));
        return sketch && sketch->lines().size() == 1 ? sketch->lines().front() : SketchLine {};
    };
    for (int n = 1; n <= 13; ++n)
        QVERIFY2(line(n).width > 0, qPrintable(QString::number(n)));
    const auto same = [](SketchLine a, SketchLine b) {
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.width == b.width;
    };
    QVERIFY(same(line(1), { 1590, 225, 9510, 225, 4 }));
    QVERIFY(same(line(8), { 9150, 585, 9870, 585, 2 }));
    QVERIFY(same(line(11), { 9510, 705, 9510, 1185, 1 }));
    QVERIFY(same(line(13), { 9390, 1185, 9630, 945, 1 }));
    QVERIFY(!w.findChild<LineSketch *>(QStringLiteral("Line14")));
}

void tst_frmListingExtT::listsAndSavesTheStartValuesExample()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("extt.txt"));
    Ulaz ulaz;
    frmListingExtT w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 11);
    QCOMPARE(linije(lista(&w)).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
        QString::fromLatin1(jedanaestLinija));
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(sadrzaj(path), jedanaestLinija);
}

void tst_frmListingExtT::columnsLineUp()
{
    // Narrow numbers near the supports and the widest the fields admit elsewhere.
    Ulaz ulaz("99999", "99999", "9998", "9999");
    frmListingExtT w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    otkucaj(brojPolja(&w), QStringLiteral("99"));
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 100);
    proveriKolone(lista(&w));
}

void tst_frmListingExtT::saveDialogOffersItsOwnName()
{
    QTemporaryDir dir;
    Ulaz ulaz;
    frmListingExtT w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.show();
    komanda(&w, "mnuDatotekaProracun");
    QStringList seen;
    ModalWatcher watcher;
    watcher.onOtherModal = [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        seen << dialog->objectName() << dialog->windowTitle() << dialog->defaultSuffix()
             << name->text()
             << dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
        name->setText(dir.filePath(QStringLiteral("extt")));
        QTest::keyClick(name, Qt::Key_Return);
    };
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(
        seen, QStringList({ "CommonDialog2", "Rezultati proracuna- extT", "txt", "extt", ".txt" }));
    QCOMPARE(sadrzaj(dir.filePath(QStringLiteral("extt.txt"))), jedanaestLinija);
}

QTEST_MAIN(tst_frmListingExtT)
#include "tst_frmlistingextt.moc"
