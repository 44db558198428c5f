// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/previewwindow.h"

#include "editor/picturedialog/pictureview.h"
#include "editor/picturedialog/previewtexts.h"
#include "editor/picturedialog/squareframe.h"
#include "editor/picturedialog/viewgeometry.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

PicturePreviewWindow::PicturePreviewWindow(const QImage &picture, const QImage &deviceImage,
                                           const std::optional<QRectF> &square, QWidget *parent)
    : QDialog(parent)
    , m_view(new PictureView(this))
    , m_deviceView(new PictureView(this))
{
    setWindowTitle(PreviewWindowTitle());
    m_view->setPicture(picture);
    m_deviceView->setPixelExact(true);
    m_deviceView->setPicture(deviceImage);
    m_deviceView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (square) {
        m_frame = new SquareFrame(m_view);
        m_frame->setPictureSize(picture.size());
        m_frame->setSquare(*square);
        m_frame->show();
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *views = new QHBoxLayout;
    views->addWidget(m_view, 1);
    views->addWidget(m_deviceView, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(views, 1);
    layout->addWidget(buttons);

    // The whole window within the screen, down to 1024 x 768: the device
    // view four times enlarged where it takes at most half the width, else
    // by the largest whole factor that fits; the picture gets the rest.
    const QScreen *screen = parent ? parent->screen() : this->screen();
    const QSize room = (screen ? screen->availableSize() : QSize(1024, 768)) - WindowFrameAllowance;
    const QMargins margins = layout->contentsMargins();
    const QSize chrome(margins.left() + margins.right() + std::max(0, views->spacing()),
                       margins.top() + margins.bottom() + std::max(0, layout->spacing())
                           + buttons->sizeHint().height());
    int deviceScale = WindowDeviceScale;
    while (deviceScale > 1
           && (DeviceViewSize(deviceScale).width() > room.width() / 2
               || DeviceViewSize(deviceScale).height() > room.height() - chrome.height()))
        --deviceScale;
    m_deviceView->setFixedSize(DeviceViewSize(deviceScale));

    // Big enough to be worth opening, but within the screen: a small picture
    // is enlarged up to twice its size, a large one shrunk to fit.
    const QSize pictureRoom =
        (room - chrome - QSize(m_deviceView->width(), 0)).boundedTo(room * 3 / 4).expandedTo(QSize(96, 96));
    const QRect fitted = FittedRect(
        picture.size(), QRect(QPoint(0, 0), pictureRoom - QSize(2 * ViewMargin, 2 * ViewMargin)), MaxEnlargement);
    const QSize viewSize = fitted.size().expandedTo(QSize(192, 192)) + QSize(2 * ViewMargin, 2 * ViewMargin);
    m_view->setMinimumSize(viewSize.boundedTo(pictureRoom));
}
