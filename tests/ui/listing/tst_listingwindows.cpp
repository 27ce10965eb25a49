// SPDX-License-Identifier: GPL-3.0-or-later

// What the moment and the shear listing windows share, each test a table over both windows.

#include "ui/listing/frmListingExtM.h"
#include "ui/listing/frmListingExtT.h"

#include "Datoteke.h"
#include "ListingExamples.h"
#include "OgranicenjeVelicine.h"
#include "ReadOnlyFolder.h"
#include "UserInput.h"
#include "ui/listing/TabStopDelegate.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Prozor { ExtM, ExtT };

// What tells the two windows apart in these tests.
struct Dizajn
{
    const char *ime;
    const char *lista;
    const char *naslov;
    QSize klijent;
    QByteArray jedanaestLinija;
    const char *dijalog;
    const char *naslovDijaloga;
    const char *ponudjenoIme;
    SketchLine line1, line8, line11, line13;
};

const Dizajn &dizajn(Prozor p)
{
    static const Dizajn m { "frmListingExtM", "lstExtM", "extM u proizvoljnim presecima grede",
        QSize(430, 298), momentnaListaPocetnihVrednosti, "CommonDialog1",
        "Rezultati proracuna - extM", "extM", { 390, 195, 6030, 195, 4 },
        { 5670, 555, 6390, 555, 2 }, { 6030, 675, 6030, 1155, 1 }, { 5910, 1155, 6150, 915, 1 } };
    static const Dizajn t { "frmListingExtT", "lstExtT", "extT u proizvoljnim presecima grede",
        QSize(742, 301), transverzalnaListaPocetnihVrednosti, "CommonDialog2",
        "Rezultati proracuna- extT", "extt", { 1590, 225, 9510, 225, 4 },
        { 9150, 585, 9870, 585, 2 }, { 9510, 705, 9510, 1185, 1 }, { 9390, 1185, 9630, 945, 1 } };
    return p == Prozor::ExtM ? m : t;
}

// The three lines of two fields: the first, middle and last section of ten.
QByteArray triLinije(Prozor p)
{
    const QList<QByteArray> lines = dizajn(p).jedanaestLinija.split('\n');
    return lines[0] + '\n' + lines[5] + '\n' + lines[10] + '\n';
}

// A listing window of the record of these inputs, shown and active unless asked otherwise.
struct Listing
{
    std::unique_ptr<ListingWindow> w;

    explicit Listing(Prozor p, const UlazniParametri &ulaz = { 206, 208, 5, 9 },
        QWidget *parent = nullptr, bool prikazan = true)
    {
        RezultatiProracuna r;
        r.proracunaj(ulaz);
        if (p == Prozor::ExtM)
            w = std::make_unique<frmListingExtM>(r, parent);
        else
            w = std::make_unique<frmListingExtT>(r, parent);
        lista = kontrola<QListWidget>(w.get(), QLatin1String(dizajn(p).lista));
        brojPolja = polje(w.get(), QStringLiteral("txtBrojPolja"));
        if (prikazan) {
            w->show();
            aktiviraj(w.get());
        }
    }

    QStringList linije() const
    {
        QStringList lines;
        for (int i = 0; i < lista->count(); ++i)
            lines.append(lista->item(i)->text());
        return lines;
    }
    void izracunaj() { komanda(w.get(), "mnuDatotekaProracun"); }
    void snimi() { komanda(w.get(), "mnuDatotekaSnimi"); }
    void snimiU(const QString &path)
    {
        w->setFileNameQuestion([path] { return path; });
        snimi();
    }

    QListWidget *lista;
    QLineEdit *brojPolja;
};

// The file's inode number, which a save in place keeps; 0 when there is no file.
ino_t inode(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

constexpr Prozor obaProzora[] = { Prozor::ExtM, Prozor::ExtT };

// One row per window, named after it, for a test that needs nothing else.
void poJedanRed()
{
    QTest::addColumn<Prozor>("prozor");
    for (const Prozor p : obaProzora)
        QTest::newRow(dizajn(p).ime) << p;
}

// How a save can fail.
enum class Kvar {
    FolderReadOnly,
    FolderOfNobody,
    FolderAsName,
    DiskFull,
    DiskFullInPlace, // over a writable file in a read-only folder
    DeviceFull,
    PipeWithoutReader
};

} // namespace

Q_DECLARE_METATYPE(Prozor)
Q_DECLARE_METATYPE(Kvar)

