// Temporary stand-ins until the diagram lands.
#include "ui/diagram/DiagramCanvas.h"
#include "ui/diagram/EnvelopeDiagram.h"
#include "ui/diagram/WidgetProgress.h"

#include <QImage>
#include <QLabel>
#include <QProgressBar>

class RasterSurface { };
DiagramCanvas::DiagramCanvas(QWidget *parent) : QWidget(parent) { }
DiagramCanvas::~DiagramCanvas() = default;
DrawingSurface &DiagramCanvas::surface() { static DrawingSurface *s = nullptr; return *s; }
const QImage &DiagramCanvas::image() const { static QImage i; return i; }
void DiagramCanvas::paintEvent(QPaintEvent *) { }
void DiagramCanvas::resizeEvent(QResizeEvent *) { }
void nacrtajDijagram(const RezultatiProracuna &, const UlazniParametri &, DrawingSurface &,
                     ProgressDisplay &, DiagramLoopVariables &) { }
WidgetProgress::WidgetProgress(QProgressBar *bar, QLabel *label) : m_bar(bar), m_label(label) { }
void WidgetProgress::showBar(bool) { }
void WidgetProgress::setRange(int, int) { }
void WidgetProgress::setValue(float) { }
void WidgetProgress::setLabel(const std::string &) { }
