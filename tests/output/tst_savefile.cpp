// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/SaveFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_SaveFile : public QObject
{
    Q_OBJECT

private slots:
    void writesIntoAPipeAsItsReaderReads_data();
    void writesIntoAPipeAsItsReaderReads();
};

namespace {

// Reads the pipe on a thread of its own until the writer closes it, or only its first bytes
// before going away. Opened before the save, so that the save finds a reader.
class PipeReader
{
public:
    PipeReader(const QString &path, bool leaveEarly)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK))
    {
        m_read = std::async(std::launch::async, [fd = m_fd, leaveEarly] {
            QByteArray got;
            // No end of file is seen before a writer has come; a save that never opens the pipe
            // is given up on, so that the test fails instead of hanging.
            pollfd waiting { fd, POLLIN, 0 };
            if (::poll(&waiting, 1, 30000) != 1) {
                ::close(fd);
                return got;
            }
            char buffer[4096];
            for (;;) {
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n < 0 && errno == EAGAIN) {
                    ::poll(&waiting, 1, -1);
                    continue;
                }
                if (n <= 0)
                    break;
                got.append(buffer, n);
                if (leaveEarly)
                    break;
            }
            ::close(fd);
            return got;
        });
    }

    bool isOpen() const { return m_fd >= 0; }
    QByteArray received() { return m_read.get(); }

private:
    int m_fd;
    std::future<QByteArray> m_read;
};

} // namespace

void tst_SaveFile::writesIntoAPipeAsItsReaderReads_data()
{
    QTest::addColumn<bool>("readerLeaves");
    QTest::addColumn<QString>("reason");
    // A megabyte is far more than a pipe holds: the writer must wait for the reader.
    QTest::newRow("reader takes every byte") << false << QString();
    QTest::newRow("reader leaves after its first bytes")
        << true << QString::fromLocal8Bit(std::strerror(EPIPE));
}

void tst_SaveFile::writesIntoAPipeAsItsReaderReads()
{
    QFETCH(bool, readerLeaves);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QByteArray bytes(1 << 20, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + i / 4096);

    PipeReader reader(path, readerLeaves);
    QVERIFY(reader.isOpen());
    const SaveFile::Result result = SaveFile::write(path, bytes);
    const QByteArray received = reader.received();

    QCOMPARE(result.saved, !readerLeaves);
    QCOMPARE(result.reason, reason);
    if (readerLeaves)
        QVERIFY(bytes.startsWith(received));
    else
        QCOMPARE(received, bytes);
}

QTEST_GUILESS_MAIN(tst_SaveFile)
#include "tst_savefile.moc"
