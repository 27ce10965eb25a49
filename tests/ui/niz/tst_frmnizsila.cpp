// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/input/frmParametri.h"
#include "ui/niz/frmNizSila.h"

#include "Datoteke.h"
#include "PdfText.h"
#include "RefusalTexts.h"
#include "UserInput.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

class tst_frmNizSila : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void pairFromTheInputWindowThenTwoCranes();
};

// The input window's pair opens the window; the cranes' preset, a refusal and the CSV after it.
void tst_frmNizSila::pairFromTheInputWindowThenTwoCranes()
{
    const auto tekst = [](const QWidget *w, const char *label) {
        return kontrola<QLabel>(w, QLatin1String(label))->text();
    };
    frmParametri ulaz;
    ulaz.show();
    for (const auto &[ime, vrednost] : { std::pair { "txtSila1", "120" }, { "txtSila2", "120" },
             { "txtRazmakSila", "3.6" }, { "txtRasponGrede", "6" } })
        unesi(polje(&ulaz, QLatin1String(ime)), QLatin1String(vrednost));
    QString otvoren;
    {
        ModalWatcher watcher;
        watcher.onOtherModal = [&](QWidget *modal) {
            otvoren = modal->windowTitle() + ": " + tekst(modal, "lblApsolutniMaksimum");
            komanda(modal, "mnuDatotekaIzlaz");
        };
        izaberi(&ulaz, "mnuProracunNizSila");
    }
    QCOMPARE(otvoren,
        QStringLiteral("Niz pokretnih sila: Apsolutni maksimum: max M = 180.00 kNm u x = 3.000 "
                       "m: P1 u preseku, P2 van grede"));

    frmNizSila w({ 206, 208, 5, 9 }, nullptr);
    w.show();
    auto *sile = kontrola<QTableWidget>(&w, QStringLiteral("tblSile"));
    QCOMPARE(sile->item(1, 1)->text(), QStringLiteral("5"));
    kontrola(&w, QStringLiteral("cmbPredlozak"))->setFocus();
    pritisni(&w, Qt::Key_Down);
    QCOMPARE(sile->rowCount(), 4);
    unesi(polje(&w, QStringLiteral("txtRaspon")), QStringLiteral("12"));
    klikni(kontrola(&w, QStringLiteral("cmdProracunaj")));
    QCOMPARE(tekst(&w, "lblApsolutniMaksimum"),
        QStringLiteral("Apsolutni maksimum: max M = 802.08 kNm u x = 5.750 m: P2 u preseku; na "
                       "gredi i P1, P3, P4"));
    unesi(polje(&w, QStringLiteral("txtPresek")), QStringLiteral("5.75"));
    klikni(kontrola(&w, QStringLiteral("cmdPresek")));
    QCOMPARE(tekst(&w, "lblPresekExtM"),
        QStringLiteral("extM = 802.08 kNm: P2 u preseku; na gredi i P1, P3, P4"));
    const QImage &slika = kontrola<PlotNiza>(&w, QStringLiteral("pctNizAnvelope"))->image();
    QImage prazna(slika.size(), slika.format());
    prazna.fill(Qt::white);
    QVERIFY(!slika.isNull() && slika != prazna);

    // A fifth force typed with zero distance, a factor beyond 2: both named, the focus on φ.
    klikni(kontrola(&w, QStringLiteral("cmdDodajSilu")));
    sile->setFocus();
    sile->setCurrentCell(4, 0);
    otkucaj(&w, QStringLiteral("0{Tab}"));
    unesi(polje(&w, QStringLiteral("txtFi")), QStringLiteral("2.5"));
    ModalWatcher watcher;
    klikni(kontrola(&w, QStringLiteral("cmdProracunaj")));
    QCOMPARE(watcher.texts(),
        QStringList({ "Sila P u redu 5 mora biti decimalan broj veci od 0 i najvise 99999 kN!",
            "Dinamicki koeficijent mora biti decimalan broj od 1 do 2!" }));
    QCOMPARE(fokus(&w), QStringLiteral("txtFi"));

    klikni(kontrola(&w, QStringLiteral("cmdUkloniSilu")));
    unesi(polje(&w, QStringLiteral("txtFi")), QStringLiteral("1"));
    unesi(polje(&w, QStringLiteral("txtBrojPolja")), QStringLiteral("2"));
    klikni(kontrola(&w, QStringLiteral("cmdProracunaj")));
    QTemporaryDir dir;
    watcher.onOtherModal
        = [&](QWidget *modal) { upisiImeDatoteke(modal, dir.filePath(QStringLiteral("niz"))); };
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(sadrzaj(dir.filePath(QStringLiteral("niz.csv"))),
        QByteArrayLiteral("x [m],extM [kNm],maxT [kN],minT [kN]\r\n"
                          "0,0,283.333333333333,0\r\n"
                          "6,800,91.6666666666667,-91.6666666666667\r\n"
                          "12,0,0,-283.333333333333\r\n"));

    // The sheet after the document fields (confirmed as they stand), as the results window saves.
    watcher.onOtherModal = [&](QWidget *modal) {
        if (modal->objectName() == QStringLiteral("dlgPodaciDokumenta"))
            QTest::keyClick(modal, Qt::Key_Return);
        else
            upisiImeDatoteke(modal, dir.filePath(QStringLiteral("niz.pdf")));
    };
    komanda(&w, "mnuDatotekaIzvestaj");
    const QString list = pdfTekst(dir.filePath(QStringLiteral("niz.pdf")));
    QVERIFY2(
        list.contains(QStringLiteral("max M = 802.08 kNm u x = 5.750 m: P2 u preseku; na gredi "
                                     "i P1, P3, P4")),
        qPrintable(list));
    QVERIFY(list.contains(QStringLiteral("strana 1 od")));
}

QTEST_MAIN(tst_frmNizSila)
#include "tst_frmnizsila.moc"
