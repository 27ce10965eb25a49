#include "RecordingSurface.h"

#include <cmath>
#include <sstream>

RecordingSurface::RecordingSurface(int initialPenWidth)
    : m_stages(1)
    , m_penWidth(initialPenWidth)
{ }

void RecordingSurface::setPixelUnits()
{
    ++m_pixelUnitsCalls;
}

void RecordingSurface::setPenWidth(int pixels)
{
    m_penWidth = pixels;
}

void RecordingSurface::dot(double x, double y)
{
    RecordedStage &s = m_stages.back();
    const RecordedDot d { x, y, m_penWidth };
    ++s.dots;
    if (x != std::floor(x) || y != std::floor(y))
        s.wholePixels = false;
    if (s.runs.empty() || s.runs.back().penWidth != m_penWidth)
        s.runs.push_back({ m_penWidth, 0, d, d });
    PenRun &run = s.runs.back();
    ++run.count;
    run.last = d;
}

void RecordingSurface::circle(double x, double y, double radius)
{
    RecordedMark m = mark(RecordedMark::Circle, x, y);
    m.radius = radius;
    m_stages.back().marks.push_back(m);
}

void RecordingSurface::setTextPosition(double x, double y)
{
    m_textX = x;
    m_textY = y;
}

void RecordingSurface::setFontSize(double points)
{
    m_fontSize = points;
}

void RecordingSurface::text(const std::string &text)
{
    RecordedMark m = mark(RecordedMark::Text, m_textX, m_textY);
    m.text = text;
    m_stages.back().marks.push_back(m);
}

// A circle or a text at (x, y) with the pen width and font size in force.
RecordedMark RecordingSurface::mark(RecordedMark::Kind kind, double x, double y) const
{
    RecordedMark m;
    m.kind = kind;
    m.x = x;
    m.y = y;
    m.penWidth = m_penWidth;
    m.fontSize = m_fontSize;
    return m;
}

void RecordingSurface::nextStage()
{
    m_stages.emplace_back();
}

int RecordingSurface::stageCount() const
{
    const RecordedStage &open = m_stages.back();
    const bool openUsed = open.dots > 0 || !open.marks.empty();
    return static_cast<int>(m_stages.size()) - (openUsed ? 0 : 1);
}

void RecordingSurface::clear()
{
    m_stages.assign(1, RecordedStage());
}

void RecordingProgress::showBar(bool visible)
{
    m_barVisible = visible;
    m_calls.push_back(visible ? "show" : "hide");
}

void RecordingProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    m_calls.push_back("range " + std::to_string(minimum) + " " + std::to_string(maximum));
}

void RecordingProgress::setValue(float value)
{
    m_values.push_back(value);
    std::ostringstream call;
    call << "value " << value;
    m_calls.push_back(call.str());
    if (m_surface)
        m_surface->nextStage();
}

void RecordingProgress::setLabel(const std::string &text)
{
    m_labels.push_back(text);
    m_calls.push_back("label " + text);
}

void RecordingProgress::clear()
{
    m_values.clear();
    m_labels.clear();
    m_calls.clear();
}
