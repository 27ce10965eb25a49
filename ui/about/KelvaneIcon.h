#pragma once

// The program's icon: a beam on two supports under two downward forces, 32 x 32 pixels.

#include <QIcon>
#include <QImage>

// Needs no QGuiApplication.
QImage kelvaneIconImage();

QIcon kelvaneIcon();
