#include "qtdialogs.h"

#include "openpicturedialog.h"

#include <QFileDialog>

namespace {

const QString AlbumSuffix = QStringLiteral("valbum");

QString runForOneFile(QFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

} // namespace

QStringList AlbumNameFilters()
{
    return {QStringLiteral("Vemo Albums (*.valbum)"), QStringLiteral("All files (*)")};
}

QtDialogs::QtDialogs(QWidget *owner)
    : m_owner(owner)
{
}

QFileDialog *QtDialogs::openDialog()
{
    if (!m_openDialog) {
        m_openDialog = new QFileDialog(m_owner);
        m_openDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setFileMode(QFileDialog::AnyFile);
        m_openDialog->setNameFilters(AlbumNameFilters());
        m_openDialog->setDefaultSuffix(AlbumSuffix);
    }
    return m_openDialog;
}

QFileDialog *QtDialogs::saveDialog()
{
    if (!m_saveDialog) {
        m_saveDialog = new QFileDialog(m_owner);
        m_saveDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_saveDialog->setFileMode(QFileDialog::AnyFile);
        m_saveDialog->setNameFilters(AlbumNameFilters());
        m_saveDialog->setDefaultSuffix(AlbumSuffix);
        // A bare name gets ".valbum" only while album files are the filter.
        QFileDialog *dialog = m_saveDialog;
        QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
            dialog->setDefaultSuffix(filter == AlbumNameFilters().constFirst() ? AlbumSuffix : QString());
        });
    }
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
    return runForOneFile(openDialog());
}

QString QtDialogs::chooseAlbumToSave()
{
    return runForOneFile(saveDialog());
}

QString QtDialogs::choosePicture()
{
    return runForOneFile(pictureDialog());
}

QMessageBox::StandardButton QtDialogs::ask(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::No);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDialogs::tell(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, m_owner);
    box.exec();
}
