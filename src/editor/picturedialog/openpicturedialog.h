// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/picturedialog/previewdecode.h"
#include "picture/conversionoptions.h"

#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

template <typename T>
class QFutureWatcher;
class ConversionPanel;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class SquareFrame;

// Draws one picture scaled to fit, aspect kept and never more than twice its
// own size, or "(None)" (or the reason there is none) when there is no picture. A pixel-exact view instead
// enlarges by the largest whole factor that fits, every pixel a crisp block.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setPixelExact(bool exact);
    // What shows instead of a picture; "(None)" unless set.
    void setEmptyText(const QString &text);
    const QString &emptyText() const { return m_emptyText; }

    // Where the picture is drawn; empty when there is none.
    QRect pictureRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_pixelExact = false;
    QString m_emptyText;
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
// Pictures are decoded off the window's thread, the newest request winning.
class PicturePreviewPane : public QWidget
{
    Q_OBJECT

public:
    explicit PicturePreviewPane(QWidget *parent = nullptr);
    ~PicturePreviewPane() override;

    // Shows the picture in `path`, one of `chosenCount` chosen, or nothing
    // when it is no file; a file that cannot be imported shows why.
    void showFile(const QString &path, int chosenCount = 1);
    // Shows the device view again for other conversion options.
    void setConversionOptions(const ConversionOptions &options);
    // `options` with the turn and the square chosen on the pane.
    ConversionOptions withSquareChoice(ConversionOptions options) const;
    // Turns the picture a quarter clockwise (1) or anticlockwise (-1).
    void turn(int quarterTurns);

    // The file shown or being loaded; empty for none.
    const QString &path() const { return m_path; }
    // True while a decode for the pane runs.
    bool isLoading() const { return m_loading; }
    // Replaces DecodePreview(); it runs on a pool thread.
    void setDecoder(PreviewDecoder decoder) { m_decoder = std::move(decoder); }

    QLabel *caption() const { return m_caption; }
    PictureView *view() const { return m_view; }
    PictureView *deviceView() const { return m_deviceView; }
    QPushButton *previewButton() const { return m_previewButton; }
    SquareFrame *squareFrame() const { return m_frame; }
    QSlider *squareSizeSlider() const { return m_squareSize; }
    QToolButton *turnLeftButton() const { return m_turnLeft; }
    QToolButton *turnRightButton() const { return m_turnRight; }
    // The larger window while it is open.
    PicturePreviewWindow *previewWindow() const { return m_previewWindow; }

    // Opens the larger window, modal but without a nested event loop, so the
    // file dialog keeps running underneath. Null when there is no picture.
    PicturePreviewWindow *openPreviewWindow();

signals:
    // A decode's result is on show.
    void previewShown();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void request(bool withPicture);
    void launchPending();
    void takeOutcome();
    void showNothing(const QString &reason = {});
    void setLoading(bool loading);
    void updateCaption();
    void showTurnedPicture();
    void updateFrame();
    QSize turnedSize() const;

    QLabel *m_caption;
    PictureView *m_view;
    PictureView *m_deviceView;
    QPushButton *m_previewButton;
    SquareFrame *m_frame;
    QSlider *m_squareSize;
    QToolButton *m_turnLeft;
    QToolButton *m_turnRight;
    QString m_path;
    int m_chosenCount = 1;
    QSize m_pictureSize;    // the file's, before the pane's turn
    QImage m_screenPicture; // before the pane's turn
    int m_turns = 0;
    std::optional<QRectF> m_square; // moved or zoomed by the user
    QImage m_fullPicture;
    bool m_loading = false;
    ConversionOptions m_options;
    PreviewDecoder m_decoder;
    quint64 m_generation = 0;
    std::optional<PreviewJob> m_pending;
    QFutureWatcher<PreviewOutcome> *m_watcher;
    QPointer<PicturePreviewWindow> m_previewWindow;
};

// The open dialog for pictures: every importable type, with a preview of the
// file Open would add beside the file list and the conversion choices beside
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
    // Shrinks the dialog to the screen's free area first, where it is larger.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void queuePreview();
    void showChosenPicture();

    PicturePreviewPane *m_previewPane;
    ConversionPanel *m_conversionPanel;
    QString m_highlighted;
    bool m_previewQueued = false;
};

// "All" (every importable type, preselected), then one filter per type.
QStringList PictureNameFilters();

inline const QString PreviewCaption = QStringLiteral("Picture:");
inline const QString EmptyPreviewText = QStringLiteral("(None)");
inline const QString PreviewWindowTitle = QStringLiteral("Preview");
inline const QString DeviceViewCaption = QStringLiteral("On the device:");
inline const QString LoadingCaption = QStringLiteral("Loading…");
inline const QString ChosenCountText = QStringLiteral("%1 pictures chosen");
