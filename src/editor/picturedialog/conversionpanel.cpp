// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/conversionpanel.h"

#include "editor/document/greysnames.h"
#include "editor/translationcontexts.h"
#include "qtimage/qtconversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// In the order of the enums, whose values are the item indexes.
QStringList fitTexts()
{
    return {PictureDialog::tr("Stretch"), PictureDialog::tr("Crop"), PictureDialog::tr("Pad")};
}

QStringList fitTips()
{
    return {PictureDialog::tr("The whole picture over the whole square; the aspect ratio is not kept."),
            PictureDialog::tr("Keep the aspect ratio and fill the square; the overflow is cut off."),
            PictureDialog::tr("Keep the aspect ratio and show all of it, centred on white.")};
}

QStringList greysTexts()
{
    return GreyDitherTexts() + QStringList{PictureDialog::tr("Best fit")};
}

QStringList greysTips()
{
    return {PictureDialog::tr("Plain thresholds: flat areas and drawings stay clean; gradients become bands."),
            PictureDialog::tr("Error diffusion: the finest shading for photos, but large records."),
            PictureDialog::tr("Error diffusion with more contrast: crisp photos and line art."),
            PictureDialog::tr("A regular pattern: smooth shading that compresses far better than diffusion."),
            PictureDialog::tr("A fine pattern on a light blur: shading for photos in records as small as no dither."),
            PictureDialog::tr(
                "A finer pattern that hands on part of its error: nearer to diffusion, in records about as small."),
            PictureDialog::tr("Colours kept; on saving, each picture gets the rendering that lets the whole album fit "
                              "with the best look.")};
}

QComboBox *choiceBox(const QStringList &texts, const QStringList &tips, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(texts);
    for (int index = 0; index < tips.size(); ++index)
        box->setItemData(index, tips.at(index), Qt::ToolTipRole);
    return box;
}

QSpinBox *toneBox(QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(-ToneLimit, ToneLimit);
    box->setValue(0);
    return box;
}

} // namespace

ConversionPanel::ConversionPanel(QWidget *parent)
    : QWidget(parent)
    , m_fit(choiceBox(fitTexts(), fitTips(), this))
    , m_smooth(new QCheckBox(PictureDialog::tr("Smoothing"), this))
    , m_greys(choiceBox(greysTexts(), greysTips(), this))
    , m_brightness(toneBox(this))
    , m_contrast(toneBox(this))
{
    setObjectName(QStringLiteral("conversionPanel"));
    m_smooth->setToolTip(PictureDialog::tr("Average the pixels when shrinking, so thin lines and small text survive."));

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(PictureDialog::tr("Fit:"), m_fit);
    form->addRow(QString(), m_smooth);
    form->addRow(PictureDialog::tr("Greys:"), m_greys);
    form->addRow(PictureDialog::tr("Brightness:"), m_brightness);
    form->addRow(PictureDialog::tr("Contrast:"), m_contrast);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addStretch(1);

    connect(m_fit, &QComboBox::currentIndexChanged, this, &ConversionPanel::optionsChanged);
    connect(m_smooth, &QCheckBox::toggled, this, &ConversionPanel::optionsChanged);
    connect(m_greys, &QComboBox::currentIndexChanged, this, &ConversionPanel::optionsChanged);
    connect(m_brightness, &QSpinBox::valueChanged, this, &ConversionPanel::optionsChanged);
    connect(m_contrast, &QSpinBox::valueChanged, this, &ConversionPanel::optionsChanged);
}

ConversionOptions ConversionPanel::options() const
{
    ConversionOptions options;
    options.fit = static_cast<PictureFit>(m_fit->currentIndex());
    options.smooth = m_smooth->isChecked();
    options.greys = bestFit() ? GreyDither::None : static_cast<GreyDither>(m_greys->currentIndex());
    options.brightness = m_brightness->value();
    options.contrast = m_contrast->value();
    return options;
}

bool ConversionPanel::bestFit() const
{
    return m_greys->currentIndex() == NameList(GreyDitherNames).size();
}
