// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/SysInfo.h"

#include "ui/Messages.h"
#include "ui/about/Registry.h"

#include <QFileInfo>
#include <QProcess>

namespace {

class SystemStarter : public ProgramStarter
{
public:
    bool fileExists(const QString &path) const override
    {
        const QFileInfo info(path);
        return info.isFile() && !info.isHidden();
    }

    bool start(const QString &path) override
    {
        // A detached program opens its own normal window, which the system brings to the front.
        return QProcess::startDetached(path, {});
    }
};

} // namespace

ProgramStarter &systemStarter()
{
    static SystemStarter starter;
    return starter;
}

void StartSysInfo(RegistryAccess &registry, ProgramStarter &starter, QWidget *parent)
{
    QString path;
    bool found = GetKeyValue(registry, Registry::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), path);
    if (!found
        && GetKeyValue(registry, Registry::LocalMachine,
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
            path)) {
        // This value names only the folder.
        const QString program = path + QStringLiteral("\\MSINFO32.EXE");
        if (starter.fileExists(program)) {
            path = program;
            found = true;
        }
    }
    if (found && starter.start(path))
        return;
    Messages::plain(
        parent, applicationTitle, QStringLiteral("System Information Is Unavailable At This Time"));
}
