// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: the input window speaks the chosen language, every English text of the
// designed windows fits its control, and a saved listing is the same bytes in both languages.

#include "Datoteke.h"
#include "ListingExamples.h"
#include "UserInput.h"

#include "translations/Translations.h"
#include "ui/about/frmAbout.h"
#include "ui/about/frmPomoc.h"
#include "ui/input/frmParametri.h"
#include "ui/listing/frmListingExtM.h"
#include "ui/listing/frmListingExtT.h"
#include "ui/results/frmIzlazna.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>

namespace {

const UlazniParametri ulaz { 206, 208, 5, 9 };
const RezultatiProracuna rezultati = [] {
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    return r;
}();

std::unique_ptr<QWidget> prozor(const QString &ime, const RezultatiProracuna &r)
{
    const std::map<QString, std::function<QWidget *()>> prozori {
        { "frmParametri", [] { return new frmParametri; } },
        { "frmIzlazna", [&r] { return new frmIzlazna(r, nullptr); } },
        { "frmListingExtM", [&r] { return new frmListingExtM(r, nullptr); } },
        { "frmListingExtT", [&r] { return new frmListingExtT(r, nullptr); } },
        { "frmAbout", [] { return new frmAbout; } },
        { "frmPomoc", [] { return new frmPomoc; } },
    };
    return std::unique_ptr<QWidget>(prozori.at(ime)());
}

// Whether text drawn in rect is narrower than it and, word-wrapped, no taller.
bool staje(const QFont &font, const QRect &rect, int flags, const QString &text)
{
    const QRect treba = QFontMetrics(font).boundingRect(rect, flags, text);
    return treba.width() <= rect.width()
        && (!(flags & Qt::TextWordWrap) || treba.height() <= rect.height());
}

} // namespace

class tst_English : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(useLanguage(Language::Serbian)); }
    void inputWindowInEachLanguage_data();
    void inputWindowInEachLanguage();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void listingFilesAreTheSameInBothLanguages();
};

void tst_English::inputWindowInEachLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("menus");
    QTest::newRow("Serbian") << Language::Serbian << "Ulazni parametri proracuna"
                             << "Datoteka Proracun O programu Pomoc";
    QTest::newRow("English") << Language::English << "Calculation inputs"
                             << "File Calculation About Help";
}

void tst_English::inputWindowInEachLanguage()
{
    QFETCH(Language, language);
    QFETCH(QString, title);
    QFETCH(QString, menus);
    QVERIFY(useLanguage(language));
    frmParametri w;
    QCOMPARE(w.windowTitle(), title);
    QString shown;
    for (const QAction *menu : w.menuBar()->actions())
        shown += (shown.isEmpty() ? "" : " ") + menu->text();
    QCOMPARE(shown, menus);
}

void tst_English::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : { "frmParametri", "frmIzlazna", "frmListingExtM", "frmListingExtT",
             "frmAbout", "frmPomoc" })
        QTest::newRow(w) << QString(w);
}

void tst_English::textsFitTheirControls()
{
    QFETCH(QString, window);
    const RezultatiProracuna &r = rezultati;
    // Symbols and units ("P1 =", "[kN]") are the same in both languages and are not checked.
    QHash<QString, QString> srpski;
    const auto sr = prozor(window, r);
    for (const QLabel *l : sr->findChildren<QLabel *>())
        srpski.insert(l->objectName(), l->text());
    QVERIFY(useLanguage(Language::English));
    const auto w = prozor(window, r);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const auto proveri = [](const QFont &font, QRect rect, int flags, const QString &text) {
        QVERIFY2(staje(font, rect, flags, text), qPrintable(text));
    };
    for (const QLabel *l : w->findChildren<QLabel *>()) {
        if (l->text() != srpski.value(l->objectName()))
            proveri(l->font(), l->contentsRect(),
                int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
    }
    // A group's caption starts a few pixels in from the frame's corner.
    for (const QGroupBox *g : w->findChildren<QGroupBox *>())
        proveri(g->font(), g->rect().adjusted(8, 0, -8, 0), Qt::AlignLeft, g->title());
    for (const QPushButton *b : w->findChildren<QPushButton *>())
        proveri(b->font(), b->rect().adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextWordWrap,
            b->text());
    for (const QListWidget *list : w->findChildren<QListWidget *>()) {
        for (int i = 0; i < list->count(); ++i)
            proveri(list->font(), list->viewport()->rect(), Qt::AlignLeft, list->item(i)->text());
    }
}

// The listing windows save data: in English the very bytes of the Serbian files.
void tst_English::listingFilesAreTheSameInBothLanguages()
{
    QVERIFY(useLanguage(Language::English));
    QTemporaryDir dir;
    const RezultatiProracuna &r = rezultati;
    frmListingExtM m(r, nullptr);
    frmListingExtT t(r, nullptr);
    for (const auto &[w, file] :
        { std::pair<ListingWindow *, QByteArray> { &m, momentnaListaPocetnihVrednosti },
            { &t, transverzalnaListaPocetnihVrednosti } }) {
        const QString path = dir.filePath(w->objectName());
        w->setFileNameQuestion([path] { return path; });
        w->show();
        aktiviraj(w);
        komanda(w, "mnuDatotekaProracun");
        komanda(w, "mnuDatotekaSnimi");
        QCOMPARE(sadrzaj(path), file);
    }
}

QTEST_MAIN(tst_English)
#include "tst_english.moc"
