// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmPomoc: the help window, a short fixed text in a list. It is modeless and has no owner, so it
// can stay open beside the input window and after it; closing it destroys it.

#include <QWidget>

class QListWidget;
class QPushButton;

class frmPomoc : public QWidget
{
    Q_OBJECT

public:
    explicit frmPomoc(QWidget *parent = nullptr);

private:
    void cmdOK_Click();
    void createControls();
    void Form_Load();

    QPushButton *m_cmdOK = nullptr;
    QListWidget *m_lstPomoc = nullptr;
};
