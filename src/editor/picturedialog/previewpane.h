// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "editor/picturedialog/previewdecode.h"
#include "editor/picturedialog/previewwindow.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

template <typename T>
class QFutureWatcher;
class PictureView;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class SquareFrame;

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
    // True when the file shown cannot be brought in; the view says why.
    bool refused() const;
    // The album image the device view shows, when it is the one `options`
    // give for the file shown and no newer decode is on the way; else none.
    std::optional<KeptDecode> keptDecode(const ConversionOptions &options) const;
    // Replaces DecodePreview(); it runs on a pool thread.
    void setDecoder(PreviewDecoder decoder) { m_decoder = std::move(decoder); }

    QLabel *caption() const { return m_caption; }
    PictureView *view() const { return m_view; }
    PictureView *deviceView() const { return m_deviceView; }
    QPushButton *previewButton() const { return m_previewButton; }
    SquareFrame *squareFrame() const { return m_frame; }
    QSlider *squareSizeSlider() const { return m_squareSize; }
    QLabel *squareSizeLabel() const { return m_squareSizeLabel; }
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
    void takeOutcome(const PreviewOutcome &outcome);
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
    QLabel *m_squareSizeLabel;
    QToolButton *m_turnLeft;
    QToolButton *m_turnRight;
    QString m_path;
    int m_chosenCount = 1;
    QSize m_pictureSize;    // the file's, before the pane's turn
    QImage m_screenPicture; // before the pane's turn
    int m_turns = 0;
    std::optional<QRectF> m_square; // moved or zoomed by the user
    QImage m_fullPicture;
    FileStamp m_fullStamp;
    bool m_fullReducible = false;
    KeptDecode m_kept; // the album image on show in the device view
    bool m_loading = false;
    ConversionOptions m_options;
    PreviewDecoder m_decoder;
    quint64 m_generation = 0;
    std::optional<PreviewJob> m_pending;
    QFutureWatcher<PreviewOutcome> *m_running = nullptr; // the newest decode, while it runs
    QString m_runningPath;
    QPointer<PicturePreviewWindow> m_previewWindow;
};
