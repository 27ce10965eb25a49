// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeSystem.h"
#include "ModalWatcher.h"

#include "ui/about/SysInfo.h"

#include <QTest>
#include <QWidget>

class tst_SysInfo : public QObject
{
    Q_OBJECT

private slots:
    void startsToolOrSaysUnavailable_data();
    void startsToolOrSaysUnavailable();
};

namespace {

const QByteArray msinfoKey = QByteArrayLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QByteArray locationKey = QByteArrayLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString toolPath
    = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString folder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
const QString folderTool = folder + QStringLiteral("\\MSINFO32.EXE");

QByteArray withNul(const QString &text)
{
    return text.toLatin1() + '\0';
}

} // namespace

void tst_SysInfo::startsToolOrSaysUnavailable_data()
{
    QTest::addColumn<QString>("pathValue"); // null: no such value
    QTest::addColumn<QString>("folderValue");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QList<QByteArray>>("lookups");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("unavailable");

    const QList<QByteArray> first { msinfoKey };
    const QList<QByteArray> both { msinfoKey, locationKey };

    QTest::newRow("full path is started unchanged without a file test")
        << toolPath << folder << QStringList() << true << first << QStringList()
        << QStringList { toolPath } << false;
    QTest::newRow("full path that cannot be started")
        << toolPath << QString() << QStringList { toolPath } << false << first << QStringList()
        << QStringList { toolPath } << true;
    QTest::newRow("folder holding MSINFO32.EXE")
        << QString() << folder << QStringList { folderTool } << true << both
        << QStringList { folderTool } << QStringList { folderTool } << false;
    QTest::newRow("folder without MSINFO32.EXE starts nothing")
        << QString() << folder << QStringList { toolPath } << true << both
        << QStringList { folderTool } << QStringList() << true;
    QTest::newRow("folder whose MSINFO32.EXE cannot be started")
        << QString() << folder << QStringList { folderTool } << false << both
        << QStringList { folderTool } << QStringList { folderTool } << true;
    QTest::newRow("nothing in the registry")
        << QString() << QString() << QStringList { folderTool } << true << both << QStringList()
        << QStringList() << true;
}

void tst_SysInfo::startsToolOrSaysUnavailable()
{
    QFETCH(QString, pathValue);
    QFETCH(QString, folderValue);
    QFETCH(QStringList, files);
    QFETCH(bool, startWorks);
    QFETCH(QList<QByteArray>, lookups);
    QFETCH(QStringList, tested);
    QFETCH(QStringList, started);
    QFETCH(bool, unavailable);

    FakeRegistry registry;
    if (!pathValue.isNull())
        registry.keys[msinfoKey]["PATH"] = { Registry::TypeString, withNul(pathValue) };
    if (!folderValue.isNull())
        registry.keys[locationKey]["MSINFO"] = { Registry::TypeString, withNul(folderValue) };
    FakeStarter starter;
    starter.files = files;
    starter.startWorks = startWorks;

    QWidget about;
    ModalWatcher watcher;
    StartSysInfo(registry, starter, &about);

    QCOMPARE(registry.opened, lookups);
    QCOMPARE(registry.closed.size(), lookups.size());
    QCOMPARE(starter.tested, tested);
    QCOMPARE(starter.started, started);
    if (!unavailable) {
        QCOMPARE(watcher.boxes().size(), std::size_t(0));
        return;
    }
    QCOMPARE(watcher.boxes().size(), std::size_t(1));
    const SeenBox &box = watcher.boxes().front();
    QCOMPARE(box.caption, QStringLiteral("Kelvane"));
    QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(tst_SysInfo)
#include "tst_sysinfo.moc"
