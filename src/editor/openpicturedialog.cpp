// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/openpicturedialog.h"

#include "codec/pixelcodec.h"
#include "editor/conversionpanel.h"
#include "picture/albumimage.h"
#include "picture/pictureload.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// A picture is never blown up past this, however much room there is.
constexpr double MaxEnlargement = 2.0;
constexpr int ViewMargin = 4;
// The device view in the pane shows each album pixel as 2 x 2, in the larger window as 4 x 4.
constexpr int PaneDeviceScale = 2;
constexpr int WindowDeviceScale = 4;
constexpr int PaneWidth = PaneDeviceScale * AlbumImageSide + 2 * ViewMargin + 8;

QSize deviceViewSize(int scale)
{
    const int side = scale * AlbumImageSide + 2 * ViewMargin;
    return {side, side};
}

// `picture` scaled into `room`, aspect kept, centred.
QRect FittedRect(QSize picture, const QRect &room, double maxScale)
{
    if (picture.isEmpty() || room.isEmpty())
        return {};
    const double scale =
        std::min({double(room.width()) / picture.width(), double(room.height()) / picture.height(), maxScale});
    const QSize size(std::max(1, int(std::lround(picture.width() * scale))),
                     std::max(1, int(std::lround(picture.height() * scale))));
    return QRect(room.topLeft() + QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size);
}

} // namespace

QStringList PictureNameFilters()
{
    return {QStringLiteral("All (*.bmp *.png *.jpg *.jpeg *.gif *.ico)"),
            QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("PNG (*.png)"),
            QStringLiteral("JPEG (*.jpg *.jpeg)"),
            QStringLiteral("GIF (*.gif)"),
            QStringLiteral("Icons (*.ico)")};
}

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
{
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
    if (m_picture.isNull()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter, EmptyPreviewText);
        return;
    }
    const QRect target = pictureRect();
    // Smoothing helps a picture shrunk to fit; an enlarged one stays crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_pixelExact && target.width() < m_picture.width());
    painter.drawImage(target, m_picture);
}

PicturePreviewWindow::PicturePreviewWindow(const QImage &picture, const QImage &deviceImage, QWidget *parent)
    : QDialog(parent)
    , m_view(new PictureView(this))
    , m_deviceView(new PictureView(this))
{
    setWindowTitle(PreviewWindowTitle);
    m_view->setPicture(picture);
    m_deviceView->setPixelExact(true);
    m_deviceView->setPicture(deviceImage);
    m_deviceView->setMinimumSize(deviceViewSize(WindowDeviceScale));
    m_deviceView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *views = new QHBoxLayout;
    views->addWidget(m_view, 1);
    views->addWidget(m_deviceView, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(views, 1);
    layout->addWidget(buttons);

    // Big enough to be worth opening, but within the screen: a small picture
    // is enlarged up to twice its size, a large one shrunk to fit.
    const QScreen *screen = parent ? parent->screen() : nullptr;
    const QSize screenRoom = screen ? screen->availableSize() * 3 / 4 : QSize(800, 600);
    const QRect fitted = FittedRect(picture.size(), QRect(QPoint(0, 0), screenRoom), MaxEnlargement);
    const QSize viewSize = fitted.size().expandedTo(QSize(192, 192)) + QSize(2 * ViewMargin, 2 * ViewMargin);
    m_view->setMinimumSize(std::min(viewSize.width(), screenRoom.width()),
                           std::min(viewSize.height(), screenRoom.height()));
}

PicturePreviewPane::PicturePreviewPane(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(PreviewCaption, this))
    , m_view(new PictureView(this))
    , m_deviceView(new PictureView(this))
    , m_previewButton(new QPushButton(QStringLiteral("Preview"), this))
{
    m_deviceView->setPixelExact(true);
    m_deviceView->setFixedSize(deviceViewSize(PaneDeviceScale));
    setObjectName(QStringLiteral("picturePreviewPane"));
    m_previewButton->setObjectName(QStringLiteral("previewButton"));
    m_previewButton->setToolTip(QStringLiteral("Show the picture larger"));
    // Return in the file name field must still press Open.
    m_previewButton->setAutoDefault(false);
    m_previewButton->setEnabled(false);
    connect(m_previewButton, &QPushButton::clicked, this, &PicturePreviewPane::openPreviewWindow);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addWidget(m_view, 1);
    layout->addWidget(new QLabel(DeviceViewCaption, this));
    layout->addWidget(m_deviceView);
    layout->addWidget(m_previewButton, 0, Qt::AlignRight);
    setFixedWidth(PaneWidth);
}

void PicturePreviewPane::showFile(const QString &path)
{
    QImage picture;
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        const LoadedPicture loaded = LoadPicture(path);
        if (loaded.ok)
            picture = loaded.picture;
    }
    m_path = picture.isNull() ? QString() : path;
    m_view->setPicture(picture);
    showDeviceView();
    m_caption->setText(picture.isNull()
                           ? PreviewCaption
                           : PreviewCaption + QString::asprintf(" (%dx%d)", picture.width(), picture.height()));
    m_previewButton->setEnabled(!picture.isNull());
}

