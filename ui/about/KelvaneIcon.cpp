// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/KelvaneIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <initializer_list>

namespace {

// The shapes are laid out on this grid of pixels, the window icon's size.
constexpr int gridSize = 32;

// Drawn from the sixteen classic colours.
const QColor beamColour(0, 0, 128);
const QColor supportColour(0, 0, 0);
const QColor forceColour(255, 0, 0);

// Grid coordinates to the painter's, for an icon of a given size. Rectangles keep whole-pixel
// edges at every size, so that the beam and the bars stay crisp; the slanted edges of the
// triangles are smoothed instead.
class Grid
{
public:
    explicit Grid(int size)
        : m_scale(double(size) / gridSize)
    { }

    QRectF rect(int left, int top, int width, int height) const
    {
        return QRectF(
            QPointF(snap(left), snap(top)), QPointF(snap(left + width), snap(top + height)));
    }

    QPolygonF polygon(std::initializer_list<QPointF> points) const
    {
        QPolygonF polygon;
        for (const QPointF &p : points)
            polygon << p * m_scale;
        return polygon;
    }

private:
    double snap(int gridLine) const { return std::round(gridLine * m_scale); }

    double m_scale;
};

void force(QPainter &painter, const Grid &grid, int x)
{
    painter.fillRect(grid.rect(x - 1, 2, 2, 11), forceColour);
    painter.setBrush(forceColour);
    // The tip's height keeps the head one pixel wide in its last two rows at 32 pixels.
    painter.drawPolygon(
        grid.polygon({ QPointF(x - 4, 12), QPointF(x + 3, 12), QPointF(x - 0.5, 16.8) }));
}

} // namespace

void paintKelvaneIcon(QPainter &painter, int size)
{
    const Grid grid(size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size != gridSize);
    painter.setPen(Qt::NoPen);

    painter.fillRect(grid.rect(2, 18, 28, 3), beamColour);

    painter.setBrush(supportColour);
    // Fixed support on the left, roller on the right.
    painter.drawPolygon(grid.polygon({ QPointF(6, 21), QPointF(2, 26), QPointF(10, 26) }));
    painter.fillRect(grid.rect(1, 27, 11, 1), supportColour);
    painter.drawPolygon(grid.polygon({ QPointF(25, 21), QPointF(21, 26), QPointF(29, 26) }));
    painter.fillRect(grid.rect(20, 27, 11, 1), supportColour);
    painter.fillRect(grid.rect(20, 29, 11, 1), supportColour);

    force(painter, grid, 11);
    force(painter, grid, 21);
    painter.restore();
}

QImage kelvaneIconImage()
{
    QImage image(gridSize, gridSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintKelvaneIcon(painter, gridSize);
    return image;
}

QIcon kelvaneIcon()
{
    return QIcon(QPixmap::fromImage(kelvaneIconImage()));
}
