// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// pctGrafik: the drawing area of the results window. It owns an off-screen image that the diagram
// paints into through the DrawingSurface operations; paintEvent only shows that image, so the
// picture survives covering the window and switching tabs.

#include "core/DrawingSurface.h"

#include <QWidget>

#include <memory>

class RasterSurface;

class PlatnoDijagrama : public QWidget
{
    Q_OBJECT

public:
    explicit PlatnoDijagrama(QWidget *parent);
    ~PlatnoDijagrama() override;

    DrawingSurface &surface();
    const QImage &image() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<RasterSurface> m_surface;
};
