// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dijagram/WidgetProgress.h"

#include <QLabel>
#include <QProgressBar>

#include <cmath>

WidgetProgress::WidgetProgress(QProgressBar *bar, QLabel *label)
    : m_bar(bar)
    , m_label(label)
{ }

void WidgetProgress::showBar(bool visible)
{
    m_bar->setVisible(visible);
}

void WidgetProgress::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
}

void WidgetProgress::setValue(float value)
{
    // QProgressBar holds whole numbers: the nearest one, a half going up. It repaints itself at
    // once whenever the new value moves its picture, so nothing more is needed while the drawing
    // holds the thread; another repaint here would only paint the same bar twice.
    m_bar->setValue(static_cast<int>(std::floor(value + 0.5f)));
}

void WidgetProgress::setLabel(const std::string &text)
{
    m_label->setText(QString::fromStdString(text));
    m_label->repaint();
}
