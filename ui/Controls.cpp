// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Controls.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(double points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    // Where the face is not installed, Liberation Sans stands in: its metrics are close, while
    // the usual substitute (DejaVu Sans) is so much wider that the help lines would not fit.
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans") });
    font.setPointSizeF(points);
    return font;
}

QMenu *addNamedMenu(QMenuBar *bar, const char *name, const QString &title)
{
    // The desktop's menu font, not the window's: every attribute is set, so that none is taken
    // from the window.
    QFont menuFont = QApplication::font("QMenuBar");
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    bar->setFont(menuFont);

    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

namespace {

// Centred on the available area where the frame fits; along a side where it is larger, its
// top-left edge lies on the area's, so that the caption and the menu bar stay within reach.
QPoint placed(QRect frame, const QRect &area)
{
    frame.moveCenter(area.center());
    if (frame.width() > area.width())
        frame.moveLeft(area.left());
    if (frame.height() > area.height())
        frame.moveTop(area.top());
    return frame.topLeft();
}

// Moves a frame that ran past the area's right or bottom edge back in, never past its top-left.
QPoint keptWithin(const QRect &frame, const QRect &area)
{
    QPoint topLeft = frame.topLeft();
    if (frame.right() > area.right())
        topLeft.setX(std::max(area.left(), area.right() + 1 - frame.width()));
    if (frame.bottom() > area.bottom())
        topLeft.setY(std::max(area.top(), area.bottom() + 1 - frame.height()));
    return topLeft;
}

class ScreenPlacement : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QScreen *screen = window->screen();
        if (!screen)
            return false;
        const QRect area = screen->availableGeometry();
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            if (window->minimumSize() != window->maximumSize()) {
                // A window that may be resized is made to fit, frame and all, down to its least.
                const QSize frame = window->frameGeometry().size() - window->size();
                window->resize(window->size()
                                   .boundedTo(area.size() - frame)
                                   .expandedTo(window->minimumSize()));
            }
            window->move(placed(window->frameGeometry(), area));
        } else if (event->type() == QEvent::Resize && m_shown && window->isVisible()
            && window->minimumSize() == window->maximumSize()) {
            // Only the program resizes a fixed-size window (the results window does, per tab);
            // what grows past the screen's edge comes back in.
            const QRect frame = window->frameGeometry();
            const QPoint topLeft = keptWithin(frame, area);
            if (topLeft != frame.topLeft())
                window->move(topLeft);
        }
        return false;
    }

private:
    bool m_shown = false;
};

} // namespace

void centerOnFirstShow(QWidget *window)
{
    window->installEventFilter(new ScreenPlacement(window));
}

namespace {

class WheelBlock : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Wheel; }
};

} // namespace

void ignoreWheel(QWidget *widget)
{
    widget->installEventFilter(new WheelBlock(widget));
}

namespace {

// Enter (Return or the keypad's Enter) on a focused push button presses it, as Space does, in
// every window of the program: Qt does so only for the buttons of dialogs that may become their
// default, and the results window's buttons must not (Enter in a section input presses nothing).
class EnterPressesButtons : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

void installEnterPressesButtons()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->installEventFilter(new EnterPressesButtons(app));
}

} // namespace

// Whenever an application with windows starts, whoever creates it: the program and its tests.
Q_COREAPP_STARTUP_FUNCTION(installEnterPressesButtons)
