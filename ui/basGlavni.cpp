// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/basGlavni.h"

#include "core/NumberText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QValidator>
#include <QWindow>

namespace basGlavni {

int KontrolaTastera(int key, const QString &text)
{
    const int znak = UnosBroja::KontrolaTastera(key, text.toStdU16String());
    if (znak == 0)
        QApplication::beep();
    return znak;
}

std::optional<int> kodZnaka(const QKeyEvent &event)
{
    const int key = event.key();
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_Backspace:
        return kodBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kodTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kodEnter;
    case Qt::Key_Escape:
        return kodEscape;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    // QTest sends Shift+letter as the lower-case letter; the filter refuses both alike.
    return text.at(0).unicode();
}

} // namespace basGlavni

namespace NumericField {

namespace {

const char *const numericFieldProperty = "kelvaneNumericField";

bool isEmptyNumericField(const QWidget *widget)
{
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    return field && field->property(numericFieldProperty).toBool() && field->text().isEmpty();
}

// The control that a click on target acts on: the nearest enabled widget that can hold the focus
// at all. A tab strip takes the focus only by Tab, but a click on it still leaves the field behind
// a hidden panel, so it counts as leaving the field too.
QWidget *clickedControl(QWidget *target)
{
    for (QWidget *w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
            return w->focusProxy() ? w->focusProxy() : w;
    }
    return nullptr;
}

// What the user types or pastes: UnosBroja::izmena limits the length and makes a pasted comma the
// decimal point. QLineEdit::setMaxLength would also cut what the program writes, and the program
// may write longer texts than the user may type.
class EntryValidator : public QValidator
{
public:
    EntryValidator(int maxLength, QLineEdit *field)
        : QValidator(field)
        , m_field(field)
        , m_maxLength(maxLength)
        , m_text(field->text())
    {
        connect(
            field, &QLineEdit::textChanged, this, [this](const QString &text) { m_text = text; });
    }

    State validate(QString &input, int &) const override
    {
        // A text the program writes (setText leaves the field unmodified) must pass: once the
        // field holds a text judged Invalid, QLineEdit stops undoing the user's edits.
        if (!m_field->isModified())
            return Acceptable;
        const auto kept = UnosBroja::izmena(
            m_text.toStdU16String(), input.toStdU16String(), std::size_t(m_maxLength));
        if (!kept)
            return Invalid;
        // Only a pasted comma changes the text (QLineEdit then forgets its undo history); a typed
        // comma is inserted as a point before it gets here.
        input = QString::fromStdU16String(*kept);
        return Acceptable;
    }

private:
    QLineEdit *m_field;
    int m_maxLength;
    QString m_text; // before the change being validated
};

// Keys and focus of one field.
class FieldFilter : public QObject
{
public:
    explicit FieldFilter(QLineEdit *field)
        : QObject(field)
        , m_field(field)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_field)
            return false;
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::InputMethod)
            return inputMethod(static_cast<QInputMethodEvent *>(event));
        if (event->type() == QEvent::FocusIn)
            focusIn(static_cast<QFocusEvent *>(event));
        return false;
    }

private:
    // Returns true when the key is swallowed.
    bool keyPress(QKeyEvent *event)
    {
        // Tab moves the focus and never reaches the filter; an empty field cannot be left.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            return m_field->text().isEmpty();
        const auto kod = basGlavni::kodZnaka(*event);
        if (!kod)
            return false;
        const int znak = basGlavni::KontrolaTastera(*kod, m_field->text());
        if (znak == 0)
            return true;
        if (znak == *kod)
            return false;
        // The decimal comma goes in as the point it stands for.
        m_field->insert(QString(QChar(znak)));
        return true;
    }

    // Text composed by an input method (a dead key, a compose sequence, an IME) arrives as one
    // commit, not as key presses. Its characters pass the key filter as if typed one by one, the
    // first replacing the selection; a commit with refused characters is sent on without them,
    // with a comma as the point the filter makes of it.
    bool inputMethod(QInputMethodEvent *event)
    {
        const QString commit = event->commitString();
        QString text = m_field->text();
        QString accepted;
        for (const QChar c : commit) {
            const int znak = basGlavni::KontrolaTastera(c.unicode(), text);
            if (znak == 0)
                continue;
            if (accepted.isEmpty() && m_field->hasSelectedText())
                text.remove(m_field->selectionStart(), m_field->selectedText().size());
            accepted += QChar(znak);
            text += QChar(znak);
        }
        if (accepted == commit)
            return false;
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
        QCoreApplication::sendEvent(m_field, &filtered);
        return true;
    }

    void focusIn(QFocusEvent *event)
    {
        switch (event->reason()) {
        case Qt::PopupFocusReason: // a menu closed: the user never left the field
        case Qt::MenuBarFocusReason:
        case Qt::ActiveWindowFocusReason: // back from another window
            return;
        case Qt::MouseFocusReason: {
            // The click that brought the focus places the cursor after this event.
            QPointer<QLineEdit> field = m_field;
            QTimer::singleShot(0, m_field, [field] {
                if (field)
                    field->selectAll();
            });
            break;
        }
        default:
            break;
        }
        m_field->selectAll();
    }

    QLineEdit *m_field;
};

// A click on another control would move the focus before any filter on that control runs, and
// even before the application's filters see the press on its way to the control. The press is
// therefore stopped where it first arrives, at the window, while the focus is in an empty field.
class ClickGuard : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && watched == m_stoppedAt) {
            // The release of a stopped press would still reach the control (a middle-button
            // release pastes into a field).
            m_stoppedAt = nullptr;
            return true;
        }
        if (event->type() != QEvent::MouseButtonPress
            && event->type() != QEvent::MouseButtonDblClick)
            return false;
        QWidget *focus = QApplication::focusWidget();
        if (!isEmptyNumericField(focus) || watched != focus->window()->windowHandle())
            return false;
        QWidget *window = focus->window();
        QWidget *target = window->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        QWidget *next = clickedControl(target ? target : window);
        if (!next || next == focus)
            return false;
        m_stoppedAt = watched;
        return true;
    }

private:
    QPointer<QObject> m_stoppedAt;
};

void installClickGuard()
{
    const char *const guardName = "kelvaneNumericFieldClickGuard";
    if (qApp->findChild<QObject *>(QLatin1String(guardName), Qt::FindDirectChildrenOnly))
        return;
    auto *guard = new ClickGuard(qApp);
    guard->setObjectName(QLatin1String(guardName));
    qApp->installEventFilter(guard);
}

} // namespace

void attach(QLineEdit *field, int maxLength)
{
    field->setProperty(numericFieldProperty, true);
    field->setValidator(new EntryValidator(maxLength, field));
    field->installEventFilter(new FieldFilter(field));
    installClickGuard();
}

std::optional<double> value(const QLineEdit *field)
{
    return NumberText::parseField(field->text().toStdString());
}

void focus(QLineEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace NumericField
