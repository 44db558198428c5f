// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/pictureview.h"

#include "editor/picturedialog/previewtexts.h"
#include "editor/picturedialog/viewgeometry.h"

#include <QPainter>

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int BusyDots = 8;

// A ring of dots, the brightest one stepping round, over "Loading…".
void drawBusySign(QPainter &painter, const QRect &room, int step, const QColor &ink)
{
    const int radius = std::min(16, std::min(room.width(), room.height()) / 6);
    const QPointF centre(room.center().x() + 0.5, room.center().y() - radius / 2.0);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    for (int dot = 0; dot < BusyDots; ++dot) {
        const double angle = 2 * std::numbers::pi * dot / BusyDots;
        QColor colour = ink;
        colour.setAlphaF(0.25f + 0.75f * float((dot - step + BusyDots) % BusyDots == 0));
        painter.setBrush(colour);
        painter.drawEllipse(centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle)), radius / 4.0,
                            radius / 4.0);
    }
    painter.setPen(ink);
    painter.drawText(QRect(room.left(), int(centre.y()) + radius + 4, room.width(), painter.fontMetrics().height()),
                     Qt::AlignHCenter | Qt::AlignTop, LoadingCaption());
}

} // namespace

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
    , m_emptyText(EmptyPreviewText())
    , m_busyTimer(new QTimer(this))
{
    m_busyTimer->setInterval(100);
    connect(m_busyTimer, &QTimer::timeout, this, [this] {
        m_busyStep = (m_busyStep + 1) % BusyDots;
        update();
    });
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(96, 96);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureView::setEmptyText(const QString &text)
{
    m_emptyText = text;
    update();
}

void PictureView::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        m_busyTimer->start();
    else
        m_busyTimer->stop();
    update();
}

void PictureView::setPixelExact(bool exact)
{
    m_pixelExact = exact;
    update();
}

QRect PictureView::pictureRect() const
{
    const QRect room = rect().adjusted(ViewMargin, ViewMargin, -ViewMargin, -ViewMargin);
    if (m_picture.isNull())
        return {};
    if (!m_pixelExact)
        return FittedRect(m_picture.size(), room, MaxEnlargement);
    const int scale = std::max(1, std::min(room.width() / m_picture.width(), room.height() / m_picture.height()));
    return FittedRect(m_picture.size() * scale, room, 1.0);
}

QSize PictureView::sizeHint() const
{
    return {PaneWidth, PaneWidth};
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_picture.isNull() && m_busy) {
        drawBusySign(painter, rect(), m_busyStep, palette().color(QPalette::Text));
        return;
    }
    if (m_picture.isNull()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect().adjusted(ViewMargin, ViewMargin, -ViewMargin, -ViewMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
        return;
    }
    const QRect target = pictureRect();
    // Smoothing helps a picture shrunk to fit; an enlarged one stays crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_pixelExact && target.width() < m_picture.width());
    painter.drawImage(target, m_picture);
}
