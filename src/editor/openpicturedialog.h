#pragma once

#include <QFileDialog>

// The open dialog for pictures: every importable type, with a preview of the
// selected picture beside the file list.
class OpenPictureDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit OpenPictureDialog(QWidget *parent = nullptr);
};

// "All" (every importable type, preselected), then one filter per type.
QStringList PictureNameFilters();
