#include "ListingExamples.h"
#include "ListingTestSupport.h"
#include "ModalWatcher.h"

#include "ui/listing/frmListingExtM.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

const QByteArray &jedanaestLinija = momentnaListaPocetnihVrednosti;

QListWidget *lista(QWidget *w)
{
    return w->findChild<QListWidget *>(QStringLiteral("lstExtM"));
}

// How a save can fail.
enum class Kvar { FolderReadOnly, FolderOfNobody, FolderAsName, DiskFull, DeviceFull };

// Makes writes to regular files beyond a few bytes fail, as on a full disk, while it lives.
class OgranicenjeVelicine
{
public:
    explicit OgranicenjeVelicine(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_staro);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit novo { bytes, m_staro.rlim_max };
        setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~OgranicenjeVelicine()
    {
        setrlimit(RLIMIT_FSIZE, &m_staro);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_staro {};
    void (*m_signal)(int) = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Kvar)

class tst_frmListingExtM : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTenFieldsSelectedAndAnEmptyList();
    void refusesFieldCountsThatAreNoNumberOrZero_data();
    void refusesFieldCountsThatAreNoNumberOrZero();
    void repeatedCommandReplacesTheLines();
    void columnsLineUp();
    void savesTheListByteForByte();
    void savesAnEmptyFileWithoutLines_data();
    void savesAnEmptyFileWithoutLines();
    void emptyFileNameWritesNothing();
    void secondSaveReplacesTheFirst();
    void failedSaveKeepsTheOldFileAndSaysWhy_data();
    void failedSaveKeepsTheOldFileAndSaysWhy();
    void saveDialogOffersItsNameAndRemembersTheChoice();
    void exitAndCloseBoxEndTheWindow_data();
    void exitAndCloseBoxEndTheWindow();
    void escapeDoesNotCloseTheWindow();
};

void tst_frmListingExtM::opensWithTenFieldsSelectedAndAnEmptyList()
{
    Ulaz ulaz;
    ulaz.parametri.move(0, 0);
    ulaz.parametri.show();
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), &ulaz.parametri);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Centred on the screen, not over the window below.
    const QPoint offCentre = w.frameGeometry().center() - w.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));

    QCOMPARE(w.windowTitle(), QStringLiteral("extM u proizvoljnim presecima grede"));
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("klijent"))->size(), QSize(430, 298));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(w.focusWidget(), brojPolja(&w));
    QCOMPARE(brojPolja(&w)->text(), QStringLiteral("10"));
    QCOMPARE(brojPolja(&w)->selectedText(), QStringLiteral("10"));
    QCOMPARE(lista(&w)->count(), 0);

    const QMenu *datoteka = w.findChild<QMenu *>(QStringLiteral("mnuDatoteka"));
    QCOMPARE(datoteka->title(), QStringLiteral("Datoteka"));
    QStringList commands;
    for (const QAction *a : datoteka->actions())
        commands << a->objectName() + QLatin1Char('=') + a->text();
    QCOMPARE(commands,
        QStringList({ "mnuDatotekaProracun=Proracun", "mnuDatotekaSnimi=Snimi",
            "mnuDatotekaIzlaz=Izlaz" }));

    // Two characters at most, through the shared numeric filter.
    otkucaj(brojPolja(&w), QStringLiteral("1a2.3"));
    QCOMPARE(brojPolja(&w)->text(), QStringLiteral("12"));
}

void tst_frmListingExtM::refusesFieldCountsThatAreNoNumberOrZero_data()
{
    // The rule's own rows run without a window; these show the reset, the focus and the list.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("lone point") << "."
                                << "";
    QTest::newRow("emptied field") << ""
                                   << "";
    QTest::newRow("pasted letters") << ""
                                    << "a1";
}

void tst_frmListingExtM::refusesFieldCountsThatAreNoNumberOrZero()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ModalWatcher watcher;
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 11);

    QLineEdit *field = brojPolja(&w);
    otkucaj(field, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(field->text(), pasted);
    }
    // A text that is not empty can be left; the refusal must bring the focus back.
    if (!field->text().isEmpty()) {
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), lista(&w));
    }
    komanda(&w, "mnuDatotekaProracun");

    QCOMPARE(lista(&w)->count(), 0);
    QCOMPARE(field->text(), QStringLiteral("10"));
    QCOMPARE(w.focusWidget(), field);
    QCOMPARE(field->selectedText(), QStringLiteral("10"));
    QVERIFY(watcher.boxes().empty());

    // The reset value serves the next command.
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 11);
}

