#include "ui/diagram/WidgetProgress.h"

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
    // QProgressBar holds whole numbers: the nearest one, a half going up.
    m_bar->setValue(static_cast<int>(std::floor(value + 0.5f)));
    // The drawing does not return to the event loop until it ends, so paint the bar now.
    if (m_bar->isVisible())
        m_bar->repaint();
}

void WidgetProgress::setLabel(const std::string &text)
{
    m_label->setText(QString::fromStdString(text));
    m_label->repaint();
}