class tst_ListingWindows : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTenFieldsSelectedAndAnEmptyList_data() { poJedanRed(); }
    void opensWithTenFieldsSelectedAndAnEmptyList();
    void refusesFieldCountsThatAreNoNumberOrZero_data();
    void refusesFieldCountsThatAreNoNumberOrZero();
    void eachCommandReplacesTheLinesAndEachSaveTheFile_data();
    void eachCommandReplacesTheLinesAndEachSaveTheFile();
    void columnsLineUp_data() { poJedanRed(); }
    void columnsLineUp();
    void savesAnEmptyFileWithoutLines_data();
    void savesAnEmptyFileWithoutLines();
    void failedSaveKeepsTheOldFileAndSaysWhy_data();
    void failedSaveKeepsTheOldFileAndSaysWhy();
    void saveDialogOffersItsNameAndRemembersTheChoice_data() { poJedanRed(); }
    void saveDialogOffersItsNameAndRemembersTheChoice();
    void exitAndCloseBoxEndTheWindow_data();
    void exitAndCloseBoxEndTheWindow();
    void escapeDoesNotCloseTheWindow_data() { poJedanRed(); }
    void escapeDoesNotCloseTheWindow();
};

void tst_ListingWindows::opensWithTenFieldsSelectedAndAnEmptyList()
{
    QFETCH(Prozor, prozor);
    const Dizajn &d = dizajn(prozor);
    QWidget below;
    below.move(0, 0);
    below.show();
    Listing l(prozor, { 206, 208, 5, 9 }, &below);
    QWidget &w = *l.w;

    // Centred on the screen, not over the window below.
    const QPoint offCentre = w.frameGeometry().center() - w.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(w.objectName(), QLatin1String(d.ime));
    QCOMPARE(w.windowTitle(), QLatin1String(d.naslov));
    QCOMPARE(kontrola(&w, QStringLiteral("klijent"))->size(), d.klijent);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(fokus(&w), QStringLiteral("txtBrojPolja"));
    QCOMPARE(l.brojPolja->text(), QStringLiteral("10"));
    QCOMPARE(l.brojPolja->selectedText(), QStringLiteral("10"));
    QCOMPARE(l.lista->count(), 0);

    const QMenu *datoteka = kontrola<QMenu>(&w, QStringLiteral("mnuDatoteka"));
    QCOMPARE(datoteka->title(), QStringLiteral("Datoteka"));
    QStringList commands;
    for (const QAction *a : datoteka->actions())
        commands << a->objectName() + QLatin1Char('=') + a->text();
    QCOMPARE(commands,
        QStringList({ "mnuDatotekaProracun=Proracun", "mnuDatotekaSnimi=Snimi",
            "mnuDatotekaIzlaz=Izlaz" }));

    // The beam sketch: Line1 to Line13, each a control of its own.
    const auto line = [&w](int n) {
        auto *sketch = w.findChild<LineSketch *>(QStringLiteral("Line%1").arg(n));
        return sketch && sketch->lines().size() == 1 ? sketch->lines().front() : SketchLine {};
    };
    for (int n = 1; n <= 13; ++n)
        QVERIFY2(line(n).width > 0, qPrintable(QString::number(n)));
    const auto same = [](SketchLine a, SketchLine b) {
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.width == b.width;
    };
    QVERIFY(same(line(1), d.line1));
    QVERIFY(same(line(8), d.line8));
    QVERIFY(same(line(11), d.line11));
    QVERIFY(same(line(13), d.line13));
    QVERIFY(!w.findChild<LineSketch *>(QStringLiteral("Line14")));

    // Two characters at most, through the shared numeric filter.
    unesi(l.brojPolja, QStringLiteral("1a2.3"));
    QCOMPARE(l.brojPolja->text(), QStringLiteral("12"));
}

void tst_ListingWindows::refusesFieldCountsThatAreNoNumberOrZero_data()
{
    // The rule's own rows run without a window; these show the reset, the focus and the list.
    QTest::addColumn<Prozor>("prozor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    for (const Prozor p : obaProzora) {
        const char *ime = dizajn(p).ime;
        QTest::addRow("%s, lone point", ime) << p << QString(".") << QString();
        QTest::addRow("%s, emptied field", ime) << p << QString() << QString();
        QTest::addRow("%s, pasted letters", ime) << p << QString() << QString("a1");
    }
}

