// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dijagram/PlatnoDijagrama.h"

#include "output/DijagramSlika.h"
#include "output/RasterSurface.h"

#include <QPaintEvent>
#include <QPainter>

PlatnoDijagrama::PlatnoDijagrama(QWidget *parent)
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

PlatnoDijagrama::~PlatnoDijagrama() = default;

DrawingSurface &PlatnoDijagrama::surface()
{
    return *m_surface;
}

const QImage &PlatnoDijagrama::image() const
{
    return m_surface->image();
}

void PlatnoDijagrama::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawImage(event->rect(), m_surface->image(), event->rect());
}
