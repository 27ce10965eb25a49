// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listing/TabStopDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// Room that every tab adds after a column, in average character widths.
constexpr qreal gapChars = 2.0;

// The horizontal space the view's style leaves around an item's text.
int textMargin(const QStyleOptionViewItem &option)
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

// One line, never wrapped.
void layOut(QTextLayout &layout, const QTextOption &option)
{
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
}

} // namespace

QList<qreal> TabStopDelegate::tabStops(const QFont &font, const QStringList &lines)
{
    const QFontMetricsF metrics(font);
    QList<qreal> widest;
    for (const QString &line : lines) {
        const QStringList texts = line.split(QLatin1Char('\t'));
        // The text after the last tab needs no column of its own.
        for (qsizetype i = 0; i + 1 < texts.size(); ++i) {
            if (widest.size() <= i)
                widest.append(0.0);
            widest[i] = std::max(widest[i], metrics.horizontalAdvance(texts[i]));
        }
    }
    const qreal gap = std::ceil(gapChars * metrics.averageCharWidth());
    QList<qreal> stops;
    qreal start = 0.0;
    for (const qreal width : widest) {
        start = std::ceil(start + width) + gap;
        stops.append(start);
    }
    return stops;
}

QTextOption TabStopDelegate::textOption(const QList<qreal> &stops)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabArray(stops);
    return option;
}

QList<qreal> TabStopDelegate::columnStarts(
    const QFont &font, const QString &line, const QList<qreal> &stops)
{
    QTextLayout layout(line, font);
    layOut(layout, textOption(stops));
    QList<qreal> starts;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line.at(i - 1) == QLatin1Char('\t') && line.at(i) != QLatin1Char('\t'))
            starts.append(layout.lineAt(0).cursorToX(int(i)));
    }
    return starts;
}

void TabStopDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear(); // the style draws background, selection and focus; the text comes below

    const QWidget *widget = item.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const int margin = textMargin(item);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (item.state & QStyle::State_Active)                                ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role
        = (item.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, role));
    painter->setClipRect(textRect);
    painter->drawText(QRectF(textRect), text, textOption(m_stops));
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QTextLayout layout(item.text, item.font);
    layOut(layout, textOption(m_stops));
    size.setWidth(int(std::ceil(layout.lineAt(0).naturalTextWidth())) + 2 * textMargin(item));
    return size;
}