void tst_ListingWindows::refusesFieldCountsThatAreNoNumberOrZero()
{
    QFETCH(Prozor, prozor);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    Listing l(prozor);
    ModalWatcher watcher;
    l.izracunaj();
    QCOMPARE(l.lista->count(), 11);

    if (pasted.isEmpty())
        unesi(l.brojPolja, typed);
    else
        nalepi(l.brojPolja, pasted, true);
    QCOMPARE(l.brojPolja->text(), typed + pasted);
    // A text that is not empty can be left; the refusal must bring the focus back.
    if (!l.brojPolja->text().isEmpty()) {
        pritisni(l.w.get(), Qt::Key_Tab);
        QCOMPARE(fokus(l.w.get()), QLatin1String(dizajn(prozor).lista));
    }
    l.izracunaj();

    QCOMPARE(l.lista->count(), 0);
    QCOMPARE(l.brojPolja->text(), QStringLiteral("10"));
    QCOMPARE(fokus(l.w.get()), QStringLiteral("txtBrojPolja"));
    QCOMPARE(l.brojPolja->selectedText(), QStringLiteral("10"));
    QVERIFY(watcher.boxes().empty());

    // The reset value serves the next command.
    l.izracunaj();
    QCOMPARE(l.lista->count(), 11);
}

void tst_ListingWindows::eachCommandReplacesTheLinesAndEachSaveTheFile_data()
{
    QTest::addColumn<Prozor>("prozor");
    QTest::addColumn<bool>("readOnlyFolder"); // of the first save
    for (const Prozor p : obaProzora) {
        const char *ime = dizajn(p).ime;
        QTest::addRow("%s, new file", ime) << p << false;
        // The folder refuses the new file that would replace the old one: it is written in place.
        QTest::addRow("%s, over a writable file in a read-only folder", ime) << p << true;
    }
}

void tst_ListingWindows::eachCommandReplacesTheLinesAndEachSaveTheFile()
{
    QFETCH(Prozor, prozor);
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.txt"));
    Listing l(prozor);
    ModalWatcher watcher;
    l.izracunaj();
    l.izracunaj();
    QCOMPARE(l.lista->count(), 11);
    QCOMPARE(l.linije().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
        QString::fromLatin1(dizajn(prozor).jedanaestLinija));
    if (readOnlyFolder) {
        upisiDatoteku(path, QByteArray(2000, 'x'));
        const ino_t before = inode(path);
        QVERIFY(before != 0);
        {
            ReadOnlyFolder folder(dir.path());
            if (!folder.holds())
                QSKIP("This system lets the test write into a read-only folder.");
            l.snimiU(path);
        }
        QCOMPARE(inode(path), before);
    } else {
        l.snimiU(path);
    }
    QCOMPARE(sadrzaj(path), dizajn(prozor).jedanaestLinija);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "listing.txt" });
    QCOMPARE(l.lista->count(), 11);

    // The lines are a snapshot: editing n changes nothing until the next command.
    unesi(l.brojPolja, QStringLiteral("2"));
    QCOMPARE(l.lista->count(), 11);
    l.izracunaj();
    QCOMPARE(l.lista->count(), 3);
    l.snimi();
    QCOMPARE(sadrzaj(path), triLinije(prozor));
    QVERIFY(watcher.boxes().empty());
}

void tst_ListingWindows::columnsLineUp()
{
    QFETCH(Prozor, prozor);
    // The largest inputs the fields admit give the widest numbers on both sides of the tabs, and
    // narrow ones near the supports.
    Listing l(prozor, { 99999, 99999, 9998, 9999 });
    unesi(l.brojPolja, QStringLiteral("99"));
    l.izracunaj();
    QCOMPARE(l.lista->count(), 100);
    QVERIFY(!l.lista->grab().isNull()); // painting keeps the tabs of the entries
    QVERIFY(l.lista->item(0)->text().contains(QLatin1Char('\t')));

    // Every line's columns start at the same places, each right of the widest text before it.
    const auto *delegate = qobject_cast<const TabStopDelegate *>(l.lista->itemDelegate());
    QVERIFY(delegate);
    const QFont font = l.lista->font();
    const QStringList lines = l.linije();
    const QList<qreal> first = TabStopDelegate::columnStarts(font, lines[0], delegate->tabStops());
    for (const QString &line : lines) {
        const QList<qreal> starts = TabStopDelegate::columnStarts(font, line, delegate->tabStops());
        QCOMPARE(starts, first);
        const QStringList texts = line.split(QStringLiteral("\t\t"));
        QCOMPARE(starts.size(), texts.size() - 1);
        qreal end = 0;
        for (qsizetype i = 0; i < starts.size(); ++i) {
            end += QFontMetricsF(font).horizontalAdvance(texts.at(i));
            QVERIFY2(starts.at(i) > end, qPrintable(line));
            end = starts.at(i);
        }
    }
}

