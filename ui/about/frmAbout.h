// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmAbout: the modal About window with the title, version and description of the program and a
// button that starts the system information tool.

#include <QDialog>

class QLabel;
class QPushButton;
class ProgramStarter;
class RegistryAccess;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    // Looks up and starts the tool through the given registry and starter instead of the system's.
    frmAbout(RegistryAccess &registry, ProgramStarter &starter, QWidget *parent = nullptr);

    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void createControls();
    void Form_Load();

    RegistryAccess &m_registry;
    ProgramStarter &m_starter;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};
