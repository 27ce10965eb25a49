// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The drawing surface of the screen: an off-screen ARGB image, transparent until something is
// drawn, that the drawing area shows. Dots are written straight into the image memory from
// precomputed masks, because a diagram can hold millions of them and a QPainter call per dot
// costs about a microsecond and can drop one-pixel dots; circles and texts, a handful per
// drawing, go through QPainter.

#include "core/DrawingSurface.h"

#include <QColor>
#include <QFont>
#include <QImage>

#include <functional>
#include <vector>

class RasterSurface : public DrawingSurface
{
public:
    RasterSurface(QSize size, QColor foreground);

    void setPixelUnits() override;
    void setPenWidth(int pixels) override;
    // The dot is centred on the pixel nearest to (x, y), halves rounding up; an even width puts
    // its extra row and column above and left of that pixel. Parts beyond the image are clipped.
    void dot(double x, double y) override;
    void circle(double x, double y, double radius) override;
    void setTextPosition(double x, double y) override;
    void setFontSize(double points) override;
    void text(const std::string &text) override;

    const QImage &image() const { return m_image; }
    int penWidth() const { return m_penWidth; }
    double fontSize() const { return m_fontSize; }
    void setForeground(QColor foreground);

    // Called when a circle or a text is added, so that the owner can schedule a repaint. The
    // diagram writes these last, so the repaint shows the finished figure and nothing repaints
    // the area while the dots are drawn; never called once per dot.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    // Pen widths above this draw dots of this diameter.
    static constexpr int maximumDotWidth = 255;

private:
    struct Span
    {
        int dy;
        int dx;
        int length;
    };
    struct DotMask
    {
        std::vector<Span> spans; // offsets from the centre pixel
        int left = 0, top = 0, right = 0, bottom = 0; // bounding box of the offsets
    };

    static DotMask makeMask(int width);
    const DotMask &mask(int width);
    void notifyChanged();
    void rememberGeometry();
    void forgetLastDot() { m_lastWidth = 0; }

    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_stride = 0;
    QColor m_foreground;
    quint32 m_pixel = 0; // the foreground as a premultiplied image pixel
    int m_penWidth = 1;
    const DotMask *m_mask = nullptr;
    std::vector<DotMask> m_masks; // by width - 1, each built on first use; never reallocated
    double m_textX = 0.0;
    double m_textY = 0.0;
    int m_lastX = 0; // the centre pixel and width of the last dot written
    int m_lastY = 0;
    int m_lastWidth = 0; // 0: none
    double m_fontSize = 8.25;
    QFont m_font;
    std::function<void()> m_changed;
};
