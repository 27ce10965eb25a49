// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeSystem.h"
#include "ModalWatcher.h"

#include "ui/about/frmAbout.h"
#include "ui/input/frmParametri.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void setsItsTextsAtCreation();
    void enterAndEscPressOk_data();
    void enterAndEscPressOk();
    void opensModallyFromInputWindowMenu();
    void sysInfoSaysUnavailableAndStaysOpen();
    void sysInfoStartsToolWithoutMessage();
    void altSPressesSysInfo();
};

namespace {

QString text(const frmAbout &about, const char *label)
{
    const auto *l = about.findChild<QLabel *>(QLatin1String(label));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

void tst_frmAbout::setsItsTextsAtCreation()
{
    FakeRegistry registry;
    FakeStarter starter;
    frmAbout about(registry, starter);

    QCOMPARE(about.windowTitle(), QStringLiteral("About Kelvane"));
    QCOMPARE(text(about, "lblTitle"), QStringLiteral("Kelvane"));
    QCOMPARE(text(about, "lblVersion"), QStringLiteral("Version 1.0.0"));
    QCOMPARE(text(about, "lblDescription"),
        QStringLiteral("Proracun extremnih vrednosti momenata savijanja i transverzalnih sila "
                       "proste grede opterecene sistemom od dve vezane koncentrisane sile."));
    QCOMPARE(text(about, "lblDisclaimer"), QString());
    QCOMPARE(
        about.findChild<QPushButton *>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QCOMPARE(about.findChild<QLabel *>("picIcon")->pixmap().size(), QSize(32, 32));
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Creating the window opens no registry key.
    QVERIFY(registry.opened.isEmpty());
}

void tst_frmAbout::enterAndEscPressOk_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void tst_frmAbout::enterAndEscPressOk()
{
    QFETCH(int, key);
    FakeRegistry registry;
    FakeStarter starter;
    frmAbout about(registry, starter);
    QVERIFY(showActive(about));
    QSignalSpy ok(about.findChild<QPushButton *>("cmdOK"), &QPushButton::clicked);

    // Sent along the route of real input: to the focus widget, from which it travels up.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("cmdOK"));
    QTest::keyClick(focus, Qt::Key(key));

    QCOMPARE(ok.count(), 1);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void tst_frmAbout::opensModallyFromInputWindowMenu()
{
    frmParametri parametri;
    parametri.show();
    ModalWatcher watcher;
    QString caption;
    QWidget *parent = nullptr;
    watcher.onOtherModal = [&](QWidget *modal) {
        caption = modal->windowTitle();
        parent = modal->parentWidget();
        QTest::keyClick(modal, Qt::Key_Escape);
    };

    parametri.findChild<QAction *>("about")->trigger();

    QCOMPARE(caption, QStringLiteral("About Kelvane"));
    QCOMPARE(parent, &parametri);
    QVERIFY(parametri.findChildren<frmAbout *>().isEmpty());
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
}

void tst_frmAbout::sysInfoSaysUnavailableAndStaysOpen()
{
    FakeRegistry registry;
    FakeStarter starter;
    frmAbout about(registry, starter);
    about.show();
    ModalWatcher watcher;

    about.findChild<QPushButton *>("cmdSysInfo")->click();

    QCOMPARE(watcher.texts(),
        QStringList { QStringLiteral("System Information Is Unavailable At This Time") });
    QCOMPARE(watcher.boxes().front().caption, QStringLiteral("Kelvane"));
    QVERIFY(starter.started.isEmpty());
    QVERIFY(about.isVisible());
}

void tst_frmAbout::sysInfoStartsToolWithoutMessage()
{
    FakeRegistry registry;
    registry.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"]
        = { Registry::TypeString, QByteArray("/usr/bin/hardinfo", 18) };
    FakeStarter starter;
    frmAbout about(registry, starter);
    about.show();
    ModalWatcher watcher;

    about.findChild<QPushButton *>("cmdSysInfo")->click();

    QCOMPARE(starter.started, QStringList { QStringLiteral("/usr/bin/hardinfo") });
    QCOMPARE(watcher.boxes().size(), std::size_t(0));
    QVERIFY(about.isVisible());
}

void tst_frmAbout::altSPressesSysInfo()
{
    FakeRegistry registry;
    FakeStarter starter;
    frmAbout about(registry, starter);
    QVERIFY(showActive(about));
    ModalWatcher watcher;

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);

    // An access key presses its button the way a click shows it: a moment later.
    QTRY_COMPARE(registry.opened.size(), 2);
    QCOMPARE(watcher.boxes().size(), std::size_t(1));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
