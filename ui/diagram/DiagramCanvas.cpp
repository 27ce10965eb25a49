// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/diagram/DiagramCanvas.h"

#include "output/DijagramSlika.h"
#include "output/RasterSurface.h"

#include <QPaintEvent>
#include <QPainter>

DiagramCanvas::DiagramCanvas(QWidget *parent)
    : QWidget(parent)
    , m_surface(std::make_unique<RasterSurface>(
          DijagramSlika::velicina, palette().color(QPalette::WindowText)))
{
    // The window colour shows through wherever nothing has been drawn.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    resize(DijagramSlika::velicina);
    // The drawing holds the thread and its texts come last: the repaint they schedule shows the
    // finished picture.
    m_surface->setChangeHandler([this] { update(); });
}

DiagramCanvas::~DiagramCanvas() = default;

DrawingSurface &DiagramCanvas::surface()
{
    return *m_surface;
}

const QImage &DiagramCanvas::image() const
{
    return m_surface->image();
}

void DiagramCanvas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawImage(event->rect(), m_surface->image(), event->rect());
}
