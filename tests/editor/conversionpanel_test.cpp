// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversion choices of the picture dialog, and the add command using them.

#include "editor/commands/qtdialogs.h"
#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/pictureview.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/picturedialog/previewwindow.h"
#include "editortestsupport.h"
#include "picture/albumbitmap.h"
#include "picture/albumimage.h"
#include "picture/qtconversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PictureConversionChoices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // A wide grey ramp: every choice changes what the device shows.
        QImage ramp(276, 92, QImage::Format_RGB32);
        for (int x = 0; x < ramp.width(); ++x)
            for (int y = 0; y < ramp.height(); ++y)
                ramp.setPixel(x, y, qRgb(x * 255 / 275, x * 255 / 275, (x + y) % 256));
        rampPath = dir.filePath(QStringLiteral("ramp.png"));
        ASSERT_TRUE(ramp.save(rampPath));
    }

    QTemporaryDir dir;
    QString rampPath;
};

TEST_F(PictureConversionChoices, AddBringsThePictureInWithTheChosenConversion)
{
    EditorUnderTest editor;
    ConversionOptions options;
    options.fit = PictureFit::Pad;
    options.greys = GreyDither::Ordered;
    options.brightness = 10;
    editor.dialogs->conversion = options;
    editor.dialogs->pictures = {rampPath};
    editor.form->Button10Click();

    ASSERT_EQ(editor.form->album().count(), 1);
    const QImage added = editor.form->album().image(0);
    EXPECT_EQ(added, ImportPicture(rampPath, options).albumImage);
    // Already in the device greys, so the thumbnail is what the device shows.
    EXPECT_EQ(DeviceViewOf(added), added);
    EXPECT_EQ(added.pixel(45, 0), qRgb(255, 255, 255)); // padded above the picture
}

TEST_F(PictureConversionChoices, GreysListOffersEachRenderingUnderItsName)
{
    QWidget owner;
    QtDialogs dialogs(&owner);
    auto *dialog = qobject_cast<OpenPictureDialog *>(dialogs.pictureDialog());
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    PicturePreviewPane *pane = dialog->previewPane();
    QComboBox *greys = dialog->conversionPanel()->greysBox();
    emit dialog->currentChanged(rampPath);
    ASSERT_TRUE(PreviewSettles(pane));

    const struct
    {
        const char *text;
        GreyDither greys;
    } cases[] = {
        {"Compact", GreyDither::Compact},
        {"Compact diffusion", GreyDither::CompactDiffusion},
        {"None", GreyDither::None},
    };
    // Best fit comes last, after the renderings it chooses among.
    EXPECT_EQ(greys->count(), NameList(GreyDitherNames).size() + 1);
    EXPECT_EQ(greys->itemText(greys->count() - 1), QStringLiteral("Best fit"));
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.text);
        const int index = greys->findText(QString::fromLatin1(entry.text));
        EXPECT_EQ(index, static_cast<int>(entry.greys));
        EXPECT_FALSE(greys->itemData(index, Qt::ToolTipRole).toString().isEmpty());
        greys->setCurrentIndex(index);
        ASSERT_TRUE(PreviewSettles(pane));
        ConversionOptions chosen;
        chosen.greys = entry.greys;
        EXPECT_EQ(dialogs.pictureConversion(), chosen);
        // What the dialog shows is what the album gets.
        EXPECT_EQ(pane->deviceView()->picture(), DeviceViewOf(ImportPicture(rampPath, chosen).albumImage));

        EditorUnderTest editor;
        editor.dialogs->conversion = chosen;
        editor.dialogs->pictures = {rampPath};
        editor.form->Button10Click();
        ASSERT_EQ(editor.form->album().count(), 1);
        EXPECT_EQ(DeviceViewOf(editor.form->album().image(0)), pane->deviceView()->picture());
    }
    EXPECT_FALSE(dialogs.pictureBestFit());
    // Best fit shows and keeps the plain import until saving chooses.
    greys->setCurrentIndex(greys->count() - 1);
    EXPECT_TRUE(dialogs.pictureBestFit());
    EXPECT_EQ(dialogs.pictureConversion(), ConversionOptions{});
}

TEST_F(PictureConversionChoices, DialogPreviewsTheDeviceViewOfTheChosenConversion)
{
    QWidget owner;
    QtDialogs dialogs(&owner);
    EXPECT_EQ(dialogs.pictureConversion(), ConversionOptions{});
    auto *dialog = qobject_cast<OpenPictureDialog *>(dialogs.pictureDialog());
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    PicturePreviewPane *pane = dialog->previewPane();
    ConversionPanel *panel = dialog->conversionPanel();
    EXPECT_TRUE(panel->isVisible());

    emit dialog->currentChanged(rampPath);
    ASSERT_TRUE(PreviewSettles(pane));
    // The defaults: the plain import, as the device shows it, drawn at twice its size.
    EXPECT_EQ(pane->deviceView()->picture(), DeviceViewOf(ImportPicture(rampPath, {}).albumImage));
    EXPECT_EQ(pane->deviceView()->pictureRect().size(), QSize(2 * AlbumImageSide, 2 * AlbumImageSide));

    panel->fitBox()->setCurrentIndex(static_cast<int>(PictureFit::Crop));
    panel->smoothBox()->setChecked(true);
    panel->greysBox()->setCurrentIndex(static_cast<int>(GreyDither::FloydSteinberg));
    panel->contrastBox()->setValue(-25);
    ASSERT_TRUE(PreviewSettles(pane));
    ConversionOptions chosen;
    chosen.fit = PictureFit::Crop;
    chosen.smooth = true;
    chosen.greys = GreyDither::FloydSteinberg;
    chosen.contrast = -25;
    EXPECT_EQ(dialogs.pictureConversion(), chosen);
    EXPECT_EQ(pane->deviceView()->picture(), ImportPicture(rampPath, chosen).albumImage);

    // The larger window shows both, the device view four times enlarged.
    QTest::mouseClick(pane->previewButton(), Qt::LeftButton);
    PicturePreviewWindow *window = pane->previewWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->view()->picture().size(), QSize(276, 92));
    EXPECT_EQ(window->deviceView()->picture(), pane->deviceView()->picture());
    EXPECT_EQ(window->deviceView()->pictureRect().size(), QSize(4 * AlbumImageSide, 4 * AlbumImageSide));
    window->close();

    // The choice holds for the next time the dialog is asked.
    dialog->hide();
    EXPECT_EQ(dialogs.pictureConversion(), chosen);

    emit dialog->currentChanged(dir.path());
    EXPECT_TRUE(pane->deviceView()->picture().isNull());
}

} // namespace
