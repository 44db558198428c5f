// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSize>
#include <QWidget>

class PictureView;

// The frame over the picture pane that shows which square of the picture
// the album keeps. With crop the user drags it to move it and zooms it with
// the wheel or the + and - keys, or moves it with the arrow keys; the square is in the picture's own
// coordinates, 0 .. 1 across its width and height.
class SquareFrame : public QWidget
{
    Q_OBJECT

public:
    explicit SquareFrame(PictureView *view);

    // The shown picture's own size, in its pixels; the frame is a square of them.
    void setPictureSize(QSize size);
    void setSquare(const QRectF &square);
    const QRectF &square() const { return m_square; }
    // Whether the user may move and zoom it (crop) or it only shows (pad).
    void setMovable(bool movable);

    // The side as a share of the picture's shorter side, 0 .. 1; the centre stays.
    double side() const;
    void setSide(double share);

    // The frame in this widget's coordinates.
    QRectF frameRect() const;

signals:
    // The user moved or zoomed the square.
    void squareChanged(const QRectF &square);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Moves the square's centre to `centre` (normalised), kept inside the picture.
    void moveCentreTo(QPointF centre);

    PictureView *m_view;
    QSize m_pictureSize;
    QRectF m_square{0, 0, 1, 1};
    bool m_movable = false;
    bool m_dragging = false;
    QPointF m_grabOffset; // from the square's centre to the pointer, normalised
};
