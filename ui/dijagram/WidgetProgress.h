// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Progress of the diagram on the results window's ProgressBar1 and lblProcenat.

#include "core/DrawingSurface.h"

class QLabel;
class QProgressBar;

class WidgetProgress : public ProgressDisplay
{
public:
    WidgetProgress(QProgressBar *bar, QLabel *label);

    void showBar(bool visible) override;
    void setRange(int minimum, int maximum) override;
    void setValue(float value) override;
    void setLabel(const std::string &text) override;

private:
    QProgressBar *m_bar;
    QLabel *m_label;
};
