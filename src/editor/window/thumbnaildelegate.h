// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

// Paints one album entry: the fill, the 92 x 92 image unscaled at (40, 2), the
// entry's position as a zero-padded label at (10, 42) on an opaque background,
// and the focus frame.
class ThumbnailDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int EntryHeight = 96;
    static constexpr QPoint ImageOffset{40, 2};
    static constexpr QPoint LabelOffset{10, 42};

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
