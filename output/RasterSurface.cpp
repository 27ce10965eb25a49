// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/RasterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Images are laid out at 96 dots per inch, so that a point size gives the same pixels as on the
// screen the diagram was designed for.
constexpr int dotsPerMeter96 = 3780;

// Coordinates farther out than this cannot touch the image; they also keep NaN and infinities
// away from the integer conversion.
constexpr double farAway = 1.0e7;

int nearestPixel(double v)
{
    const double shifted = v + 0.5;
    int i = static_cast<int>(shifted);
    if (i > shifted)
        --i;
    return i;
}

} // namespace

RasterSurface::RasterSurface(QSize size, QColor foreground)
    : m_image(size, QImage::Format_ARGB32_Premultiplied)
    , m_masks(maximumDotWidth)
    , m_font("Arial")
{
    m_font.setPointSizeF(m_fontSize);
    m_font.setBold(false);
    // Aliased like the dots: the same text drawn again over itself leaves the image unchanged.
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_image.setDotsPerMeterX(dotsPerMeter96);
    m_image.setDotsPerMeterY(dotsPerMeter96);
    m_image.fill(Qt::transparent);
    setForeground(foreground);
    m_mask = &mask(m_penWidth);
    rememberGeometry();
}

void RasterSurface::rememberGeometry()
{
    m_width = m_image.width();
    m_height = m_image.height();
    m_stride = m_image.bytesPerLine();
    forgetLastDot();
}

void RasterSurface::setForeground(QColor foreground)
{
    m_foreground = foreground;
    m_pixel = qPremultiply(foreground.rgba());
    forgetLastDot();
}

void RasterSurface::setPixelUnits()
{
    // Pixels with the origin top-left are the image's own coordinates.
}

void RasterSurface::setPenWidth(int pixels)
{
    if (pixels == m_penWidth)
        return;
    m_penWidth = pixels;
    m_mask = &mask(pixels);
}

RasterSurface::DotMask RasterSurface::makeMask(int width)
{
    // A pixel belongs to the dot when its centre lies within the dot's circle. The circle's centre
    // is the centre pixel for odd widths and that pixel's top-left corner for even ones.
    DotMask m;
    const int first = -(width / 2);
    const double centre = width % 2 == 1 ? 0.0 : -0.5;
    const double radius2 = (width / 2.0) * (width / 2.0);
    m.left = m.top = first + width;
    m.right = m.bottom = first - 1;
    for (int dy = first; dy < first + width; ++dy) {
        const double py = dy - centre;
        int runStart = 0;
        int runLength = 0;
        for (int dx = first; dx < first + width; ++dx) {
            const double px = dx - centre;
            if (px * px + py * py <= radius2) {
                if (runLength == 0)
                    runStart = dx;
                ++runLength;
            }
        }
        if (runLength > 0) {
            m.spans.push_back({ dy, runStart, runLength });
            m.left = std::min(m.left, runStart);
            m.right = std::max(m.right, runStart + runLength - 1);
            m.top = std::min(m.top, dy);
            m.bottom = std::max(m.bottom, dy);
        }
    }
    return m;
}

const RasterSurface::DotMask &RasterSurface::mask(int width)
{
    width = std::clamp(width, 1, maximumDotWidth);
    DotMask &m = m_masks[width - 1];
    if (m.spans.empty())
        m = makeMask(width);
    return m;
}

void RasterSurface::dot(double x, double y)
{
    if (!(std::abs(x) < farAway && std::abs(y) < farAway))
        return;
    const int cx = nearestPixel(x);
    const int cy = nearestPixel(y);
    // The steps put many dots on one pixel (a vertical line can hold a million of them); the
    // same dot again changes nothing, since the surface only ever adds the one colour.
    if (cx == m_lastX && cy == m_lastY && m_penWidth == m_lastWidth)
        return;
    m_lastX = cx;
    m_lastY = cy;
    m_lastWidth = m_penWidth;

    const DotMask &m = *m_mask;
    if (cx + m.right < 0 || cx + m.left >= m_width || cy + m.bottom < 0 || cy + m.top >= m_height)
        return;
    uchar *bits = m_image.bits();
    const bool inside
        = cx + m.left >= 0 && cx + m.right < m_width && cy + m.top >= 0 && cy + m.bottom < m_height;
    if (inside) {
        for (const Span &s : m.spans) {
            auto *line = reinterpret_cast<quint32 *>(bits + (cy + s.dy) * m_stride);
            std::fill_n(line + cx + s.dx, s.length, m_pixel);
        }
        return;
    }
    for (const Span &s : m.spans) {
        const int row = cy + s.dy;
        if (row < 0 || row >= m_height)
            continue;
        const int from = std::max(cx + s.dx, 0);
        const int to = std::min(cx + s.dx + s.length, m_width);
        auto *line = reinterpret_cast<quint32 *>(bits + row * m_stride);
        std::fill(line + from, line + to, m_pixel);
    }
}

void RasterSurface::circle(double x, double y, double radius)
{
    QPainter p(&m_image);
    QPen pen(m_foreground);
    pen.setWidth(std::max(m_penWidth, 1));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // QPainter's pixel (i, j) spans [i, i + 1): its centre, where the dots put the point, is at
    // i + 0.5.
    p.drawEllipse(QPointF(x + 0.5, y + 0.5), radius, radius);
    p.end();
    notifyChanged();
}

void RasterSurface::setTextPosition(double x, double y)
{
    m_textX = x;
    m_textY = y;
}

void RasterSurface::setFontSize(double points)
{
    m_fontSize = points;
    m_font.setPointSizeF(points);
}

void RasterSurface::text(const std::string &text)
{
    QPainter p(&m_image);
    p.setFont(m_font);
    p.setPen(m_foreground);
    const int left = std::abs(m_textX) < farAway ? nearestPixel(m_textX) : 0;
    const int top = std::abs(m_textY) < farAway ? nearestPixel(m_textY) : 0;
    p.drawText(
        QPoint(left, top + QFontMetrics(m_font, &m_image).ascent()), QString::fromStdString(text));
    p.end();
    notifyChanged();
}

void RasterSurface::notifyChanged()
{
    if (m_changed)
        m_changed();
}
