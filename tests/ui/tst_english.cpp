// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: the input window speaks the chosen language, every English text of the
// designed windows fits its control, and a saved listing is the same bytes in both languages.

#include "Datoteke.h"
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

#include <memory>

namespace {

const UlazniParametri ulaz { 206, 208, 5, 9 };

RezultatiProracuna rezultati()
{
    RezultatiProracuna r;
    r.proracunaj(ulaz);
    return r;
}

std::unique_ptr<QWidget> prozor(const QString &ime, const RezultatiProracuna &r)
{
    if (ime == QLatin1String("frmParametri"))
        return std::make_unique<frmParametri>();
    if (ime == QLatin1String("frmIzlazna"))
        return std::make_unique<frmIzlazna>(r, nullptr);
    if (ime == QLatin1String("frmListingExtM"))
        return std::make_unique<frmListingExtM>(r, nullptr);
    if (ime == QLatin1String("frmListingExtT"))
        return std::make_unique<frmListingExtT>(r, nullptr);
    if (ime == QLatin1String("frmAbout"))
        return std::make_unique<frmAbout>();
    return std::make_unique<frmPomoc>();
}

// Whether text drawn in rect with flags is narrower than rect; a word-wrapped text must also keep
// within its height.
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
    QTest::addColumn<QStringList>("menus");
    QTest::newRow("Serbian") << Language::Serbian << "Ulazni parametri proracuna"
                             << QStringList { "Datoteka", "Proracun", "O programu", "Pomoc" };
    QTest::newRow("English") << Language::English << "Calculation inputs"
                             << QStringList { "File", "Calculation", "About", "Help" };
}

void tst_English::inputWindowInEachLanguage()
{
    QFETCH(Language, language);
    QFETCH(QString, title);
    QFETCH(QStringList, menus);
    QVERIFY(useLanguage(language));
    frmParametri w;
    QCOMPARE(w.windowTitle(), title);
    QStringList shown;
    for (const QAction *menu : w.menuBar()->actions())
        shown << menu->text();
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
    const RezultatiProracuna r = rezultati();
    // Symbols and units ("P1 =", "[kN]") are the same in both languages and are not checked.
    QHash<QString, QString> srpski;
    const auto sr = prozor(window, r);
    for (const QLabel *l : sr->findChildren<QLabel *>())
        srpski.insert(l->objectName(), l->text());
    QVERIFY(useLanguage(Language::English));
    const auto w = prozor(window, r);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    for (const QLabel *l : w->findChildren<QLabel *>()) {
        if (l->text() == srpski.value(l->objectName()))
            continue;
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        QVERIFY2(staje(l->font(), l->contentsRect(), flags, l->text()), qPrintable(l->text()));
    }
    for (const QGroupBox *g : w->findChildren<QGroupBox *>()) {
        // The caption starts a few pixels in from the frame's left corner.
        const QRect naslov = g->rect().adjusted(8, 0, -8, 0);
        QVERIFY2(staje(g->font(), naslov, Qt::AlignLeft, g->title()), qPrintable(g->title()));
    }
    for (const QPushButton *b : w->findChildren<QPushButton *>()) {
        const QRect tekst = b->rect().adjusted(3, 3, -3, -3);
        QVERIFY2(staje(b->font(), tekst, Qt::AlignCenter | Qt::TextWordWrap, b->text()),
            qPrintable(b->text()));
    }
    for (const QListWidget *list : w->findChildren<QListWidget *>()) {
        for (int i = 0; i < list->count(); ++i) {
            const QString line = list->item(i)->text();
            QVERIFY2(
                QFontMetrics(list->font()).horizontalAdvance(line) <= list->viewport()->width(),
                qPrintable(line));
        }
    }
}

// The listing windows save data: the same bytes whichever language their window speaks.
void tst_English::listingFilesAreTheSameInBothLanguages()
{
    QTemporaryDir dir;
    const RezultatiProracuna r = rezultati();
    QByteArray saved[2][2];
    for (const Language language : { Language::Serbian, Language::English }) {
        QVERIFY(useLanguage(language));
        const int l = language == Language::English;
        const auto save = [&](ListingWindow &w, int k) {
            const QString path = dir.filePath(QStringLiteral("%1-%2.txt").arg(l).arg(k));
            w.setFileNameQuestion([path] { return path; });
            w.show();
            aktiviraj(&w);
            komanda(&w, "mnuDatotekaProracun");
            komanda(&w, "mnuDatotekaSnimi");
            saved[l][k] = sadrzaj(path);
        };
        frmListingExtM m(r, nullptr);
        save(m, 0);
        frmListingExtT t(r, nullptr);
        save(t, 1);
    }
    QVERIFY(saved[0][0].startsWith("X[m]") || saved[0][0].size() > 100);
    QCOMPARE(saved[1][0], saved[0][0]);
    QCOMPARE(saved[1][1], saved[0][1]);
}

QTEST_MAIN(tst_English)
#include "tst_english.moc"
