// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real windows through their menus, as a user would, and saves a picture of each
// window and tab into the folder given as the only argument.

#include "translations/Translations.h"
#include "ui/about/KelvaneIcon.h"
#include "ui/input/frmParametri.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <functional>
#include <map>

namespace {

QDir folder;

void snimi(QWidget *window, const QString &name)
{
    QApplication::processEvents();
    window->grab().save(folder.filePath(name + QStringLiteral(".png")));
}

void izvrsi(QWidget *window, const char *action)
{
    window->findChild<QAction *>(QLatin1String(action))->trigger();
}

void upisi(QWidget *window, const char *field, const QString &text)
{
    window->findChild<QLineEdit *>(QLatin1String(field))->setText(text);
}

void klikni(QWidget *window, const char *button)
{
    window->findChild<QPushButton *>(QLatin1String(button))->click();
}

// Each modal window that opens is handed to the step written for it, once.
std::map<QString, std::function<void(QWidget *)>> koraci;

void pratiModalneProzore()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const auto korak = koraci.find(modal->objectName());
        if (korak == koraci.end())
            return;
        const auto step = korak->second;
        koraci.erase(korak);
        // Out of the timer's handler: a step opens further modal windows, and a timer does not
        // fire again while its own handler still runs.
        QTimer::singleShot(0, modal, [step, modal] { step(modal); });
    });
    timer->start(50);
}

void listing(QWidget *window, const QString &name)
{
    izvrsi(window, "mnuDatotekaProracun");
    snimi(window, name);
    izvrsi(window, "mnuDatotekaIzlaz");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        qFatal("usage: kelvane_screenshots FOLDER");
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    app.setWindowIcon(kelvaneIcon());
    useLanguage(systemLanguage());

    frmParametri parametri;
    parametri.show();

    koraci[QStringLiteral("frmIzlazna")] = [](QWidget *w) {
        auto *tabs = w->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
        upisi(w, "txtProizvoljnoX", QStringLiteral("4.5"));
        klikni(w, "cmdMomentSavijanjaUProizvoljnomPreseku");
        snimi(w, QStringLiteral("2-rezultati-extM"));
        tabs->setCurrentIndex(1);
        upisi(w, "txtProizvoljnoXZaExtT", QStringLiteral("6"));
        klikni(w, "cmdTransverzalnaSilaUProizvoljnomPreseku");
        snimi(w, QStringLiteral("3-rezultati-extT"));
        tabs->setCurrentIndex(2);
        snimi(w, QStringLiteral("4-rezultati-dijagram"));
        // The calculation sheet as a PDF beside the pictures; the script turns its first page
        // into one.
        izvrsi(w, "mnuDatotekaIzvestaj");
        izvrsi(w, "mnuProracunExtMUProizvoljnimPresecima");
        izvrsi(w, "mnuProracunExtTUProizvoljnimPresecima");
        izvrsi(w, "mnuProracunTacneAnvelope");
        tabs->setCurrentIndex(0);
        izvrsi(w, "mnuDatotekaIzlaz");
    };
    koraci[QStringLiteral("dlgIzvestaj")] = [](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        // As a user types the name into the dialog's own field.
        dialog->setDirectory(folder.absolutePath());
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("9-izvestaj.pdf"));
        static_cast<QDialog *>(dialog)->accept(); // the dialog's own accept, as OK runs it
    };
    // The sheet's document fields, as an engineer fills them in.
    koraci[QStringLiteral("dlgPodaciDokumenta")] = [](QWidget *w) {
        upisi(w, "txtProjekat", QStringLiteral("Pesacki most preko potoka"));
        upisi(w, "txtElement", QStringLiteral("Glavni nosac N1"));
        upisi(w, "txtAutor", QStringLiteral("M. Petrovic"));
        upisi(w, "txtRevizija", QStringLiteral("A"));
        static_cast<QDialog *>(w)->accept();
    };
    koraci[QStringLiteral("frmListingExtM")]
        = [](QWidget *w) { listing(w, QStringLiteral("5-listing-extM")); };
    koraci[QStringLiteral("frmListingExtT")]
        = [](QWidget *w) { listing(w, QStringLiteral("6-listing-extT")); };
    koraci[QStringLiteral("frmTacneAnvelope")] = [](QWidget *w) {
        upisi(w, "txtPresek", QStringLiteral("4.5"));
        klikni(w, "cmdPresek");
        snimi(w, QStringLiteral("10-tacne-anvelope"));
        izvrsi(w, "mnuDatotekaIzlaz");
    };
    koraci[QStringLiteral("frmNizSila")] = [](QWidget *w) {
        auto *predlozak = w->findChild<QComboBox *>(QStringLiteral("cmbPredlozak"));
        predlozak->setCurrentIndex(1);
        emit predlozak->activated(1); // two cranes of two wheels
        upisi(w, "txtRaspon", QStringLiteral("12"));
        klikni(w, "cmdProracunaj");
        upisi(w, "txtPresek", QStringLiteral("5.75"));
        klikni(w, "cmdPresek");
        snimi(w, QStringLiteral("11-niz-sila"));
        izvrsi(w, "mnuDatotekaIzlaz");
    };
    koraci[QStringLiteral("frmAbout")] = [](QWidget *w) {
        snimi(w, QStringLiteral("8-about"));
        w->close();
    };
    pratiModalneProzore();

    QTimer::singleShot(200, [&parametri] {
        snimi(&parametri, QStringLiteral("1-ulazni-parametri"));
        izvrsi(&parametri, "mnuProracunExtMExtT");
        izvrsi(&parametri, "mnuPomocPomoc");
        QWidget *pomoc = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmPomoc"))
                pomoc = w;
        }
        snimi(pomoc, QStringLiteral("7-pomoc"));
        pomoc->close();
        izvrsi(&parametri, "about");
        izvrsi(&parametri, "mnuProracunNizSila");
        QApplication::quit();
    });
    return app.exec();
}
