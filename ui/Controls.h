// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small builders that every window uses for its fonts, its place and its menus, so that each menu
// and command carries its name as objectName the same way everywhere.
// Controls.cpp also makes Enter on a focused push button press it, in every window, from the
// moment the application starts.

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QString>

// Arial at the given size in points; the windows are designed in it.
QFont arial(double points, bool bold);
// MS Sans Serif, regular, for the controls whose font the design leaves at the default; where it
// is not installed, a face of close metrics stands in.
QFont msSansSerif(double points);

// Centres the window on its screen when it is first shown, once its frame is known; a dialog then
// opens there rather than over its parent. A resizable window larger than the screen's available
// area is first made smaller to fit it, down to its minimum size. A window still larger opens
// with its top-left corner on the area instead, and a fixed-size window that the program makes
// grow past the screen's edge is moved back in.
void centerOnFirstShow(QWidget *window);

// The mouse wheel over widget does nothing. A tab strip would switch tabs with it, around the
// checks that a click on a tab goes through.
void ignoreWheel(QWidget *widget);

// A menu whose menu and bar entry are both named name; the bar shows the desktop's menu font.
QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &title);

// A command named name that runs handler on receiver.
template <typename Receiver, typename Handler>
QAction *addNamedCommand(
    QMenu *menu, const char *name, const QString &text, Receiver *receiver, Handler handler)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}
