// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A user's hands for every window test: typing, pasting, clicking and choosing menu commands, sent
// to the window's QWindow, the route real input takes, so that shortcuts, focus on click and the
// application-wide filters all run as they do for a user. ModalWatcher answers the boxes.

#include "ModalWatcher.h"

#include "ui/basGlavni.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// Offscreen, a window is not activated again after a message box or a menu closes, as a window
// manager would do; after a menu the widgets still call it active while no window has the focus.
inline void aktiviraj(QWidget *window)
{
    window = window->window();
    const auto active = [window] {
        return QApplication::activeWindow() == window
            && QGuiApplication::focusWindow() == window->windowHandle();
    };
    if (active())
        return;
    window->activateWindow();
    if (!QTest::qWaitFor(active))
        qFatal("window %s did not become active", qPrintable(window->objectName()));
}

// Sends text as an input method commits it (after a dead key, a compose sequence or from an
// IME): to the focus object, if that takes input methods.
inline void sastavi(QWidget *window, const QString &text)
{
    QObject *target = QGuiApplication::focusObject();
    if (!target || target != window->window()->focusWidget())
        qFatal("no focus object in %s for an input method", qPrintable(window->objectName()));
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(target, &query);
    if (!query.value(Qt::ImEnabled).toBool())
        return;
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(text);
    QCoreApplication::sendEvent(target, &commit);
}

inline void pritisni(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    aktiviraj(window);
    QTest::keyClick(window->window()->windowHandle(), key, modifiers);
}

// Types keys into the window's focus widget. "{Ctrl+V}" and the like are chords, written as
// QKeySequence reads them; "[...]" is text committed by an input method. A character outside
// ASCII is sent as a key that only carries its text, the way a national keyboard delivers it.
inline void otkucaj(QWidget *window, const QString &keys)
{
    aktiviraj(window);
    QWindow *handle = window->window()->windowHandle();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == QLatin1Char('{') || c == QLatin1Char('[')) {
            const bool chord = c == QLatin1Char('{');
            const qsizetype end = keys.indexOf(QLatin1Char(chord ? '}' : ']'), i);
            if (end < 0)
                qFatal("unclosed %c in %s", c.toLatin1(), qPrintable(keys));
            const QString inner = keys.mid(i + 1, end - i - 1);
            if (chord) {
                const QKeySequence sequence(inner);
                if (sequence.isEmpty())
                    qFatal("bad chord in %s", qPrintable(keys));
                QTest::keyClick(handle, sequence[0].key(), sequence[0].keyboardModifiers());
            } else {
                sastavi(window, inner);
            }
            i = end;
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(handle, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, handle, Qt::Key_unknown, QString(c), {});
        }
    }
}

// Enters the field with its whole text selected and types over it; an empty text empties it.
inline void unesi(QLineEdit *field, const QString &keys)
{
    aktiviraj(field);
    NumericField::focus(field);
    otkucaj(field, keys.isEmpty() ? QStringLiteral("{Backspace}") : keys);
}

// Pastes through the clipboard with Shift+Insert, over the whole text or after its end.
inline void nalepi(QLineEdit *field, const QString &text, bool overWholeText)
{
    aktiviraj(field);
    NumericField::focus(field);
    if (!overWholeText)
        otkucaj(field, QStringLiteral("{End}"));
    QGuiApplication::clipboard()->setText(text);
    otkucaj(field, QStringLiteral("{Shift+Insert}"));
}

inline void klikni(QWidget *widget, QPoint pos = {})
{
    aktiviraj(widget);
    QWidget *window = widget->window();
    if (pos.isNull())
        pos = widget->rect().center();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, pos));
    QCoreApplication::processEvents(); // the select-all after a click on a field is queued
}

template <typename T = QWidget> T *kontrola(const QWidget *window, const QString &name)
{
    auto *control = window->findChild<T *>(name);
    if (!control)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return control;
}

inline QLineEdit *polje(const QWidget *window, const QString &name)
{
    return kontrola<QLineEdit>(window, name);
}

inline QString fokus(const QWidget *window)
{
    const QWidget *f = window->window()->focusWidget();
    return f ? f->objectName() : QString();
}

// Chooses a menu command with the mouse: its menu on the window's menu bar, then the command.
inline void izaberi(QWidget *window, const char *commandName)
{
    aktiviraj(window);
    auto *command = kontrola<QAction>(window, QLatin1String(commandName));
    QMenu *menu = nullptr;
    for (QMenu *m : window->findChildren<QMenu *>()) {
        if (m->actions().contains(command))
            menu = m;
    }
    QMenuBar *bar = window->findChild<QMenuBar *>();
    if (!menu || !bar)
        qFatal("no menu for %s in %s", commandName, qPrintable(window->objectName()));
    klikni(bar, bar->actionGeometry(menu->menuAction()).center());
    if (!menu->isVisible() || !QTest::qWaitForWindowExposed(menu))
        qFatal("the menu of %s did not open", commandName);
    QTest::mouseClick(
        menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(command).center());
    QCoreApplication::processEvents();
}

// Runs a menu command as its keyboard shortcut or accelerator would, without opening the menu.
inline void komanda(QWidget *window, const char *commandName)
{
    kontrola<QAction>(window, QLatin1String(commandName))->trigger();
}

// Answers Qt's save dialog as a user does: types the path into its name field and presses Enter.
// Returns the name the dialog offered.
inline QString upisiImeDatoteke(QWidget *modal, const QString &path)
{
    auto *dialog = qobject_cast<QFileDialog *>(modal);
    if (!dialog)
        qFatal("not a file dialog: %s", qPrintable(modal->objectName()));
    QLineEdit *name = polje(dialog, QStringLiteral("fileNameEdit"));
    const QString offered = name->text();
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    return offered;
}
