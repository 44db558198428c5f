// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "editor/picturedialog/keptdecode.h"

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class ConversionPanel;
class PicturePreviewPane;

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
    // Open on one picture the pane has refused keeps the dialog, its reason
    // on show; one still loading is opened once the pane knows.
    void accept() override;
    // What Open adds: the names typed in the name field, in their order,
    // whatever the type filter shows (a file it hides is still the user's
    // choice, and is refused with its reason), else the selected files.
    QStringList chosenFiles() const;
    // What the last Open chose. Once closed, the dialog keeps only their
    // folder: reopened, its name field is empty and nothing is selected, so
    // Enter cannot add the same pictures again.
    QStringList acceptedFiles() const { return m_accepted; }
    // The preview's album image of one of them, made with the choices Open
    // was pressed with, handed over once: none after the first call.
    std::optional<KeptDecode> takeAcceptedDecode() { return std::exchange(m_acceptedDecode, std::nullopt); }
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void queuePreview();
    void showChosenPicture();

    PicturePreviewPane *m_previewPane;
    ConversionPanel *m_conversionPanel;
    QString m_highlighted;
    QStringList m_accepted;
    std::optional<KeptDecode> m_acceptedDecode;
    bool m_previewQueued = false;
    bool m_acceptWhenShown = false;
};

// "All" (every importable type, preselected), then one filter per type.
QStringList PictureNameFilters();
