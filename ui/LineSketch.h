// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The beam sketches drawn behind the controls of the input and listing windows: straight segments
// in the window-text colour, given in twips with their pen widths in pixels.

#include <QWidget>

#include <vector>

struct SketchLine
{
    int x1, y1, x2, y2; // twips
    int width; // pixels
};

class LineSketch : public QWidget
{
    Q_OBJECT

public:
    LineSketch(std::vector<SketchLine> lines, QWidget *parent);

    const std::vector<SketchLine> &lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<SketchLine> m_lines;
};
