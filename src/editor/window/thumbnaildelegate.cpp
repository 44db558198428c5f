// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/thumbnaildelegate.h"

#include "editor/document/album.h"
#include "editor/document/capacitymeter.h"
#include "editor/translationcontexts.h"
#include "messages/albumtexts.h"
#include "qtimage/albumbitmap.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>

namespace {

// A dotted frame one pixel wide that inverts what it crosses, so it shows on
// any brush and leaves the picture itself untouched. Styles draw focus their
// own way (some tint the whole entry, some only after keyboard use); an album
// entry should look the same everywhere.
void drawFocusFrame(QPainter *painter, const QRect &rect, const QColor &fallback)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const bool canInvert = painter->paintEngine() && painter->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    QPen pen(canInvert ? QColor(Qt::white) : fallback, 0);
    pen.setDashPattern({1.0, 1.0});
    if (canInvert)
        painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

// A warning triangle with an exclamation mark, in `rect`.
void drawWarningMark(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor::fromRgb(ThumbnailDelegate::MarkColour));
    painter->drawPolygon(QPolygon({QPoint(rect.center().x(), rect.top()), rect.bottomRight(), rect.bottomLeft()}));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::white);
    const int x = rect.center().x();
    painter->drawRect(x, rect.top() + 4, 1, rect.height() - 8);
    painter->drawRect(x, rect.bottom() - 2, 1, 1);
    painter->restore();
}

} // namespace

ThumbnailDelegate::ThumbnailDelegate(const CapacityMeter &meter, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_meter(meter)
{
}

void ThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor brush = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    const QColor pen = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QRect rect = option.rect;

    painter->save();
    painter->fillRect(rect, brush);
    // Whatever the display's scale, each album pixel is repeated, never
    // blended with its neighbours: smoothing would show greys the device has not.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(QRect(rect.topLeft() + ImageOffset, QSize(AlbumImageSide, AlbumImageSide)),
                       index.data(Album::ImageRole).value<QImage>());
    const bool leftOut = m_meter.leavesOut(index.row());
    if (leftOut) {
        // Dimmed towards the list's own fill, so it reads as not there.
        QColor veil = brush;
        veil.setAlpha(170);
        painter->fillRect(QRect(rect.topLeft() + ImageOffset, QSize(AlbumImageSide, AlbumImageSide)), veil);
    }

    painter->setFont(option.font);
    painter->setPen(pen);
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(brush);
    const QFontMetrics metrics(option.font);
    painter->drawText(rect.topLeft() + LabelOffset + QPoint(0, metrics.ascent()), ImageLabel(index.row()));
    painter->restore();
    if (leftOut)
        drawWarningMark(painter, MarkRect.translated(rect.topLeft()));

    if (option.state.testFlag(QStyle::State_HasFocus))
        drawFocusFrame(painter, rect, pen);
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    // Just what the picture needs: the list stretches every entry to the width
    // of its viewport. Asking for more, say the width the list had before its
    // scroll bar appeared, would leave entries wider than what shows of them.
    const int marginRightOfImage = ImageOffset.y();
    return {ImageOffset.x() + AlbumImageSide + marginRightOfImage, EntryHeight};
}

bool ThumbnailDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                  const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QString reason = m_meter.leftOutReason(index.row());
    if (reason.isEmpty())
        reason = m_meter.renderingNote(index.row());
    if (reason.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), MainWindow::tr("Image %1 %2.").arg(ImageLabel(index.row()), reason),
                           view->viewport(), option.rect);
    return true;
}
