#pragma once

// What the program-wide sweeps share: the input window as the program starts it, a user's ways of
// typing, pasting, clicking and choosing menu commands, and the modal chain of windows driven
// through it. Each modal window that opens gets its scenario run from its own event loop, so that
// the message boxes and nested windows it opens are answered as well.

#include "ModalWatcher.h"

#include "core/NumberText.h"
#include "ui/input/basGlavni.h"
#include "ui/input/frmParametri.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ProgramRun {

inline const QString naslovGreske = QStringLiteral("Greska pri unosu parametara proracuna!");

// Keys and clicks go to the window's QWindow, the route real input takes. Offscreen, a window is
// not activated again after a message box or a menu closes, as a window manager would do; after a
// menu the widgets still call it active while no window has the focus.
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

// Enters the field with its whole text selected and types over it.
inline void unesi(QLineEdit *field, const QString &keys)
{
    aktiviraj(field);
    NumericField::focus(field);
    otkucaj(field, keys);
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

// Chooses a menu command with the mouse: its menu on the window's menu bar, then the command.
inline void izaberi(QWidget *window, const char *commandName)
{
    aktiviraj(window);
    auto *command = window->findChild<QAction *>(QLatin1String(commandName));
    QMenu *menu = nullptr;
    for (QMenu *m : window->findChildren<QMenu *>()) {
        if (command && m->actions().contains(command))
            menu = m;
    }
    QMenuBar *bar = window->findChild<QMenuBar *>();
    if (!menu || !bar)
        qFatal("no command %s in %s", commandName, qPrintable(window->objectName()));
    klikni(bar, bar->actionGeometry(menu->menuAction()).center());
    if (!menu->isVisible() || !QTest::qWaitForWindowExposed(menu))
        qFatal("the menu of %s did not open", commandName);
    QTest::mouseClick(
        menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(command).center());
    QCoreApplication::processEvents();
}

inline QString fokus(const QWidget *window)
{
    const QWidget *f = window->window()->focusWidget();
    return f ? f->objectName() : QString();
}

inline QLineEdit *polje(const QWidget *window, const QString &name)
{
    auto *field = window->findChild<QLineEdit *>(name);
    if (!field)
        qFatal("no field %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return field;
}

// "#0.00" and "#0.000": at least one digit before the point, no "-0".
inline bool jeBroj(const QString &text, int decimals)
{
    const QRegularExpression format(QStringLiteral("^-?[0-9]+\\.[0-9]{%1}$").arg(decimals));
    const QString negativeZero = QStringLiteral("-0.") + QString(decimals, QLatin1Char('0'));
    return format.match(text).hasMatch() && text != negativeZero;
}

// No text of the window's fields and list lines names a non-number, and no field that holds a
// number is empty. allowedEmpty lists the fields that stay empty until their command first runs.
inline void bezNeBrojeva(const QWidget *window, const QStringList &allowedEmpty = {})
{
    const QRegularExpression nonNumber(
        QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit *f : window->findChildren<QLineEdit *>()) {
        if (f->window() != window->window())
            continue; // a dialog of its own, such as a file dialog
        const QString where = window->objectName() + QLatin1Char('.') + f->objectName();
        QVERIFY2(!nonNumber.match(f->text()).hasMatch(),
            qPrintable(where + QStringLiteral(" shows ") + f->text()));
        QVERIFY2(!f->text().isEmpty() || allowedEmpty.contains(f->objectName()),
            qPrintable(where + QStringLiteral(" is empty")));
    }
    for (const QListWidget *list : window->findChildren<QListWidget *>()) {
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY2(!nonNumber.match(list->item(i)->text()).hasMatch(),
                qPrintable(list->item(i)->text()));
        }
    }
}

// The program as it starts: the input window, shown and active, and a watcher that answers the
// message boxes and runs a scenario in each modal window that the program opens.
class Program
{
public:
    using Scenario = std::function<void(QDialog *)>;

    Program()
    {
        parametri = std::make_unique<frmParametri>();
        parametri->show();
        aktiviraj(parametri.get());
        watcher.onOtherModal = [this](QWidget *modal) { otvoren(modal); };
    }

    // Runs scenario in every window of that name that opens; a window without a scenario, or
    // whose scenario leaves it open, is closed.
    void uProzoru(const QString &name, Scenario scenario)
    {
        m_scenarios[name] = std::move(scenario);
    }

    int otvaranja(const QString &name) const
    {
        const auto it = m_otvaranja.find(name);
        return it == m_otvaranja.end() ? 0 : it->second;
    }

    void proracunaj() { izaberi(parametri.get(), "mnuProracunExtMExtT"); }

    ModalWatcher watcher;
    std::unique_ptr<frmParametri> parametri;

private:
    void otvoren(QWidget *modal)
    {
        // The watcher hands a window over again when a message box over it has closed.
        for (const QPointer<QWidget> &seen : m_vidjeni) {
            if (seen == modal)
                return;
        }
        m_vidjeni.emplace_back(modal);
        const QString name = modal->objectName();
        ++m_otvaranja[name];
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        // Run from the window's own event loop: the watcher's timer does not fire while it is
        // handing a window over, and the scenario's boxes and windows need it.
        QTimer::singleShot(0, dialog, [this, dialog, name] {
            const auto it = m_scenarios.find(name);
            if (it != m_scenarios.end() && it->second)
                it->second(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    std::map<QString, Scenario> m_scenarios;
    std::map<QString, int> m_otvaranja;
    std::vector<QPointer<QWidget>> m_vidjeni;
};

} // namespace ProgramRun
