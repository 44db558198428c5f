// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/openpicturedialog.h"

#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/picturedialog/viewgeometry.h"
#include "editor/translationcontexts.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

QLineEdit *FileNameField(const QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// Quoted names, as the dialog writes several and the user may type them:
// `"a.png" "b.jpg"`. Empty when the field holds no quoted name.
QStringList QuotedNames(const QString &text)
{
    QStringList names;
    const QStringList parts = text.split(QLatin1Char('"'));
    for (qsizetype i = 1; i < parts.size() - 1; i += 2)
        if (!parts[i].isEmpty())
            names.append(parts[i]);
    return names;
}

} // namespace

QStringList PictureNameFilters()
{
    // The patterns are the same in every language; only the names are translated.
    const auto filter = [](const QString &name, const char *patterns) {
        return QStringLiteral("%1 (%2)").arg(name, QLatin1String(patterns));
    };
    return {filter(PictureDialog::tr("All", "picture files of every kind"),
                   "*.bmp *.png *.jpg *.jpeg *.gif *.ico *.webp *.tif *.tiff *.heic *.heif *.avif"),
            filter(PictureDialog::tr("Bitmaps"), "*.bmp"),
            filter(QStringLiteral("PNG"), "*.png"),
            filter(QStringLiteral("JPEG"), "*.jpg *.jpeg"),
            filter(QStringLiteral("GIF"), "*.gif"),
            filter(PictureDialog::tr("Icons"), "*.ico"),
            filter(QStringLiteral("WebP"), "*.webp"),
            filter(QStringLiteral("TIFF"), "*.tif *.tiff"),
            filter(QStringLiteral("HEIC/HEIF"), "*.heic *.heif"),
            filter(QStringLiteral("AVIF"), "*.avif")};
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
    connect(m_previewPane, &PicturePreviewPane::previewShown, this, [this] {
        if (std::exchange(m_acceptWhenShown, false))
            accept();
    });
    connect(this, &QFileDialog::currentChanged, this, [this](const QString &path) {
        m_highlighted = path;
        m_acceptWhenShown = false;
        showChosenPicture();
    });
    // A new folder has nothing under the cursor yet.
    connect(this, &QFileDialog::directoryEntered, this, [this] {
        m_highlighted.clear();
        queuePreview();
    });
    if (auto *field = FileNameField(this))
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

QStringList OpenPictureDialog::chosenFiles() const
{
    // The dialog's own answer leaves out typed names its filter hides as
    // soon as it has selected any of the others.
    const QLineEdit *field = FileNameField(this);
    const QStringList typed = field ? QuotedNames(field->text()) : QStringList();
    if (typed.isEmpty())
        return selectedFiles();
    QStringList files;
    const QDir folder = directory();
    for (const QString &name : typed)
        files.append(QDir::cleanPath(folder.absoluteFilePath(name)));
    return files;
}

void OpenPictureDialog::done(int result)
{
    m_accepted = result == Accepted ? chosenFiles() : QStringList();
    // Taken before the dialog hides, while the pane still shows what Open adds.
    m_acceptedDecode = m_accepted.isEmpty() ? std::nullopt : m_previewPane->keptDecode(conversionOptions());
    if (m_acceptedDecode && !m_accepted.contains(m_acceptedDecode->path))
        m_acceptedDecode.reset();
    QFileDialog::done(result);
    if (m_accepted.isEmpty())
        return;
    // The field first: emptied, it has the dialog select what it names.
    if (QLineEdit *field = FileNameField(this))
        field->clear();
    setDirectory(QFileInfo(m_accepted.constFirst()).absolutePath());
    for (QAbstractItemView *view : findChildren<QAbstractItemView *>())
        if (view->selectionModel())
            view->clearSelection();
    m_highlighted.clear();
}

void OpenPictureDialog::accept()
{
    const QStringList chosen = chosenFiles();
    // A name typed and accepted at once may not be on show yet.
    if (chosen.size() == 1 && chosen.constFirst() != m_previewPane->path())
        showChosenPicture();
    if (chosen.size() == 1 && !m_previewPane->path().isEmpty() && chosen.constFirst() == m_previewPane->path()) {
        if (m_previewPane->isLoading()) {
            m_acceptWhenShown = true;
            return;
        }
        if (m_previewPane->refused())
            return;
    }
    QFileDialog::accept();
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
    // What Open would add.
    const QStringList chosen = chosenFiles();
    QString shown = m_highlighted;
    if (!chosen.isEmpty() && !chosen.contains(m_highlighted))
        shown = chosen.constFirst();
    m_previewPane->showFile(shown, std::max<int>(1, int(chosen.size())));
}

ConversionOptions OpenPictureDialog::conversionOptions() const
{
    return m_previewPane->withSquareChoice(m_conversionPanel->options());
}
