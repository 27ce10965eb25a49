// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding and starting the system information tool from the About window.

#include <QString>

class QWidget;
class RegistryAccess;

// The application title, shown in the About window and as the caption of its message.
inline const QString applicationTitle = QStringLiteral("Kelvane");

// Starting a program and testing for a file, kept apart so that tests start nothing.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    virtual bool fileExists(const QString &path) const = 0;
    // Starts the program at path without waiting for it; false when it could not be started.
    virtual bool start(const QString &path) = 0;
};

ProgramStarter &systemStarter();

// Looks up the tool in the registry (its full path, else the folder that holds MSINFO32.EXE) and
// starts it; every failure ends in one message over parent.
void StartSysInfo(RegistryAccess &registry, ProgramStarter &starter, QWidget *parent);
