// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/squareframe.h"

#include "editor/picturedialog/pictureview.h"
#include "editor/translationcontexts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Each wheel notch or key press makes the square this much smaller or larger.
constexpr double ZoomStep = 0.9;
// The smallest square, as a share of the shorter side: one pixel of a very
// large picture is still a square one can see and grab on the pane.
constexpr double SmallestShare = 0.01;
constexpr double ArrowStep = 0.05;

} // namespace

SquareFrame::SquareFrame(PictureView *view)
    : QWidget(view)
    , m_view(view)
{
    setObjectName(QStringLiteral("squareFrame"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::ClickFocus);
    setGeometry(view->rect());
    view->installEventFilter(this);
    hide();
}

void SquareFrame::setPictureSize(QSize size)
{
    m_pictureSize = size;
    update();
}

void SquareFrame::setSquare(const QRectF &square)
{
    m_square = square;
    update();
}

void SquareFrame::setMovable(bool movable)
{
    m_movable = movable;
    setCursor(movable ? Qt::SizeAllCursor : Qt::ArrowCursor);
    setToolTip(movable ? PictureDialog::tr("Drag or use the arrow keys to choose the square; the wheel, + and - "
                                           "change its size.")
                       : QString());
}

double SquareFrame::side() const
{
    if (m_pictureSize.isEmpty())
        return 1.0;
    const int shorter = std::min(m_pictureSize.width(), m_pictureSize.height());
    return m_square.width() * m_pictureSize.width() / shorter;
}

void SquareFrame::setSide(double share)
{
    if (m_pictureSize.isEmpty())
        return;
    share = std::clamp(share, SmallestShare, 1.0);
    const double pixels = share * std::min(m_pictureSize.width(), m_pictureSize.height());
    const QPointF centre = m_square.center();
    QRectF square(0, 0, pixels / m_pictureSize.width(), pixels / m_pictureSize.height());
    square.moveCenter(centre);
    m_square = square;
    moveCentreTo(centre);
    emit squareChanged(m_square);
}

QRectF SquareFrame::frameRect() const
{
    const QRect picture = m_view->pictureRect();
    return {picture.x() + m_square.x() * picture.width(), picture.y() + m_square.y() * picture.height(),
            m_square.width() * picture.width(), m_square.height() * picture.height()};
}

bool SquareFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Resize)
        setGeometry(m_view->rect());
    return false;
}

void SquareFrame::paintEvent(QPaintEvent *)
{
    const QRect picture = m_view->pictureRect();
    if (picture.isEmpty())
        return;
    QPainter painter(this);
    const QRectF frame = frameRect();
    // What is cut off is dimmed; the kept square is outlined in both a dark
    // and a light line, so it shows on any picture.
    QPainterPath outside;
    outside.addRect(QRectF(picture));
    outside.addRect(frame);
    painter.fillPath(outside, QColor(0, 0, 0, 110));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
}

void SquareFrame::mousePressEvent(QMouseEvent *event)
{
    const QRect picture = m_view->pictureRect();
    if (!m_movable || event->button() != Qt::LeftButton || picture.isEmpty())
        return QWidget::mousePressEvent(event);
    const QPointF at((event->position().x() - picture.x()) / picture.width(),
                     (event->position().y() - picture.y()) / picture.height());
    // Grabbed inside, the square moves with the pointer; clicked outside, it jumps there.
    m_grabOffset = frameRect().contains(event->position()) ? at - m_square.center() : QPointF();
    m_dragging = true;
    moveCentreTo(at - m_grabOffset);
    emit squareChanged(m_square);
}

void SquareFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QRect picture = m_view->pictureRect();
    if (!m_dragging || picture.isEmpty())
        return QWidget::mouseMoveEvent(event);
    const QPointF at((event->position().x() - picture.x()) / picture.width(),
                     (event->position().y() - picture.y()) / picture.height());
    moveCentreTo(at - m_grabOffset);
    emit squareChanged(m_square);
}

void SquareFrame::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void SquareFrame::wheelEvent(QWheelEvent *event)
{
    if (!m_movable || event->angleDelta().y() == 0)
        return QWidget::wheelEvent(event);
    setSide(side() * (event->angleDelta().y() > 0 ? ZoomStep : 1 / ZoomStep));
}

void SquareFrame::keyPressEvent(QKeyEvent *event)
{
    if (!m_movable)
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setSide(side() * ZoomStep);
        return;
    case Qt::Key_Minus:
        setSide(side() / ZoomStep);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // A twentieth of the square per press, so a small square moves finely.
        const double across = m_square.width() * ArrowStep;
        const double down = m_square.height() * ArrowStep;
        const QPointF step(event->key() == Qt::Key_Left    ? -across
                           : event->key() == Qt::Key_Right ? across
                                                           : 0,
                           event->key() == Qt::Key_Up     ? -down
                           : event->key() == Qt::Key_Down ? down
                                                          : 0);
        moveCentreTo(m_square.center() + step);
        emit squareChanged(m_square);
        return;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}

void SquareFrame::moveCentreTo(QPointF centre)
{
    QRectF square = m_square;
    square.moveCenter(centre);
    square.moveLeft(std::clamp(square.left(), 0.0, std::max(0.0, 1.0 - square.width())));
    square.moveTop(std::clamp(square.top(), 0.0, std::max(0.0, 1.0 - square.height())));
    m_square = square;
    update();
}
