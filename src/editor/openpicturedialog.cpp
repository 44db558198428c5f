#include "openpicturedialog.h"

QStringList PictureNameFilters()
{
    return {QStringLiteral("All (*.bmp *.png *.jpg *.jpeg *.gif *.ico)"), QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("PNG (*.png)"), QStringLiteral("JPEG (*.jpg *.jpeg)"), QStringLiteral("GIF (*.gif)"),
            QStringLiteral("Icons (*.ico)")};
}

OpenPictureDialog::OpenPictureDialog(QWidget *parent)
    : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilters(PictureNameFilters());
}
