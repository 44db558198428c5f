#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

// Draws one picture scaled to fit, aspect kept and never more than twice its
// own size, or "(None)" when there is no picture.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    // Where the picture is drawn; empty when there is none.
    QRect pictureRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// The larger window the preview button opens: the picture alone, as big as
// the screen allows.
class PicturePreviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PicturePreviewWindow(const QImage &picture, QWidget *parent = nullptr);

    PictureView *view() const { return m_view; }

private:
    PictureView *m_view;
};

// The pane beside the picture dialog's file list: a caption with the
// picture's size, the picture itself and a button for a larger look.
class PicturePreviewPane : public QWidget
{
    Q_OBJECT

public:
    explicit PicturePreviewPane(QWidget *parent = nullptr);

    // Shows the picture in `path`, or nothing when it is not an importable
    // picture (a folder, an empty path, an unreadable or empty file).
    void showFile(const QString &path);

    QLabel *caption() const { return m_caption; }
    PictureView *view() const { return m_view; }
    QPushButton *previewButton() const { return m_previewButton; }
    // The larger window while it is open.
    PicturePreviewWindow *previewWindow() const { return m_previewWindow; }

    // Opens the larger window, modal but without a nested event loop, so the
    // file dialog keeps running underneath. Null when there is no picture.
    PicturePreviewWindow *openPreviewWindow();

private:
    QLabel *m_caption;
    PictureView *m_view;
    QPushButton *m_previewButton;
    QPointer<PicturePreviewWindow> m_previewWindow;
};

// The open dialog for pictures: every importable type, with a preview of the
// file under the cursor beside the file list.
class OpenPictureDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit OpenPictureDialog(QWidget *parent = nullptr);

    PicturePreviewPane *previewPane() const { return m_previewPane; }

private:
    PicturePreviewPane *m_previewPane;
};

// "All" (every importable type, preselected), then one filter per type.
QStringList PictureNameFilters();

inline const QString PreviewCaption = QStringLiteral("Picture:");
inline const QString EmptyPreviewText = QStringLiteral("(None)");
inline const QString PreviewWindowTitle = QStringLiteral("Preview");
