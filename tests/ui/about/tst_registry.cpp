// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeSystem.h"

#include "ui/about/Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_Registry : public QObject
{
    Q_OBJECT

private slots:
    void readsValueByItsType_data();
    void readsValueByItsType();
    void failedOpenGivesEmptyTextAndStillCloses();
    void missingValueGivesEmptyTextAndClosesKey();
    void valueMustFitIn1024Bytes();

    void standInAnswersFirstToolOnPath();
    void standInFindsNothingElse();

    void cleanup() { qputenv("PATH", m_savedPath); }

private:
    void setPath(const QString &folder);

    const QByteArray m_savedPath = qgetenv("PATH");
};

namespace {

const QString keyName = QStringLiteral("SOFTWARE\\Kelvane\\Test");
const QString valueName = QStringLiteral("Wert");

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray result;
    for (unsigned char b : list)
        result.append(char(b));
    return result;
}

} // namespace

void tst_Registry::readsValueByItsType_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("string ending in its NUL loses the NUL")
        << 1u << QByteArray("C:\\WINDOWS\\msinfo32.exe", 24) << "C:\\WINDOWS\\msinfo32.exe";
    QTest::newRow("string without NUL stays whole") << 1u << QByteArray("abc") << "abc";
    QTest::newRow("only the last NUL goes")
        << 1u << QByteArray("abc\0\0", 5) << QString::fromLatin1("abc\0", 4);
    QTest::newRow("empty data gives empty text") << 1u << QByteArray() << "";
    QTest::newRow("lone NUL gives empty text") << 1u << QByteArray("\0", 1) << "";
    // The number's bytes arrive low byte first; a zero high byte counts as a terminator.
    QTest::newRow("dword 0x00010203 drops its zero high byte")
        << 4u << bytes({ 0x03, 0x02, 0x01, 0x00 }) << "&h123";
    QTest::newRow("dword 0x0A0B0C0D, last byte first")
        << 4u << bytes({ 0x0D, 0x0C, 0x0B, 0x0A }) << "&hABCD";
    QTest::newRow("dword bytes without leading zeros")
        << 4u << bytes({ 0x00, 0x10, 0xFF, 0x01 }) << "&h1FF100";
    QTest::newRow("dword zero") << 4u << bytes({ 0, 0, 0, 0 }) << "&h000";
    QTest::newRow("binary leaves the text unchanged") << 3u << bytes({ 0x41, 0x42 }) << "unchanged";
    QTest::newRow("expandable string leaves the text unchanged")
        << 2u << QByteArray("%SystemRoot%", 13) << "unchanged";
}

void tst_Registry::readsValueByItsType()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);

    FakeRegistry registry;
    registry.keys[keyName.toLatin1()][valueName.toLatin1()] = { type, data };
    QString value = QStringLiteral("unchanged");
    QVERIFY(GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value));
    QCOMPARE(value, expected);

    QCOMPARE(registry.roots, QList<Registry::Key> { Registry::LocalMachine });
    QCOMPARE(registry.opened, QList<QByteArray> { keyName.toLatin1() });
    // Read access only (KEY_READ), which Windows grants to users who are not administrators.
    QCOMPARE(registry.accessMasks, QList<std::uint32_t> { 0x20019 });
    QCOMPARE(registry.queried, QList<QByteArray> { valueName.toLatin1() });
    QCOMPARE(registry.closed, QList<Registry::Key> { FakeRegistry::firstHandle });
}

void tst_Registry::failedOpenGivesEmptyTextAndStillCloses()
{
    FakeRegistry registry;
    QString value = QStringLiteral("old");
    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value));
    QCOMPARE(value, QString());
    QVERIFY(registry.queried.isEmpty());
    // The handle that the failed opening left behind is closed too.
    QCOMPARE(registry.closed, QList<Registry::Key> { 0 });
}

void tst_Registry::missingValueGivesEmptyTextAndClosesKey()
{
    FakeRegistry registry;
    registry.keys[keyName.toLatin1()][QByteArrayLiteral("Other")] = { 1, QByteArray("x") };
    QString value = QStringLiteral("old");
    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value));
    QCOMPARE(value, QString());
    QCOMPARE(registry.closed, QList<Registry::Key> { FakeRegistry::firstHandle });
}

void tst_Registry::valueMustFitIn1024Bytes()
{
    FakeRegistry registry;
    registry.keys[keyName.toLatin1()][valueName.toLatin1()] = { 1, QByteArray(1024, 'a') };
    QString value;
    QVERIFY(GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value));
    QCOMPARE(value, QString(1024, QLatin1Char('a')));

    registry.keys[keyName.toLatin1()][valueName.toLatin1()] = { 1, QByteArray(1025, 'a') };
    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value));
    QCOMPARE(value, QString());
}

void tst_Registry::setPath(const QString &folder)
{
    qputenv("PATH", QDir::toNativeSeparators(folder).toLocal8Bit());
}

namespace {

void makeProgram(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

bool firstLookup(RegistryAccess &registry, QString &value)
{
    return GetKeyValue(registry, Registry::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), value);
}

} // namespace

void tst_Registry::standInAnswersFirstToolOnPath()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    setPath(folder.path());
    StandInRegistry registry;
    QString value;
    QVERIFY(!firstLookup(registry, value));
    QCOMPARE(value, QString());

    makeProgram(folder.filePath(QStringLiteral("gnome-system-monitor")));
    makeProgram(folder.filePath(QStringLiteral("kinfocenter")));
    QVERIFY(firstLookup(registry, value));
    QCOMPARE(value, folder.filePath(QStringLiteral("kinfocenter")));

    makeProgram(folder.filePath(QStringLiteral("hardinfo")));
    QVERIFY(firstLookup(registry, value));
    QCOMPARE(value, folder.filePath(QStringLiteral("hardinfo")));
}

void tst_Registry::standInFindsNothingElse()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    makeProgram(folder.filePath(QStringLiteral("hardinfo")));
    setPath(folder.path());
    StandInRegistry registry;

    QString value = QStringLiteral("old");
    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
        value));
    QCOMPARE(value, QString());
    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("Other"),
        value));
}

QTEST_GUILESS_MAIN(tst_Registry)
#include "tst_registry.moc"
