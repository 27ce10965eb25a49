// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LineSketch.h"

#include "ui/Twips.h"

#include <QPainter>

LineSketch::LineSketch(std::vector<SketchLine> lines, QWidget *parent)
    : QWidget(parent)
    , m_lines(std::move(lines))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineSketch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const SketchLine &line : m_lines) {
        painter.setPen(
            QPen(palette().color(QPalette::WindowText), line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(twips(line.x1), twips(line.y1), twips(line.x2), twips(line.y2));
    }
}
