#include "ui/about/KelvaneIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace {

// The shapes are laid out on this grid of pixels, the window icon's size.
constexpr int gridSize = 32;

// Drawn from the sixteen classic colours.
const QColor beamColour(0, 0, 128);
const QColor supportColour(0, 0, 0);
const QColor forceColour(255, 0, 0);

void force(QPainter &painter, int x)
{
    painter.fillRect(QRect(x - 1, 2, 2, 11), forceColour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(forceColour);
    painter.drawPolygon(
        QPolygon({ QPoint(x - 4, 12), QPoint(x + 3, 12), QPoint(x - 1, 17), QPoint(x, 17) }));
}

} // namespace

void paintKelvaneIcon(QPainter &painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size != gridSize);
    painter.scale(double(size) / gridSize, double(size) / gridSize);

    painter.fillRect(QRect(2, 18, 28, 3), beamColour);

    painter.setPen(Qt::NoPen);
    painter.setBrush(supportColour);
    // Fixed support on the left, roller on the right.
    painter.drawPolygon(QPolygon({ QPoint(6, 21), QPoint(2, 26), QPoint(10, 26) }));
    painter.fillRect(QRect(1, 27, 11, 1), supportColour);
    painter.drawPolygon(QPolygon({ QPoint(25, 21), QPoint(21, 26), QPoint(29, 26) }));
    painter.fillRect(QRect(20, 27, 11, 1), supportColour);
    painter.fillRect(QRect(20, 29, 11, 1), supportColour);

    force(painter, 11);
    force(painter, 21);
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
