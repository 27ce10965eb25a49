#include "ui/diagram/DiagramCanvas.h"

#include "ui/diagram/RasterSurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// 9300 x 6975 twips.
constexpr QSize canvasSize(620, 465);

} // namespace

DiagramCanvas::DiagramCanvas(QWidget *parent)
    : QWidget(parent)
    , m_surface(std::make_unique<RasterSurface>(canvasSize, palette().color(QPalette::WindowText)))
{
    // The window colour shows through wherever nothing has been drawn.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    resize(canvasSize);
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
