// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the envelope diagram needs of a drawing area, and nothing more: pixel coordinates with the
// origin top-left and y downwards, dots and circle outlines in one foreground colour, and text.
// The diagram code knows only this interface; RasterSurface paints for the screen, tests record.

#include <string>

class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    virtual void setPixelUnits() = 0;
    virtual void setPenWidth(int pixels) = 0;
    // A filled dot centred on (x, y) whose diameter is the pen width; coordinates may be
    // fractional.
    virtual void dot(double x, double y) = 0;
    // The outline of a circle, drawn with the pen width.
    virtual void circle(double x, double y, double radius) = 0;
    // The top-left corner of the next text.
    virtual void setTextPosition(double x, double y) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void text(const std::string &text) = 0;
};

// The progress bar and percentage label shown while the diagram is drawn.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;

    virtual void showBar(bool visible) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(float value) = 0;
    // Sets the label's text and shows it at once, while the drawing still holds the thread.
    virtual void setLabel(const std::string &text) = 0;
};

// A drawing with no one to watch it: a file, a benchmark.
class NoProgress : public ProgressDisplay
{
public:
    void showBar(bool) override { }
    void setRange(int, int) override { }
    void setValue(float) override { }
    void setLabel(const std::string &) override { }
};
