// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes a folder refuse new files to this thread while the object lives; the files in it keep
// their own permissions. Permission bits alone do not hold back root, who writes anywhere: for
// root the thread also takes another user's identity for file access (Linux's filesystem user
// id), which drops root's power to override the bits. Only this thread is affected.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
        : m_folder(QFile::encodeName(folder))
        , m_asRoot(::geteuid() == 0)
    {
        if (m_asRoot) {
            if (::chown(m_folder.constData(), nobody, nobody) != 0)
                return;
            for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
                if (::chown(QFile::encodeName(folder + '/' + name).constData(), nobody, nobody)
                    != 0)
                    return;
            }
            ::setfsuid(nobody);
        }
        ::chmod(m_folder.constData(), S_IRUSR | S_IXUSR);
    }
    ~ReadOnlyFolder()
    {
        ::chmod(m_folder.constData(), S_IRWXU);
        if (m_asRoot)
            ::setfsuid(0);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // Whether the folder really refuses a new file, tried with one.
    bool holds() const
    {
        const QByteArray probe = m_folder + "/probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }

private:
    static constexpr uid_t nobody = 65534;

    QByteArray m_folder;
    bool m_asRoot;
};