void tst_frmListingExtM::repeatedCommandReplacesTheLines()
{
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    komanda(&w, "mnuDatotekaProracun");
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 11);

    // The lines are a snapshot: editing n changes nothing until the next command.
    otkucaj(brojPolja(&w), QStringLiteral("2"));
    QCOMPARE(lista(&w)->count(), 11);
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(linije(lista(&w)),
        QStringList({ "x[m]= 0.000\t\tM[kNm]= 0.000", "x[m]= 4.500\t\tM[kNm]= 416.500",
            "x[m]= 9.000\t\tM[kNm]= 0.000" }));
}

void tst_frmListingExtM::columnsLineUp()
{
    // The largest inputs the fields admit give the widest numbers on both sides of the tabs.
    Ulaz ulaz("99999", "99999", "9998", "9999");
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    otkucaj(brojPolja(&w), QStringLiteral("99"));
    komanda(&w, "mnuDatotekaProracun");
    QCOMPARE(lista(&w)->count(), 100);
    proveriKolone(lista(&w));

    // Painting keeps the tabs of the entries and draws every line.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!lista(&w)->grab().isNull());
    QVERIFY(lista(&w)->item(0)->text().contains(QLatin1Char('\t')));
}

void tst_frmListingExtM::savesTheListByteForByte()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("extM.txt"));
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    ModalWatcher watcher;
    komanda(&w, "mnuDatotekaProracun");
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(sadrzaj(path), jedanaestLinija);
    QVERIFY(watcher.boxes().empty());
    QCOMPARE(lista(&w)->count(), 11);
}

void tst_frmListingExtM::savesAnEmptyFileWithoutLines_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("before any calculation") << false;
    QTest::newRow("after a refused calculation") << true;
}

void tst_frmListingExtM::savesAnEmptyFileWithoutLines()
{
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("extM.txt"));
    upisiDatoteku(path, "old\r\n");
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    if (refused) {
        komanda(&w, "mnuDatotekaProracun");
        otkucaj(brojPolja(&w), QStringLiteral("0"));
        komanda(&w, "mnuDatotekaProracun");
    }
    komanda(&w, "mnuDatotekaSnimi");
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(sadrzaj(path), QByteArray());
}

void tst_frmListingExtM::emptyFileNameWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("extM.txt"));
    upisiDatoteku(path, "old\r\n");
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    bool asked = false;
    w.setFileNameQuestion([&] {
        asked = true;
        return QString();
    });
    ModalWatcher watcher;
    komanda(&w, "mnuDatotekaProracun");
    komanda(&w, "mnuDatotekaSnimi");
    QVERIFY(asked);
    QCOMPARE(sadrzaj(path), QByteArrayLiteral("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "extM.txt" });
    QVERIFY(watcher.boxes().empty());
}

void tst_frmListingExtM::secondSaveReplacesTheFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("extM.txt"));
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    komanda(&w, "mnuDatotekaProracun");
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(sadrzaj(path), jedanaestLinija);

    otkucaj(brojPolja(&w), QStringLiteral("2"));
    komanda(&w, "mnuDatotekaProracun");
    komanda(&w, "mnuDatotekaSnimi");
    QCOMPARE(sadrzaj(path),
        QByteArrayLiteral("x[m]= 0.000\t\tM[kNm]= 0.000\r\n"
                          "x[m]= 4.500\t\tM[kNm]= 416.500\r\n"
                          "x[m]= 9.000\t\tM[kNm]= 0.000\r\n"));
}

void tst_frmListingExtM::failedSaveKeepsTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<Kvar>("kvar");
    QTest::newRow("read-only folder") << Kvar::FolderReadOnly;
    QTest::newRow("folder that refuses everyone") << Kvar::FolderOfNobody;
    QTest::newRow("folder chosen as the name") << Kvar::FolderAsName;
    QTest::newRow("disk full") << Kvar::DiskFull;
    QTest::newRow("/dev/full") << Kvar::DeviceFull;
}

