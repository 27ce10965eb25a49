// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers the modal message boxes that a window shows while a test drives it, and records what
// each one said. A box that no test expects is still answered, so a mistake fails the test instead
// of hanging the suite.

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

struct SeenBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString focusBefore; // objectName of the focus widget of the window below, when the box showed
};

class ModalWatcher
{
public:
    // answer: the button to press in each box, in order; when the list runs out, the box's
    // default (OK, or No for a question) is pressed.
    explicit ModalWatcher(std::vector<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const std::vector<SeenBox> &boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList list;
        for (const SeenBox &b : m_boxes)
            list << b.text;
        return list;
    }

    // Other modal windows (dialogs that are not message boxes) are handed to this function.
    std::function<void(QWidget *)> onOtherModal;

private:
    void poll()
    {
        // A window counts as handled while it stays open: a box closing over it hands it back as
        // the active modal window, and a dialog shown again later is a new question.
        m_handled.removeIf([](const QPointer<QWidget> &w) { return !w || !w->isVisible(); });
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_handled.contains(modal))
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (onOtherModal) {
                m_handled.append(modal);
                onOtherModal(modal);
            }
            return;
        }
        m_handled.append(box);
        SeenBox seen { box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {} };
        if (QWidget *below = box->parentWidget()) {
            if (QWidget *f = below->window()->focusWidget())
                seen.focusBefore = f->objectName();
        }
        m_boxes.push_back(seen);
        QMessageBox::StandardButton answer
            = box->standardButtons() & QMessageBox::No ? QMessageBox::No : QMessageBox::Ok;
        if (m_next < m_answers.size())
            answer = m_answers[m_next++];
        if (QAbstractButton *button = box->button(answer))
            button->click();
        else
            box->reject();
    }

    std::vector<QMessageBox::StandardButton> m_answers;
    std::size_t m_next = 0;
    std::vector<SeenBox> m_boxes;
    QList<QPointer<QWidget>> m_handled;
    QTimer m_timer;
};
