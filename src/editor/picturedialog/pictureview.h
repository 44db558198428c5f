// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QTimer;

// Draws one picture scaled to fit, aspect kept and never more than twice its
// own size, or "(None)" (or the reason there is none) when there is no picture. A pixel-exact view instead
// enlarges by the largest whole factor that fits, every pixel a crisp block.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setPixelExact(bool exact);
    // What shows instead of a picture; "(None)" unless set.
    void setEmptyText(const QString &text);
    // While there is no picture: a turning busy sign and "Loading…" in
    // place of the empty text.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    const QString &emptyText() const { return m_emptyText; }

    // Where the picture is drawn; empty when there is none.
    QRect pictureRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_pixelExact = false;
    QString m_emptyText;
    bool m_busy = false;
    int m_busyStep = 0;
    QTimer *m_busyTimer;
};
