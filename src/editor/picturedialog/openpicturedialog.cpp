// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/openpicturedialog.h"

#include "codec/pixelcodec.h"
#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/squareframe.h"
#include "picture/albumimage.h"
#include "picture/pictureload.h"
#include "picture/squareplacement.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

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
// What a window manager's title bar and borders take, roughly, beyond the window itself.
const QSize WindowFrameAllowance(16, 48);

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
    , m_emptyText(EmptyPreviewText)
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

void PictureView::setEmptyText(const QString &text)
{
    m_emptyText = text;
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
        painter.drawText(rect().adjusted(ViewMargin, ViewMargin, -ViewMargin, -ViewMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
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
    m_deviceView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

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
           && (deviceViewSize(deviceScale).width() > room.width() / 2
               || deviceViewSize(deviceScale).height() > room.height() - chrome.height()))
        --deviceScale;
    m_deviceView->setFixedSize(deviceViewSize(deviceScale));

    // Big enough to be worth opening, but within the screen: a small picture
    // is enlarged up to twice its size, a large one shrunk to fit.
    const QSize pictureRoom =
        (room - chrome - QSize(m_deviceView->width(), 0)).boundedTo(room * 3 / 4).expandedTo(QSize(96, 96));
    const QRect fitted = FittedRect(
        picture.size(), QRect(QPoint(0, 0), pictureRoom - QSize(2 * ViewMargin, 2 * ViewMargin)), MaxEnlargement);
    const QSize viewSize = fitted.size().expandedTo(QSize(192, 192)) + QSize(2 * ViewMargin, 2 * ViewMargin);
    m_view->setMinimumSize(viewSize.boundedTo(pictureRoom));
}

PicturePreviewPane::PicturePreviewPane(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(PreviewCaption, this))
    , m_view(new PictureView(this))
    , m_deviceView(new PictureView(this))
    , m_previewButton(new QPushButton(QStringLiteral("Preview"), this))
    , m_frame(new SquareFrame(m_view))
    , m_squareSize(new QSlider(Qt::Horizontal, this))
    , m_turnLeft(new QToolButton(this))
    , m_turnRight(new QToolButton(this))
    , m_decoder(DecodePreview)
    , m_watcher(new QFutureWatcher<PreviewOutcome>(this))
{
    m_deviceView->setPixelExact(true);
    m_deviceView->setFixedSize(deviceViewSize(PaneDeviceScale));
    m_caption->setWordWrap(true);
    setObjectName(QStringLiteral("picturePreviewPane"));
    m_previewButton->setObjectName(QStringLiteral("previewButton"));
    m_previewButton->setToolTip(QStringLiteral("Show the picture larger"));
    // Return in the file name field must still press Open.
    m_previewButton->setAutoDefault(false);
    m_previewButton->setEnabled(false);
    connect(m_previewButton, &QPushButton::clicked, this, &PicturePreviewPane::openPreviewWindow);
    connect(m_watcher, &QFutureWatcher<PreviewOutcome>::finished, this, &PicturePreviewPane::takeOutcome);

    m_turnLeft->setText(QStringLiteral("⟲"));
    m_turnLeft->setToolTip(QStringLiteral("Turn the picture left"));
    m_turnLeft->setAccessibleName(m_turnLeft->toolTip());
    m_turnRight->setText(QStringLiteral("⟳"));
    m_turnRight->setToolTip(QStringLiteral("Turn the picture right"));
    m_turnRight->setAccessibleName(m_turnRight->toolTip());
    m_squareSize->setRange(1, 100);
    m_squareSize->setValue(100);
    m_squareSize->setToolTip(QStringLiteral("The size of the square kept"));
    m_squareSize->hide();
    for (QWidget *control : std::initializer_list<QWidget *>{m_turnLeft, m_turnRight, m_squareSize})
        control->setEnabled(false);
    connect(m_turnLeft, &QToolButton::clicked, this, [this] { turn(-1); });
    connect(m_turnRight, &QToolButton::clicked, this, [this] { turn(1); });
    connect(m_squareSize, &QSlider::valueChanged, this, [this](int percent) {
        if (std::lround(m_frame->side() * 100) != percent)
            m_frame->setSide(percent / 100.0);
    });
    connect(m_frame, &SquareFrame::squareChanged, this, [this](const QRectF &square) {
        m_square = square;
        const QSignalBlocker quiet(m_squareSize);
        m_squareSize->setValue(int(std::lround(m_frame->side() * 100)));
        request(false);
    });

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_turnLeft);
    controls->addWidget(m_turnRight);
    controls->addWidget(m_squareSize, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addWidget(m_view, 1);
    layout->addLayout(controls);
    layout->addWidget(new QLabel(DeviceViewCaption, this));
    layout->addWidget(m_deviceView);
    layout->addWidget(m_previewButton, 0, Qt::AlignRight);
    setFixedWidth(PaneWidth);
}

// A decode still running finishes on its pool thread; its result goes nowhere.
PicturePreviewPane::~PicturePreviewPane() = default;

void PicturePreviewPane::showFile(const QString &path, int chosenCount)
{
    const QString file = !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
    if (file == m_path && !file.isEmpty()) {
        m_chosenCount = chosenCount;
        updateCaption();
        return;
    }
    m_path = file;
    m_chosenCount = chosenCount;
    m_fullPicture = {};
    m_pictureSize = {};
    m_screenPicture = {};
    // A square chosen on one picture means nothing on the next; the turn
    // holds, as a batch of sideways photos needs the same one.
    m_square.reset();
    m_view->setPicture({});
    updateFrame();
    m_deviceView->setPicture({});
    m_previewButton->setEnabled(false);
    if (m_path.isEmpty()) {
        showNothing();
        return;
    }
    request(true);
}

void PicturePreviewPane::setConversionOptions(const ConversionOptions &options)
{
    if (options == m_options)
        return;
    m_options = options;
    updateFrame();
    if (!m_path.isEmpty())
        request(m_view->picture().isNull());
}

ConversionOptions PicturePreviewPane::withSquareChoice(ConversionOptions options) const
{
    options.quarterTurns = m_turns;
    if (options.fit == PictureFit::Crop && m_square)
        options.cropSquare = m_square;
    return options;
}

void PicturePreviewPane::turn(int quarterTurns)
{
    if (m_screenPicture.isNull())
        return;
    m_turns = ((m_turns + quarterTurns) % 4 + 4) % 4;
    // The chosen square turns with the picture.
    if (m_square) {
        const QRectF square = *m_square;
        m_square = quarterTurns > 0 ? QRectF(1 - square.bottom(), square.left(), square.height(), square.width())
                                    : QRectF(square.top(), 1 - square.right(), square.height(), square.width());
    }
    showTurnedPicture();
    updateCaption();
    request(false);
}

QSize PicturePreviewPane::turnedSize() const
{
    return m_turns % 2 ? m_pictureSize.transposed() : m_pictureSize;
}

void PicturePreviewPane::showTurnedPicture()
{
    m_view->setPicture(TurnedPicture(m_screenPicture, m_turns));
    updateFrame();
}

void PicturePreviewPane::updateFrame()
{
    const bool shown = !m_view->picture().isNull();
    const bool crop = m_options.fit == PictureFit::Crop;
    m_turnLeft->setEnabled(shown);
    m_turnRight->setEnabled(shown);
    m_squareSize->setVisible(crop);
    m_squareSize->setEnabled(shown && crop);
    m_frame->setVisible(shown && m_options.fit != PictureFit::Stretch);
    if (!shown)
        return;
    const QSize size = turnedSize();
    m_frame->setPictureSize(size);
    m_frame->setMovable(crop);
    QRectF square(0, 0, 1, 1);
    if (crop && m_square) {
        square = *m_square;
    } else if (crop && !size.isEmpty()) {
        const QRectF kept = PlacementSource(size, withSquareChoice(m_options));
        square = QRectF(kept.x() / size.width(), kept.y() / size.height(), kept.width() / size.width(),
                        kept.height() / size.height());
    }
    m_frame->setSquare(square);
    const QSignalBlocker quiet(m_squareSize);
    m_squareSize->setValue(int(std::lround(m_frame->side() * 100)));
}

void PicturePreviewPane::hideEvent(QHideEvent *event)
{
    // The whole picture can take hundreds of megabytes; the dialog lives as
    // long as the window, so it is decoded again when needed.
    m_fullPicture = {};
    QWidget::hideEvent(event);
}

void PicturePreviewPane::request(bool withPicture)
{
    PreviewJob job;
    job.generation = ++m_generation;
    job.path = m_path;
    job.options = withSquareChoice(m_options);
    job.withPicture = withPicture;
    job.fullPicture = m_fullPicture;
    // One decode at a time: a request made meanwhile waits, and a newer one replaces it.
    m_pending = std::move(job);
    setLoading(true);
    // The caption says so only while the picture itself comes: a frame being
    // dragged keeps its caption still.
    if (withPicture)
        m_caption->setText(LoadingCaption);
    if (!m_watcher->isRunning())
        launchPending();
}

void PicturePreviewPane::launchPending()
{
    PreviewJob job = *std::exchange(m_pending, std::nullopt);
    m_watcher->setFuture(QtConcurrent::run([decoder = m_decoder, job] { return decoder(job); }));
}

void PicturePreviewPane::takeOutcome()
{
    if (m_pending) {
        launchPending();
        return;
    }
    const PreviewOutcome outcome = m_watcher->result();
    if (outcome.generation != m_generation)
        return;
    setLoading(false);
    if (!outcome.ok) {
        m_fullPicture = {};
        m_screenPicture = {};
        m_view->setPicture({});
        updateFrame();
        m_deviceView->setPicture({});
        showNothing(outcome.problem);
        emit previewShown();
        return;
    }
    if (!outcome.fullPicture.isNull())
        m_fullPicture = outcome.fullPicture;
    if (!outcome.picture.isNull()) {
        m_screenPicture = outcome.picture;
        m_pictureSize = outcome.pictureSize;
        showTurnedPicture();
    }
    m_view->setEmptyText(EmptyPreviewText);
    m_deviceView->setPicture(m_view->picture().isNull() ? QImage() : outcome.deviceImage);
    m_previewButton->setEnabled(!m_view->picture().isNull());
    updateCaption();
    emit previewShown();
}

void PicturePreviewPane::showNothing(const QString &reason)
{
    m_view->setEmptyText(reason.isEmpty() ? EmptyPreviewText : reason);
    m_previewButton->setEnabled(false);
    m_caption->setText(PreviewCaption);
    m_caption->setToolTip(reason);
    if (m_path.isEmpty()) {
        // Whatever still runs belongs to a file no longer chosen.
        ++m_generation;
        m_pending.reset();
        setLoading(false);
    }
}

void PicturePreviewPane::setLoading(bool loading)
{
    m_loading = loading;
    if (loading)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void PicturePreviewPane::updateCaption()
{
    if (m_loading)
        return;
    QString text = PreviewCaption;
    if (!m_view->picture().isNull())
        text += QString::asprintf(" (%dx%d)", turnedSize().width(), turnedSize().height());
    if (m_chosenCount > 1)
        text += QLatin1Char('\n') + ChosenCountText.arg(m_chosenCount);
    m_caption->setText(text);
    m_caption->setToolTip({});
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

    // The pane shows what Open would add: whatever changes that, the
    // highlighted file, the selection or the typed names, shows it anew.
    connect(this, &QFileDialog::currentChanged, this, [this](const QString &path) {
        m_highlighted = path;
        showChosenPicture();
    });
    // A new folder has nothing under the cursor yet.
    connect(this, &QFileDialog::directoryEntered, this, [this] {
        m_highlighted.clear();
        queuePreview();
    });
    if (auto *field = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        connect(field, &QLineEdit::textChanged, this, &OpenPictureDialog::queuePreview);
    if (auto *list = findChild<QListView *>(QStringLiteral("listView")); list && list->selectionModel())
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &OpenPictureDialog::queuePreview);
}

void OpenPictureDialog::setVisible(bool visible)
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (visible && screen) {
        const QSize room = screen->availableSize() - WindowFrameAllowance;
        if (width() > room.width() || height() > room.height())
            resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
    }
    QFileDialog::setVisible(visible);
}

void OpenPictureDialog::showEvent(QShowEvent *event)
{
    QFileDialog::showEvent(event);
    // The name field may still hold the last choice: that is what Open adds.
    queuePreview();
}

void OpenPictureDialog::queuePreview()
{
    // After the dialog's own handling of the same change, which moves the
    // selection to match typed names; once for a burst of changes.
    if (m_previewQueued)
        return;
    m_previewQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_previewQueued = false;
            // The field is refilled as the dialog closes; the next show looks again.
            if (isVisible())
                showChosenPicture();
        },
        Qt::QueuedConnection);
}

void OpenPictureDialog::showChosenPicture()
{
    // What accept() reads: the selected rows, else the names typed in the field.
    const QStringList chosen = selectedFiles();
    QString shown = m_highlighted;
    if (!chosen.isEmpty() && !chosen.contains(m_highlighted))
        shown = chosen.constFirst();
    m_previewPane->showFile(shown, std::max<int>(1, int(chosen.size())));
}

ConversionOptions OpenPictureDialog::conversionOptions() const
{
    return m_previewPane->withSquareChoice(m_conversionPanel->options());
}