void PicturePreviewPane::setConversionOptions(const ConversionOptions &options)
{
    m_options = options;
    showDeviceView();
}

void PicturePreviewPane::showDeviceView()
{
    // Converted from the file exactly as the import will do it, so the
    // preview is the album image pixel for pixel.
    QImage shown;
    if (!m_path.isEmpty()) {
        const AlbumImageLoad loaded = LoadAlbumImage(m_path, m_options);
        if (loaded.ok)
            shown = DeviceView(loaded.albumImage);
    }
    m_deviceView->setPicture(shown);
}

PicturePreviewWindow *PicturePreviewPane::openPreviewWindow()
{
    if (m_view->picture().isNull())
        return nullptr;
    if (m_previewWindow)
        m_previewWindow->close();
    m_previewWindow = new PicturePreviewWindow(m_view->picture(), m_deviceView->picture(), this);
    m_previewWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_previewWindow->setModal(true);
    m_previewWindow->show();
    return m_previewWindow;
}

OpenPictureDialog::OpenPictureDialog(QWidget *parent)
    : QFileDialog(parent)
    , m_previewPane(nullptr)
    , m_conversionPanel(nullptr)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    // Several pictures may be chosen at once, with the mouse or as quoted
    // names typed into the name field.
    setFileMode(QFileDialog::ExistingFiles);
    setNameFilters(PictureNameFilters());
    selectNameFilter(PictureNameFilters().constFirst());

    // The widget dialog lays itself out on a grid: the folder row, then the
    // file list, then the name and type rows. The pane takes a new column
    // beside the list.
    m_previewPane = new PicturePreviewPane(this);
    m_conversionPanel = new ConversionPanel(this);
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        grid->addWidget(m_previewPane, 1, grid->columnCount(), 1, 1);
        grid->addWidget(m_conversionPanel, 1, grid->columnCount(), 1, 1);
    } else if (layout()) {
        layout()->addWidget(m_previewPane);
        layout()->addWidget(m_conversionPanel);
    }
    resize(sizeHint().expandedTo(QSize(860, 0)));

    connect(m_conversionPanel, &ConversionPanel::optionsChanged, m_previewPane,
            [this] { m_previewPane->setConversionOptions(m_conversionPanel->options()); });

    connect(this, &QFileDialog::currentChanged, m_previewPane, &PicturePreviewPane::showFile);
    // A new folder has nothing under the cursor yet.
    connect(this, &QFileDialog::directoryEntered, m_previewPane, [this] { m_previewPane->showFile(QString()); });
}

ConversionOptions OpenPictureDialog::conversionOptions() const
{
    return m_conversionPanel->options();
}
