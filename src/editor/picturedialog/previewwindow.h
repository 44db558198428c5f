// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QImage>
#include <QRectF>

#include <optional>

class PictureView;
class SquareFrame;

// The larger window the preview button opens: the picture as big as the
// screen allows, and beside it what the device will show, four times enlarged.
class PicturePreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // With a `square` (in the picture's own 0 .. 1 coordinates) the picture
    // shows the frame of what the album keeps, as the pane does.
    PicturePreviewWindow(const QImage &picture, const QImage &deviceImage, const std::optional<QRectF> &square = {},
                         QWidget *parent = nullptr);

    PictureView *view() const { return m_view; }
    PictureView *deviceView() const { return m_deviceView; }
    // Null when no square was given.
    SquareFrame *squareFrame() const { return m_frame; }

private:
    PictureView *m_view;
    PictureView *m_deviceView;
    SquareFrame *m_frame = nullptr;
};
