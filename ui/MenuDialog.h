// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// MenuDialog: a modal window with a menu bar above a client area of a designed size, as the
// results and listing windows are. It closes by its menu or its close box only: Escape, which
// would dismiss a Qt dialog, does nothing here.

#include <QDialog>

class QMenuBar;

class MenuDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MenuDialog(QWidget *parent);

protected:
    QMenuBar *menuBar() const { return m_menuBar; }
    // The area below the menu bar, which holds the controls at their designed positions.
    QWidget *client() const { return m_client; }
    // Fixes the window to the client size with the menu bar above it.
    void setClientSize(QSize size);

    void keyPressEvent(QKeyEvent *event) override;

private:
    QMenuBar *m_menuBar;
    QWidget *m_client;
};
