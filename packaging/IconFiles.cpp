// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the desktop's icon files below a folder, in the layout of the hicolor icon theme:
// hicolor/NxN/apps/kelvane.png for every size N given, and hicolor/scalable/apps/kelvane.svg.
// The build runs it, so it paints with the window icon's own function and needs no display.

#include "ui/about/KelvaneIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The size the vector file is laid out in: the window icon's grid, so its coordinates stay whole.
constexpr int svgSize = 32;

bool fail(const QString &what)
{
    std::fprintf(stderr, "kelvane_iconfiles: %s\n", qPrintable(what));
    return false;
}

bool writePng(const QDir &root, int size)
{
    const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
    if (!root.mkpath(folder))
        return fail(QStringLiteral("cannot create %1").arg(root.filePath(folder)));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintKelvaneIcon(painter, size);
    painter.end();
    const QString file = root.filePath(folder + QStringLiteral("/kelvane.png"));
    return image.save(file, "PNG") || fail(QStringLiteral("cannot write %1").arg(file));
}

bool writeSvg(const QDir &root)
{
    const QString folder = QStringLiteral("hicolor/scalable/apps");
    if (!root.mkpath(folder))
        return fail(QStringLiteral("cannot create %1").arg(root.filePath(folder)));
    const QString file = root.filePath(folder + QStringLiteral("/kelvane.svg"));
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(svgSize, svgSize));
    svg.setViewBox(QRect(0, 0, svgSize, svgSize));
    svg.setTitle(QStringLiteral("Kelvane"));
    QPainter painter;
    if (!painter.begin(&svg))
        return fail(QStringLiteral("cannot write %1").arg(file));
    paintKelvaneIcon(painter, svgSize);
    return painter.end() || fail(QStringLiteral("cannot write %1").arg(file));
}

} // namespace

int main(int argc, char *argv[])
{
    // Builds run on machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: kelvane_iconfiles FOLDER SIZE...\n");
        return 2;
    }
    const QDir root(args[1]);
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args[i].toInt(&isNumber);
        if (!isNumber || size <= 0) {
            fail(QStringLiteral("not a size in pixels: %1").arg(args[i]));
            return 2;
        }
        if (!writePng(root, size))
            return 1;
    }
    return writeSvg(root) ? 0 : 1;
}
