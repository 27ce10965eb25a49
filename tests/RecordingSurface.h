// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drawing surface that draws nothing and remembers, stage by stage, what the diagram asked for:
// how many dots, the first and the last with their pen widths, the runs of equal pen width,
// whether every dot had whole coordinates, and every circle and text. RecordingProgress closes a
// stage at each progress report, so stage k holds what was drawn before report k. Tests read the
// diagram through these two classes without a window.

#include "core/DrawingSurface.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

struct RecordedDot
{
    double x = 0.0;
    double y = 0.0;
    int penWidth = 0;
};

// Consecutive dots drawn with the same pen width.
struct PenRun
{
    int penWidth = 0;
    long count = 0;
    RecordedDot first;
    RecordedDot last;
};

// A circle or a text, in the order they were drawn, with the pen width and font size they used.
struct RecordedMark
{
    enum Kind { Circle, Text };
    Kind kind = Text;
    double x = 0.0; // circle centre, or top-left corner of a text
    double y = 0.0;
    double radius = 0.0;
    std::string text;
    int penWidth = 0;
    double fontSize = 0.0;
};

struct RecordedStage
{
    long dots = 0;
    bool wholePixels = true; // every dot lay on whole pixel coordinates
    std::vector<PenRun> runs;
    std::vector<RecordedMark> marks;

    const RecordedDot &firstDot() const { return runs.front().first; }
    const RecordedDot &lastDot() const { return runs.back().last; }
};

class RecordingSurface : public DrawingSurface
{
public:
    // A fresh drawing area draws with pen width 1.
    explicit RecordingSurface(int initialPenWidth = 1)
        : m_stages(1)
        , m_penWidth(initialPenWidth)
    { }

    void setPixelUnits() override { ++m_pixelUnitsCalls; }
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void dot(double x, double y) override
    {
        RecordedStage &s = m_stages.back();
        const RecordedDot d { x, y, m_penWidth };
        ++s.dots;
        if (x != std::floor(x) || y != std::floor(y))
            s.wholePixels = false;
        if (s.runs.empty() || s.runs.back().penWidth != m_penWidth)
            s.runs.push_back({ m_penWidth, 0, d, d });
        ++s.runs.back().count;
        s.runs.back().last = d;
    }
    void circle(double x, double y, double radius) override
    {
        mark(RecordedMark::Circle, x, y).radius = radius;
    }
    void setTextPosition(double x, double y) override
    {
        m_textX = x;
        m_textY = y;
    }
    void setFontSize(double points) override { m_fontSize = points; }
    void text(const std::string &text) override
    {
        mark(RecordedMark::Text, m_textX, m_textY).text = text;
    }

    // Ends the current stage; what follows is recorded in a new one.
    void nextStage() { m_stages.emplace_back(); }
    // Stage k, counted from 1 since the last clear().
    const RecordedStage &stage(int k) const { return m_stages.at(k - 1); }
    // Closed stages, plus the open one if anything was drawn in it.
    int stageCount() const
    {
        const RecordedStage &open = m_stages.back();
        const bool openUsed = open.dots > 0 || !open.marks.empty();
        return static_cast<int>(m_stages.size()) - (openUsed ? 0 : 1);
    }
    void clear() { m_stages.assign(1, RecordedStage()); }

    int penWidth() const { return m_penWidth; }
    double fontSize() const { return m_fontSize; }
    int pixelUnitsCalls() const { return m_pixelUnitsCalls; }

private:
    // A circle or a text at (x, y) with the pen width and font size in force.
    RecordedMark &mark(RecordedMark::Kind kind, double x, double y)
    {
        return m_stages.back().marks.emplace_back(
            RecordedMark { kind, x, y, 0.0, {}, m_penWidth, m_fontSize });
    }

    std::vector<RecordedStage> m_stages;
    int m_penWidth;
    double m_fontSize = 0.0;
    double m_textX = 0.0;
    double m_textY = 0.0;
    int m_pixelUnitsCalls = 0;
};

// Remembers every progress call; with a surface, each new bar value also ends its stage.
class RecordingProgress : public ProgressDisplay
{
public:
    explicit RecordingProgress(RecordingSurface *surface = nullptr)
        : m_surface(surface)
    { }

    void showBar(bool visible) override
    {
        m_barVisible = visible;
        m_calls.push_back(visible ? "show" : "hide");
    }
    void setRange(int minimum, int maximum) override
    {
        m_minimum = minimum;
        m_maximum = maximum;
        m_calls.push_back("range " + std::to_string(minimum) + " " + std::to_string(maximum));
    }
    void setValue(float value) override
    {
        m_values.push_back(value);
        std::ostringstream call;
        call << "value " << value;
        m_calls.push_back(call.str());
        if (m_surface)
            m_surface->nextStage();
    }
    void setLabel(const std::string &text) override
    {
        m_labels.push_back(text);
        m_calls.push_back("label " + text);
    }

    bool barVisible() const { return m_barVisible; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    const std::vector<float> &values() const { return m_values; }
    const std::vector<std::string> &labels() const { return m_labels; }
    // Every call in order, as "show", "hide", "range 0 100", "value 4.16667", "label 4%".
    const std::vector<std::string> &calls() const { return m_calls; }
    void clear()
    {
        m_values.clear();
        m_labels.clear();
        m_calls.clear();
    }

private:
    RecordingSurface *m_surface;
    bool m_barVisible = false;
    int m_minimum = 0;
    int m_maximum = 0;
    std::vector<float> m_values;
    std::vector<std::string> m_labels;
    std::vector<std::string> m_calls;
};