void tst_frmListingExtM::failedSaveKeepsTheOldFileAndSaysWhy()
{
    QFETCH(Kvar, kvar);
    QTemporaryDir dir;
    const QByteArray old = QByteArrayLiteral("old\r\n");
    QString path = dir.filePath(QStringLiteral("extM.txt"));
    QString reason; // the system's words where the test can know them
    switch (kvar) {
    case Kvar::FolderReadOnly: {
        upisiDatoteku(path, old);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(
                dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("This user writes into read-only folders; the folder that refuses everyone "
                  "stands in.");
        }
        break;
    }
    case Kvar::FolderOfNobody:
        path = QStringLiteral("/proc/extM.txt");
        break;
    case Kvar::FolderAsName:
        path = dir.path();
        break;
    case Kvar::DiskFull:
        upisiDatoteku(path, old);
        reason = QString::fromLocal8Bit(std::strerror(EFBIG));
        break;
    case Kvar::DeviceFull:
        path = QStringLiteral("/dev/full");
        if (!QFileInfo::exists(path))
            QSKIP("This system has no /dev/full.");
        reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
        break;
    }

    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.setFileNameQuestion([&] { return path; });
    w.show();
    komanda(&w, "mnuDatotekaProracun");
    ModalWatcher watcher;
    if (kvar == Kvar::DiskFull) {
        OgranicenjeVelicine limit(100);
        komanda(&w, "mnuDatotekaSnimi");
    } else {
        komanda(&w, "mnuDatotekaSnimi");
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

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
    if (kvar == Kvar::FolderReadOnly || kvar == Kvar::DiskFull) {
        QCOMPARE(sadrzaj(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "extM.txt" });
    }
    if (kvar == Kvar::DeviceFull)
        QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(w.isVisible());
    QCOMPARE(lista(&w)->count(), 11);
}

void tst_frmListingExtM::saveDialogOffersItsNameAndRemembersTheChoice()
{
    QTemporaryDir dir;
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.show();
    komanda(&w, "mnuDatotekaProracun");

    QStringList seen;
    {
        ModalWatcher watcher;
        watcher.onOtherModal = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            seen << dialog->objectName() << dialog->windowTitle() << dialog->defaultSuffix()
                 << dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text()
                 << dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            // The user types a full path (the default folder is the working one) and presses Enter.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(dir.filePath(QStringLiteral("extM")));
            QTest::keyClick(name, Qt::Key_Return);
        };
        komanda(&w, "mnuDatotekaSnimi");
    }
    QCOMPARE(seen,
        QStringList({ "CommonDialog1", "Rezultati proracuna - extM", "txt", "extM", ".txt" }));
    // The dialog adds the default extension.
    QCOMPARE(sadrzaj(dir.filePath(QStringLiteral("extM.txt"))), jedanaestLinija);

    // The next "Snimi" offers the chosen name in its folder; cancelling writes nothing.
    QFile::remove(dir.filePath(QStringLiteral("extM.txt")));
    seen.clear();
    {
        ModalWatcher watcher;
        watcher.onOtherModal = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            seen << QDir(dialog->directory()).absolutePath()
                 << dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        };
        komanda(&w, "mnuDatotekaSnimi");
        QVERIFY(watcher.boxes().empty());
    }
    QCOMPARE(seen, QStringList({ QDir(dir.path()).absolutePath(), "extM.txt" }));
    QVERIFY(QDir(dir.path()).isEmpty());
}

void tst_frmListingExtM::exitAndCloseBoxEndTheWindow_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Izlaz") << false;
    QTest::newRow("close box") << true;
}

void tst_frmListingExtM::exitAndCloseBoxEndTheWindow()
{
    QFETCH(bool, closeBox);
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), &ulaz.parametri);
    QTimer::singleShot(0, &w, [&] {
        komanda(&w, "mnuDatotekaProracun");
        if (closeBox)
            w.close();
        else
            komanda(&w, "mnuDatotekaIzlaz");
    });
    w.exec();
    QVERIFY(!w.isVisible());
    QCOMPARE(lista(&w)->count(), 11); // nothing was saved or asked on the way out
}

void tst_frmListingExtM::escapeDoesNotCloseTheWindow()
{
    Ulaz ulaz;
    frmListingExtM w(ulaz.rezultati, ulaz.parametri.ulazniParametri(), nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    komanda(&w, "mnuDatotekaProracun");
    lista(&w)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(lista(&w), Qt::Key_Escape);
    QVERIFY(w.isVisible());
}

QTEST_MAIN(tst_frmListingExtM)
#include "tst_frmlistingextm.moc"
