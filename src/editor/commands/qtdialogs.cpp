// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/commands/qtdialogs.h"

#include "album/albumformat.h"
#include "editor/commands/windowtitle.h"
#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/translationcontexts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>

#include <memory>

namespace {

// The file name box's completion list fills in the background and can pop up
// after the dialog has closed, where it would swallow the next click.
void hideCompletionLists(QFileDialog *dialog)
{
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
        if (QCompleter *completer = edit->completer(); completer && completer->popup())
            completer->popup()->hide();
}

QLineEdit *fileNameField(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// Keeps the file name field's text selected until the first key, whenever
// the field takes the focus: the focus leaving it as the dialog last closed
// can arrive after the dialog is open again, and that clears a selection.
class SelectUntilTyped : public QObject
{
public:
    explicit SelectUntilTyped(QLineEdit *field)
        : QObject(field)
        , m_field(field)
    {
        field->installEventFilter(this);
        field->selectAll();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // After the field's own focus handling, and never once typing began.
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!m_typed)
                        m_field->selectAll();
                },
                Qt::QueuedConnection);
        else if (event->type() == QEvent::KeyPress)
            m_typed = true;
        return false;
    }

private:
    QLineEdit *m_field;
    bool m_typed = false;
};

int runModal(QFileDialog *dialog)
{
    // An album dialog's field still holds the name chosen last time;
    // selected, it is replaced by whatever is typed rather than added to.
    std::unique_ptr<SelectUntilTyped> selection;
    if (QLineEdit *field = fileNameField(dialog))
        selection = std::make_unique<SelectUntilTyped>(field);
    const int result = dialog->exec();
    hideCompletionLists(dialog);
    return result;
}

QString runForOneAlbum(AlbumFileDialog *dialog)
{
    return runModal(dialog) == QDialog::Accepted ? dialog->chosenFile() : QString();
}

} // namespace

QStringList AlbumNameFilters()
{
    //: The album files' filter in the file dialogs; the pattern follows it.
    return {QStringLiteral("%1 (*.%2)").arg(EditorMessages::tr("Vemo Albums"), QLatin1String(AlbumSuffix)),
            QStringLiteral("%1 (*)").arg(EditorMessages::tr("All files"))};
}

AlbumFileDialog::AlbumFileDialog(QWidget *parent, AcceptMode mode)
    : QFileDialog(parent)
{
    setOption(DontUseNativeDialog);
    setAcceptMode(mode);
    // Any name is accepted, even of a file that is not there: the read that
    // follows says why it cannot be opened.
    setFileMode(AnyFile);
    // Saving over a file asks first; answering No returns to the dialog.
    setOption(DontConfirmOverwrite, false);
    setNameFilters(AlbumNameFilters());
    selectNameFilter(AlbumNameFilters().constFirst());
    setDefaultSuffix(QLatin1String(AlbumSuffix));
    // Left alone, a new dialog starts wherever any file dialog was last, in
    // this run or an earlier one; the folder is this dialog's own to remember.
    setDirectory(QDir::currentPath());
    connect(this, &QFileDialog::filterSelected, this, &AlbumFileDialog::followFilter);
}

void AlbumFileDialog::followFilter(const QString &filter)
{
    setDefaultSuffix(filter == AlbumNameFilters().constFirst() ? QString(QLatin1String(AlbumSuffix)) : QString());
}

void AlbumFileDialog::accept()
{
    // filterSelected reports a filter picked in the combo box but not one set
    // through selectNameFilter(), so settle the suffix again from the filter
    // in use now, before the base class reads the typed name.
    followFilter(selectedNameFilter());
    QFileDialog::accept();
}

void AlbumFileDialog::done(int result)
{
    m_chosenFile.clear();
    if (result == Accepted && !selectedFiles().isEmpty())
        m_chosenFile = selectedFiles().constFirst();
    QFileDialog::done(result);
    // A name typed with a folder in it leaves the dialog where it was; move it
    // to the chosen file's folder, with the name filled in, for next time.
    // Done once hidden, so the name field takes the new text.
    if (!m_chosenFile.isEmpty())
        selectFile(QFileInfo(m_chosenFile).absoluteFilePath());
}

QtDialogs::QtDialogs(QWidget *owner)
    : m_owner(owner)
{
}

AlbumFileDialog *QtDialogs::openDialog()
{
    if (!m_openDialog)
        m_openDialog = new AlbumFileDialog(m_owner, QFileDialog::AcceptOpen);
    return m_openDialog;
}

AlbumFileDialog *QtDialogs::saveDialog()
{
    if (!m_saveDialog)
        m_saveDialog = new AlbumFileDialog(m_owner, QFileDialog::AcceptSave);
    return m_saveDialog;
}

QFileDialog *QtDialogs::pictureDialog()
{
    if (!m_pictureDialog)
        m_pictureDialog = new OpenPictureDialog(m_owner);
    return m_pictureDialog;
}

QString QtDialogs::chooseAlbumToOpen()
{
    return runForOneAlbum(openDialog());
}

QString QtDialogs::chooseAlbumToSave()
{
    return runForOneAlbum(saveDialog());
}

PictureChoice QtDialogs::choosePictures()
{
    auto *dialog = static_cast<OpenPictureDialog *>(pictureDialog());
    const bool accepted = runModal(dialog) == QDialog::Accepted;
    // The choices as the dialog shows them, even when cancelled: they hold
    // for the rest of the run.
    PictureChoice choice;
    choice.conversion = pictureConversion();
    choice.bestFit = pictureBestFit();
    if (accepted) {
        choice.paths = dialog->acceptedFiles();
        choice.preview = dialog->takeAcceptedDecode();
    }
    return choice;
}

ConversionOptions QtDialogs::pictureConversion() const
{
    // Until the dialog has been made nobody has chosen anything: the defaults.
    const auto *dialog = qobject_cast<OpenPictureDialog *>(m_pictureDialog.data());
    return dialog ? dialog->conversionOptions() : ConversionOptions{};
}

bool QtDialogs::pictureBestFit() const
{
    const auto *dialog = qobject_cast<OpenPictureDialog *>(m_pictureDialog.data());
    return dialog && dialog->conversionPanel()->bestFit();
}

QMessageBox::StandardButton QtDialogs::ask(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, LiteralWindowTitle(caption), text, QMessageBox::Yes | QMessageBox::No,
                    m_owner);
    box.setDefaultButton(QMessageBox::No);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDialogs::tell(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, LiteralWindowTitle(caption), text, QMessageBox::Ok, m_owner);
    box.exec();
}
