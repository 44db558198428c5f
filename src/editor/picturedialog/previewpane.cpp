// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/previewpane.h"

#include "editor/picturedialog/pictureview.h"
#include "editor/picturedialog/previewtexts.h"
#include "editor/picturedialog/previewwindow.h"
#include "editor/picturedialog/squareframe.h"
#include "editor/picturedialog/viewgeometry.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QThread>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

// Decodes run here rather than on the shared pool: a newer picture must not
// wait behind a large one still decoding, so there are a few more threads
// than cores, and none of the editor's other work waits behind them.
QThreadPool *PreviewThreads()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(std::max(4, QThread::idealThreadCount() + 2));
    return &pool;
}

} // namespace

PicturePreviewPane::PicturePreviewPane(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(PreviewCaption(), this))
    , m_view(new PictureView(this))
    , m_deviceView(new PictureView(this))
    , m_previewButton(new QPushButton(PictureDialog::tr("Preview", "the button that shows the picture larger"), this))
    , m_frame(new SquareFrame(m_view))
    , m_squareSize(new QSlider(Qt::Horizontal, this))
    , m_squareSizeLabel(new QLabel(SquareSizeCaption(), this))
    , m_turnLeft(new QToolButton(this))
    , m_turnRight(new QToolButton(this))
    , m_decoder(DecodePreview)
{
    m_deviceView->setPixelExact(true);
    m_deviceView->setFixedSize(DeviceViewSize(PaneDeviceScale));
    m_caption->setWordWrap(true);
    setObjectName(QStringLiteral("picturePreviewPane"));
    m_previewButton->setObjectName(QStringLiteral("previewButton"));
    m_previewButton->setToolTip(PictureDialog::tr("Show the picture larger"));
    // Return in the file name field must still press Open.
    m_previewButton->setAutoDefault(false);
    m_previewButton->setEnabled(false);
    connect(m_previewButton, &QPushButton::clicked, this, &PicturePreviewPane::openPreviewWindow);

    m_turnLeft->setText(QStringLiteral("⟲"));
    m_turnLeft->setToolTip(PictureDialog::tr("Turn the picture left"));
    m_turnLeft->setAccessibleName(m_turnLeft->toolTip());
    m_turnRight->setText(QStringLiteral("⟳"));
    m_turnRight->setToolTip(PictureDialog::tr("Turn the picture right"));
    m_turnRight->setAccessibleName(m_turnRight->toolTip());
    m_squareSize->setRange(1, 100);
    m_squareSize->setValue(100);
    m_squareSize->setToolTip(PictureDialog::tr("The size of the square kept"));
    m_squareSizeLabel->setBuddy(m_squareSize);
    // Shown only with crop, but their room is kept, as is a second caption
    // line for the count of chosen files: the dialog's layout holds still.
    for (QWidget *control : std::initializer_list<QWidget *>{m_squareSizeLabel, m_squareSize}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
        control->hide();
    }
    m_caption->setMinimumHeight(2 * m_caption->fontMetrics().lineSpacing());
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    controls->addWidget(m_squareSizeLabel);
    controls->addWidget(m_squareSize, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addWidget(m_view, 1);
    layout->addLayout(controls);
    layout->addWidget(new QLabel(DeviceViewCaption(), this));
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
    m_kept = {};
    m_pictureSize = {};
    m_screenPicture = {};
    // A square chosen on one picture means nothing on the next, nor does a
    // turn; with several files chosen at once the one turn is for them all.
    m_square.reset();
    if (chosenCount <= 1)
        m_turns = 0;
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
        options.cropSquare = CropSquareOf(*m_square);
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
    m_view->setPicture(TurnedImage(m_screenPicture, m_turns));
    updateFrame();
}

void PicturePreviewPane::updateFrame()
{
    const bool shown = !m_view->picture().isNull();
    const bool crop = m_options.fit == PictureFit::Crop;
    m_turnLeft->setEnabled(shown);
    m_turnRight->setEnabled(shown);
    m_squareSize->setVisible(crop);
    m_squareSizeLabel->setVisible(crop);
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
        const QRectF kept = PlacementSourceOf(size, withSquareChoice(m_options));
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
    job.fullStamp = m_fullStamp;
    job.fullReducible = m_fullReducible;
    m_pending = std::move(job);
    setLoading(true);
    // The caption says so only while the picture itself comes: a frame being
    // dragged keeps its caption still.
    if (withPicture)
        m_caption->setText(LoadingCaption());
    // Another conversion of the picture on show waits for the one running,
    // only the newest of them; another picture starts at once, and whatever
    // still decodes for the last one is dropped when it ends.
    if (m_running && !withPicture && m_runningPath == m_path)
        return;
    launchPending();
}

void PicturePreviewPane::launchPending()
{
    PreviewJob job = *std::exchange(m_pending, std::nullopt);
    m_runningPath = job.path;
    auto *watcher = new QFutureWatcher<PreviewOutcome>(this);
    m_running = watcher;
    connect(watcher, &QFutureWatcher<PreviewOutcome>::finished, this, [this, watcher] {
        const PreviewOutcome outcome = watcher->result();
        watcher->deleteLater();
        if (watcher == m_running) {
            m_running = nullptr;
            if (m_pending) {
                launchPending();
                return;
            }
        }
        takeOutcome(outcome);
    });
    watcher->setFuture(QtConcurrent::run(PreviewThreads(), [decoder = m_decoder, job] { return decoder(job); }));
}

std::optional<KeptDecode> PicturePreviewPane::keptDecode(const ConversionOptions &options) const
{
    if (m_loading || m_kept.albumImage.isNull() || m_kept.path != m_path || m_kept.options != options)
        return std::nullopt;
    return m_kept;
}

bool PicturePreviewPane::refused() const
{
    return !m_loading && !m_path.isEmpty() && m_view->picture().isNull();
}

void PicturePreviewPane::takeOutcome(const PreviewOutcome &outcome)
{
    if (outcome.generation != m_generation)
        return;
    setLoading(false);
    if (!outcome.ok) {
        m_fullPicture = {};
        m_kept = {};
        m_screenPicture = {};
        m_view->setPicture({});
        updateFrame();
        m_deviceView->setPicture({});
        showNothing(outcome.problem);
        emit previewShown();
        return;
    }
    if (!outcome.fullPicture.isNull()) {
        m_fullPicture = outcome.fullPicture;
        m_fullStamp = outcome.fullStamp;
        m_fullReducible = outcome.fullReducible;
    }
    m_kept = {m_path, outcome.stamp, outcome.options, outcome.albumImage};
    if (!outcome.picture.isNull()) {
        m_screenPicture = outcome.picture;
        m_pictureSize = outcome.pictureSize;
        showTurnedPicture();
    }
    m_view->setEmptyText(EmptyPreviewText());
    m_deviceView->setPicture(m_view->picture().isNull() ? QImage() : outcome.deviceImage);
    m_previewButton->setEnabled(!m_view->picture().isNull());
    updateCaption();
    emit previewShown();
}

void PicturePreviewPane::showNothing(const QString &reason)
{
    m_view->setEmptyText(reason.isEmpty() ? EmptyPreviewText() : reason);
    m_previewButton->setEnabled(false);
    m_caption->setText(PreviewCaption());
    m_caption->setToolTip(reason);
    if (m_path.isEmpty()) {
        // Whatever still runs belongs to a file no longer chosen.
        ++m_generation;
        m_pending.reset();
        m_running = nullptr;
        setLoading(false);
    }
}

void PicturePreviewPane::setLoading(bool loading)
{
    m_loading = loading;
    // A pane still empty shows that its picture is on the way.
    m_view->setBusy(loading && m_view->picture().isNull());
    m_deviceView->setBusy(loading && m_deviceView->picture().isNull());
    if (loading)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void PicturePreviewPane::updateCaption()
{
    if (m_loading)
        return;
    QString text = PreviewCaption();
    if (!m_view->picture().isNull())
        text += QString::asprintf(" (%dx%d)", turnedSize().width(), turnedSize().height());
    if (m_chosenCount > 1)
        text += QLatin1Char('\n') + ChosenCountText(m_chosenCount);
    m_caption->setText(text);
    m_caption->setToolTip({});
}

PicturePreviewWindow *PicturePreviewPane::openPreviewWindow()
{
    if (m_view->picture().isNull())
        return nullptr;
    if (m_previewWindow)
        m_previewWindow->close();
    // The frame as the pane shows it: what the album keeps of the picture.
    const std::optional<QRectF> square = m_frame->isVisible() ? std::optional<QRectF>(m_frame->square()) : std::nullopt;
    m_previewWindow = new PicturePreviewWindow(m_view->picture(), m_deviceView->picture(), square, this);
    m_previewWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_previewWindow->setModal(true);
    m_previewWindow->show();
    return m_previewWindow;
}
