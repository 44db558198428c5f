#include "thumbnaildelegate.h"

#include "album.h"

#include <QApplication>
#include <QPainter>

QString PositionLabel(int index)
{
    return QString::asprintf("%3.3d", index);
}

void ThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor brush = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    const QColor pen = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QRect rect = option.rect;

    painter->save();
    painter->fillRect(rect, brush);
    painter->drawImage(QPoint(rect.left() + 40, rect.top() + 2), index.data(Album::ImageRole).value<QImage>());

    painter->setFont(option.font);
    painter->setPen(pen);
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(brush);
    const QString label = PositionLabel(index.row());
    const QFontMetrics metrics(option.font);
    const QPoint labelTopLeft(rect.left() + 10, rect.top() + 42);
    painter->drawText(labelTopLeft + QPoint(0, metrics.ascent()), label);
    painter->restore();

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = rect;
        focus.backgroundColor = brush;
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width() > 0 ? option.rect.width() : 1, EntryHeight};
}