void tst_ListingWindows::savesAnEmptyFileWithoutLines_data()
{
    QTest::addColumn<Prozor>("prozor");
    QTest::addColumn<int>("lines"); // none yet (0), after a refused calculation (-1), 11
    QTest::addColumn<bool>("named"); // the empty name writes nothing
    for (const Prozor p : obaProzora) {
        const char *ime = dizajn(p).ime;
        QTest::addRow("%s, before any calculation", ime) << p << 0 << true;
        QTest::addRow("%s, after a refused calculation", ime) << p << -1 << true;
        QTest::addRow("%s, empty file name", ime) << p << 11 << false;
    }
}

void tst_ListingWindows::savesAnEmptyFileWithoutLines()
{
    QFETCH(Prozor, prozor);
    QFETCH(int, lines);
    QFETCH(bool, named);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.txt"));
    const QByteArray old = QByteArrayLiteral("old\r\n");
    upisiDatoteku(path, old);
    Listing l(prozor);
    ModalWatcher watcher;
    if (lines != 0)
        l.izracunaj();
    if (lines < 0) {
        unesi(l.brojPolja, QStringLiteral("0"));
        l.izracunaj();
    }
    QCOMPARE(l.lista->count(), std::max(lines, 0));
    int asked = 0;
    l.w->setFileNameQuestion([&] {
        ++asked;
        return named ? path : QString();
    });
    l.snimi();
    QCOMPARE(asked, 1);
    QCOMPARE(sadrzaj(path), named ? QByteArray() : old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "listing.txt" });
    QVERIFY(watcher.boxes().empty());
}

void tst_ListingWindows::failedSaveKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<Prozor>("prozor");
    QTest::addColumn<Kvar>("kvar");
    for (const Prozor p : obaProzora) {
        const char *ime = dizajn(p).ime;
        QTest::addRow("%s, read-only file in a read-only folder", ime) << p << Kvar::FolderReadOnly;
        QTest::addRow("%s, folder that refuses everyone", ime) << p << Kvar::FolderOfNobody;
        QTest::addRow("%s, folder chosen as the name", ime) << p << Kvar::FolderAsName;
        QTest::addRow("%s, disk full", ime) << p << Kvar::DiskFull;
        QTest::addRow("%s, disk full, writing in place", ime) << p << Kvar::DiskFullInPlace;
        QTest::addRow("%s, /dev/full", ime) << p << Kvar::DeviceFull;
        QTest::addRow("%s, pipe without a reader", ime) << p << Kvar::PipeWithoutReader;
    }
}

