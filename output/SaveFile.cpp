// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace SaveFile {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Result failed(const QString &reason)
{
    return { false, reason };
}

// After a short write Qt's device keeps no reason of its own; the failing call left it in errno.
QString writeReason(const QFileDevice &file, int error)
{
    return error != 0 ? systemReason(error) : file.errorString();
}

#ifdef Q_OS_UNIX

// A reader that goes away while the bytes are written would end the program with SIGPIPE.
// Blocked for the save, the write fails with EPIPE instead, and the signal it raised is taken
// back before the old mask returns.
class BrokenPipeAsError
{
public:
    BrokenPipeAsError()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_alreadyPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_oldMask);
    }
    ~BrokenPipeAsError()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!m_alreadyPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now {};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
    }
    BrokenPipeAsError(const BrokenPipeAsError &) = delete;
    BrokenPipeAsError &operator=(const BrokenPipeAsError &) = delete;

private:
    sigset_t m_pipe {};
    sigset_t m_oldMask {};
    bool m_alreadyPending = false;
};

// A device or a pipe cannot be replaced by renaming a finished file onto it (and a privileged
// user would replace the device node itself); it is written in place. Opening a pipe for writing
// waits for a reader unless asked not to; once open, the reader takes the bytes at its own pace.
Result writeInPlace(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(systemReason(errno));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    BrokenPipeAsError pipeGuard;
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            ::close(fd);
            return failed(systemReason(error));
        }
        next += written;
        left -= written;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return failed(systemReason(errno));
    return { true, {} };
}

#else

Result writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(writeReason(file, errno));
    return { true, {} };
}

#endif

// Where the folder refuses the new file but the file itself may be written, the new bytes go over
// the old ones in place. The old bytes are read first and put back when the write fails; they go
// over blocks the file already holds, so a full disk does not stop them.
Result overwriteKeepingOld(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failed(file.errorString());
    const QByteArray old = file.readAll();
    if (old.size() != file.size())
        return failed(file.errorString());
    errno = 0;
    if (file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()))
        return { true, {} };
    const QString reason = writeReason(file, errno);
    if (file.seek(0))
        file.write(old);
    file.resize(old.size());
    return failed(reason);
}

} // namespace

Result write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, bytes);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder that refuses the new file may still hold a file that the user can write.
        if (target.isFile())
            return overwriteKeepingOld(path, bytes);
        return failed(file.errorString());
    }
    // commit() does not notice a failure of the final flush, so the bytes are flushed here; an
    // uncommitted QSaveFile removes its temporary file and leaves the old file alone.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(writeReason(file, errno));
    if (!file.commit())
        return failed(file.errorString());
    return { true, {} };
}

} // namespace SaveFile
