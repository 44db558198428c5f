// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The four choices of how a picture is brought into the album: fit,
// smoothing, greys and tone. It starts at the defaults, which are the plain
// import, and keeps what the user chose for as long as it lives.
class ConversionPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ConversionPanel(QWidget *parent = nullptr);

    // With "Best fit" chosen, the options come with the plain import's greys:
    // the picture keeps its colours until saving chooses its rendering.
    ConversionOptions options() const;
    // True when the Greys list has "Best fit", after the renderings it chooses among.
    bool bestFit() const;

    QComboBox *fitBox() const { return m_fit; }
    QCheckBox *smoothBox() const { return m_smooth; }
    QComboBox *greysBox() const { return m_greys; }
    QSpinBox *brightnessBox() const { return m_brightness; }
    QSpinBox *contrastBox() const { return m_contrast; }

signals:
    void optionsChanged();

private:
    QComboBox *m_fit;
    QCheckBox *m_smooth;
    QComboBox *m_greys;
    QSpinBox *m_brightness;
    QSpinBox *m_contrast;
};