void tst_ListingWindows::failedSaveKeepsTheOldFileAndSaysWhy()
{
    QFETCH(Prozor, prozor);
    QFETCH(Kvar, kvar);
    QTemporaryDir dir;
    const QByteArray old = QByteArrayLiteral("old\r\n");
    QString path = dir.filePath(QStringLiteral("listing.txt"));
    QString reason; // the system's words where the test can know them
    switch (kvar) {
    case Kvar::FolderReadOnly:
        upisiDatoteku(path, old);
        QFile::setPermissions(path, QFile::ReadOwner);
        break;
    case Kvar::FolderOfNobody:
        path = QStringLiteral("/proc/listing.txt");
        break;
    case Kvar::FolderAsName:
        path = dir.path();
        break;
    case Kvar::DiskFull:
    case Kvar::DiskFullInPlace:
        upisiDatoteku(path, old);
        reason = QString::fromLocal8Bit(std::strerror(EFBIG));
        break;
    case Kvar::DeviceFull:
        path = QStringLiteral("/dev/full");
        if (!QFileInfo::exists(path))
            QSKIP("This system has no /dev/full.");
        reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
        break;
    case Kvar::PipeWithoutReader:
        path = dir.filePath(QStringLiteral("listing.pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        reason = QString::fromLocal8Bit(std::strerror(ENXIO));
        break;
    }

    Listing l(prozor);
    l.w->setFileNameQuestion([&] { return path; });
    l.izracunaj();
    ModalWatcher watcher;
    if (kvar == Kvar::DiskFull || kvar == Kvar::DiskFullInPlace) {
        std::optional<ReadOnlyFolder> folder;
        if (kvar == Kvar::DiskFullInPlace && !folder.emplace(dir.path()).holds())
            QSKIP("This system lets the test write into a read-only folder.");
        OgranicenjeVelicine limit(100);
        l.snimi();
    } else if (kvar == Kvar::PipeWithoutReader) {
        // Should the save wait for a reader after all, one comes after a while and the save
        // succeeds, so that the test fails instead of hanging.
        std::promise<void> saved;
        auto rescuer = std::async(
            std::launch::async, [done = saved.get_future(), name = QFile::encodeName(path)] {
                if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
                    return -1;
                return ::open(name.constData(), O_RDONLY | O_NONBLOCK);
            });
        l.snimi();
        saved.set_value();
        if (const int reader = rescuer.get(); reader >= 0)
            ::close(reader);
    } else {
        std::optional<ReadOnlyFolder> folder;
        if (kvar == Kvar::FolderReadOnly) {
            folder.emplace(dir.path());
            if (!folder->holds())
                QSKIP("This system lets the test write into a read-only folder.");
        }
        l.snimi();
    }

    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes().front();
    QCOMPARE(box.caption, QStringLiteral("Greska pri snimanju listinga!"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QStringList text = box.text.split(QLatin1Char('\n'));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.at(0), QStringLiteral("Listing nije snimljen u datoteku ") + path + '.');
    QVERIFY(!text.at(1).isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(text.at(1), reason);

    // Nothing changed: the old file, the folder, the window and its list.
    if (kvar == Kvar::FolderReadOnly || kvar == Kvar::DiskFull || kvar == Kvar::DiskFullInPlace) {
        QCOMPARE(sadrzaj(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "listing.txt" });
    }
    if (kvar == Kvar::DeviceFull || kvar == Kvar::PipeWithoutReader)
        QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(l.w->isVisible());
    QCOMPARE(l.lista->count(), 11);
}

void tst_ListingWindows::saveDialogOffersItsNameAndRemembersTheChoice()
{
    QFETCH(Prozor, prozor);
    const Dizajn &d = dizajn(prozor);
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QLatin1String(d.ponudjenoIme));
    Listing l(prozor);
    l.izracunaj();

    QStringList seen;
    {
        ModalWatcher watcher;
        watcher.onOtherModal = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            seen << dialog->objectName() << dialog->windowTitle() << dialog->defaultSuffix();
            const QString filter
                = kontrola<QComboBox>(dialog, QStringLiteral("fileTypeCombo"))->currentText();
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            // The user types a full path (the default folder is the working one) and presses Enter.
            seen << upisiImeDatoteke(dialog, chosen) << filter;
        };
        l.snimi();
    }
    QCOMPARE(seen, QStringList({ d.dijalog, d.naslovDijaloga, "txt", d.ponudjenoIme, ".txt" }));
    // The dialog adds the default extension.
    QCOMPARE(sadrzaj(chosen + QStringLiteral(".txt")), d.jedanaestLinija);
    // The dialog keeps its history in the user's settings: in the tests' own home, not the user's.
    QCOMPARE(QDir::homePath(), QStringLiteral(KELVANE_TEST_HOME));
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStringLiteral(KELVANE_TEST_HOME "/.config"));

    // The next "Snimi" offers the chosen name in its folder; cancelling writes nothing.
    QFile::remove(chosen + QStringLiteral(".txt"));
    seen.clear();
    {
        ModalWatcher watcher;
        watcher.onOtherModal = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            seen << QDir(dialog->directory()).absolutePath()
                 << polje(dialog, QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        };
        l.snimi();
        QVERIFY(watcher.boxes().empty());
    }
    QCOMPARE(seen,
        QStringList({ QDir(dir.path()).absolutePath(), QLatin1String(d.ponudjenoIme) + ".txt" }));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void tst_ListingWindows::exitAndCloseBoxEndTheWindow_data()
{
    QTest::addColumn<Prozor>("prozor");
    QTest::addColumn<bool>("closeBox");
    for (const Prozor p : obaProzora) {
        const char *ime = dizajn(p).ime;
        QTest::addRow("%s, Izlaz", ime) << p << false;
        QTest::addRow("%s, close box", ime) << p << true;
    }
}

void tst_ListingWindows::exitAndCloseBoxEndTheWindow()
{
    QFETCH(Prozor, prozor);
    QFETCH(bool, closeBox);
    Listing l(prozor, { 206, 208, 5, 9 }, nullptr, false);
    QTimer::singleShot(0, l.w.get(), [&] {
        l.izracunaj();
        if (closeBox)
            l.w->close();
        else
            izaberi(l.w.get(), "mnuDatotekaIzlaz");
    });
    l.w->exec();
    QVERIFY(!l.w->isVisible());
    QCOMPARE(l.lista->count(), 11); // nothing was saved or asked on the way out
}

void tst_ListingWindows::escapeDoesNotCloseTheWindow()
{
    QFETCH(Prozor, prozor);
    Listing l(prozor);
    l.izracunaj();
    l.lista->setFocus(Qt::TabFocusReason);
    pritisni(l.w.get(), Qt::Key_Escape);
    QVERIFY(l.w->isVisible());
}

QTEST_MAIN(tst_ListingWindows)
#include "tst_listingwindows.moc"
