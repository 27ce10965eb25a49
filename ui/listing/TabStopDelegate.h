// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The listing lines keep their tab characters; this delegate draws them at tab stops chosen from
// the lines themselves, so that every column starts at the same place on every line.

#include <QList>
#include <QStyledItemDelegate>

class QFont;
class QTextOption;

class TabStopDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The stops for lines drawn in font: each text between two tabs gets a column as wide as its
    // widest occurrence, and every tab adds a gap, so a run of tabs ends at the same stop on every
    // line whatever the widths of the texts before it.
    static QList<qreal> tabStops(const QFont &font, const QStringList &lines);

    // Where each text that follows a tab starts, in pixels from the start of the line.
    static QList<qreal> columnStarts(
        const QFont &font, const QString &line, const QList<qreal> &stops);

    void setTabStops(const QList<qreal> &stops) { m_stops = stops; }
    const QList<qreal> &tabStops() const { return m_stops; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    static QTextOption textOption(const QList<qreal> &stops);

    QList<qreal> m_stops;
};
