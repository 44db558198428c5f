// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/thumbnaildelegate.h"

#include "codec/pixelcodec.h"
#include "editor/document/album.h"
#include "messages/albumtexts.h"

#include <QPaintEngine>
#include <QPainter>

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

} // namespace

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

    painter->setFont(option.font);
    painter->setPen(pen);
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(brush);
    const QFontMetrics metrics(option.font);
    painter->drawText(rect.topLeft() + LabelOffset + QPoint(0, metrics.ascent()), ImageLabel(index.row()));
    painter->restore();

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
