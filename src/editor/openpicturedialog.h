// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/conversionoptions.h"

#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QPointer>
#include <QWidget>

class ConversionPanel;
class QLabel;
class QPushButton;

// Draws one picture scaled to fit, aspect kept and never more than twice its
// own size, or "(None)" when there is no picture. A pixel-exact view instead
// enlarges by the largest whole factor that fits, every pixel a crisp block.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setPixelExact(bool exact);

    // Where the picture is drawn; empty when there is none.
    QRect pictureRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_pixelExact = false;
};

// The larger window the preview button opens: the picture as big as the
// screen allows, and beside it what the device will show, four times enlarged.
class PicturePreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PicturePreviewWindow(const QImage &picture, const QImage &deviceImage, QWidget *parent = nullptr);

    PictureView *view() const { return m_view; }
    PictureView *deviceView() const { return m_deviceView; }

private:
    PictureView *m_view;
    PictureView *m_deviceView;
};

// The pane beside the picture dialog's file list: a caption with the
// picture's size, the picture itself, the 92 x 92 device greys it becomes with
// the chosen conversion (drawn at twice the size) and a button for a larger look.
class PicturePreviewPane : public QWidget
{
    Q_OBJECT

public:
    explicit PicturePreviewPane(QWidget *parent = nullptr);

    // Shows the picture in `path`, or nothing when it is not an importable
    // picture (a folder, an empty path, an unreadable or empty file).
    void showFile(const QString &path);
    // Shows the device view again for other conversion options.
    void setConversionOptions(const ConversionOptions &options);

    QLabel *caption() const { return m_caption; }
    PictureView *view() const { return m_view; }
    PictureView *deviceView() const { return m_deviceView; }
    QPushButton *previewButton() const { return m_previewButton; }
    // The larger window while it is open.
    PicturePreviewWindow *previewWindow() const { return m_previewWindow; }

    // Opens the larger window, modal but without a nested event loop, so the
    // file dialog keeps running underneath. Null when there is no picture.
    PicturePreviewWindow *openPreviewWindow();

private:
    void showDeviceView();

    QLabel *m_caption;
    PictureView *m_view;
    PictureView *m_deviceView;
    QPushButton *m_previewButton;
    QString m_path;
    ConversionOptions m_options;
    QPointer<PicturePreviewWindow> m_previewWindow;
};

// The open dialog for pictures: every importable type, with a preview of the
// file under the cursor beside the file list and the conversion choices beside
// the preview.
class OpenPictureDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit OpenPictureDialog(QWidget *parent = nullptr);

    PicturePreviewPane *previewPane() const { return m_previewPane; }
    ConversionPanel *conversionPanel() const { return m_conversionPanel; }
    // The conversion chosen in the dialog; the defaults until the user changes it.
    ConversionOptions conversionOptions() const;

private:
    PicturePreviewPane *m_previewPane;
    ConversionPanel *m_conversionPanel;
};

// "All" (every importable type, preselected), then one filter per type.
QStringList PictureNameFilters();

inline const QString PreviewCaption = QStringLiteral("Picture:");
inline const QString EmptyPreviewText = QStringLiteral("(None)");
inline const QString PreviewWindowTitle = QStringLiteral("Preview");
inline const QString DeviceViewCaption = QStringLiteral("On the device:");
