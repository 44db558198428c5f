// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture dialog's preview: it shows what Open would add, and decodes
// without holding up the window.

#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/pictureview.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/picturedialog/previewtexts.h"
#include "editor/picturedialog/previewwindow.h"
#include "editor/picturedialog/squareframe.h"
#include "editortestsupport.h"
#include "messages/picturetexts.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class PicturePreview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const auto &[name, size] : {std::pair{"wide.png", QSize(184, 92)}, std::pair{"tall.png", QSize(30, 60)}}) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            ASSERT_TRUE(picture.save(dir.filePath(QString::fromLatin1(name))));
        }
        widePath = dir.filePath(QStringLiteral("wide.png"));
        tallPath = dir.filePath(QStringLiteral("tall.png"));
    }

    static QLineEdit *nameField(OpenPictureDialog &dialog)
    {
        return dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    }

    QTemporaryDir dir;
    QString widePath;
    QString tallPath;
};

TEST_F(PicturePreview, FollowsTypedNamesAndTheNameTheDialogOpensWith)
{
    OpenPictureDialog dialog;
    dialog.setDirectory(dir.path());
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    QLineEdit *field = nameField(dialog);
    ASSERT_NE(field, nullptr);

    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (184x92)"));

    // A name typed over the highlighted file is what Open adds, so it is what shows.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("tall.png"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane->path() == tallPath; }, 5000));
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (30x60)"));

    // Several quoted names: the highlighted one shows, with how many there are.
    field->setText(QStringLiteral("\"tall.png\" \"wide.png\""));
    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->path(), widePath);
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (184x92)\n2 pictures chosen"));
    EXPECT_TRUE(pane->previewButton()->isEnabled());

    // Opened again with the last name filled in, it shows that name at once.
    OpenPictureDialog again;
    again.setDirectory(dir.path());
    again.selectFile(QStringLiteral("tall.png"));
    again.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return again.previewPane()->path() == tallPath; }, 5000));
    ASSERT_TRUE(PreviewSettles(again.previewPane()));
    EXPECT_EQ(again.previewPane()->caption()->text(), QStringLiteral("Picture: (30x60)"));
    EXPECT_TRUE(again.previewPane()->previewButton()->isEnabled());
}

TEST_F(PicturePreview, ADamagedPictureShowsTheReasonTheImportGives)
{
    QFile file(widePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray cut = file.read(file.size() - 20);
    const QString damagedPath = dir.filePath(QStringLiteral("cut.png"));
    QFile damaged(damagedPath);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(cut);
    damaged.close();
    const PictureImport import = ImportPicture(damagedPath, {});
    ASSERT_FALSE(import.ok);

    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    emit dialog.currentChanged(damagedPath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->view()->emptyText(), PictureProblemText(import.problem));
    EXPECT_FALSE(pane->previewButton()->isEnabled());

    // The next good picture takes the reason away again.
    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->view()->emptyText(), EmptyPreviewText());
}

TEST_F(PicturePreview, DecodesOffTheWindowsThreadAndTheNewestChoiceWins)
{
    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    QSemaphore release;
    QList<QThread *> decodedOn;
    QMutex guard;
    pane->setDecoder([&](const PreviewJob &job) {
        {
            QMutexLocker lock(&guard);
            decodedOn.append(QThread::currentThread());
        }
        // Held until the window's thread has run an event: a decode on that
        // thread would never get here in time.
        release.tryAcquire(1, 10'000);
        return DecodePreview(job);
    });

    emit dialog.currentChanged(tallPath);
    emit dialog.currentChanged(widePath);
    EXPECT_TRUE(pane->isLoading());
    EXPECT_EQ(pane->caption()->text(), LoadingCaption());
    EXPECT_EQ(pane->cursor().shape(), Qt::BusyCursor);
    bool eventRan = false;
    QTimer::singleShot(0, [&] {
        eventRan = true;
        release.release(2);
    });
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_TRUE(eventRan);
    for (QThread *thread : decodedOn)
        EXPECT_NE(thread, QThread::currentThread());
    // The first request was still running when the second came; only the newest shows.
    EXPECT_EQ(pane->path(), widePath);
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (184x92)"));
    EXPECT_NE(pane->cursor().shape(), Qt::BusyCursor);
}

// A small picture chosen while a large one still decodes shows at once, busy
// signs in both panes meanwhile; the large one's result, when it comes, is dropped.
TEST_F(PicturePreview, ASmallPictureShowsWhileALargeOneDecodes)
{
    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    QSemaphore largeMayEnd;
    QSemaphore largeEnded;
    pane->setDecoder([&](const PreviewJob &job) {
        if (job.path == widePath) {
            largeMayEnd.tryAcquire(1, 20'000);
            const PreviewOutcome outcome = DecodePreview(job);
            largeEnded.release();
            return outcome;
        }
        return DecodePreview(job);
    });

    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(pane->isLoading());
    EXPECT_TRUE(pane->view()->isBusy());
    EXPECT_TRUE(pane->deviceView()->isBusy());
    emit dialog.currentChanged(tallPath);
    // Shown while the large decode is still held.
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (30x60)"));
    EXPECT_FALSE(pane->view()->isBusy());
    EXPECT_FALSE(pane->deviceView()->isBusy());

    largeMayEnd.release();
    ASSERT_TRUE(largeEnded.tryAcquire(1, 20'000));
    QTest::qWait(50);
    EXPECT_EQ(pane->path(), tallPath);
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (30x60)"));
    EXPECT_EQ(pane->view()->picture().size(), QSize(30, 60));
}

// Open on a picture that cannot be brought in keeps the dialog, the reason
// on show in it; a picture that can is opened.
TEST_F(PicturePreview, OpenOnARefusedPictureKeepsTheDialog)
{
    const QString empty = dir.filePath(QStringLiteral("empty.png"));
    QFile file(empty);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct
    {
        QString path;
        bool opens;
        QString shown; // the pane's text in place of a picture
    } cases[] = {{empty, false, QStringLiteral("The file is empty.")}, {widePath, true, EmptyPreviewText()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        OpenPictureDialog dialog;
        dialog.setDirectory(dir.path());
        dialog.selectFile(c.path);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.previewPane()->path() == c.path; }, 5000));
        // Pressed before the pane has finished: it opens, or stays, once the pane knows.
        dialog.accept();
        ASSERT_TRUE(PreviewSettles(dialog.previewPane()));
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.isVisible(), !c.opens);
        EXPECT_EQ(dialog.result(), c.opens ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.previewPane()->view()->emptyText(), c.shown);
        // Pressed again once it is known, it stays as it is.
        if (!c.opens) {
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible());
        }
    }
}

TEST_F(PicturePreview, TheFrameChoosesTheSquareAndTheDeviceViewFollows)
{
    // Black on the left half, white on the right.
    QImage halves(184, 92, QImage::Format_RGB32);
    halves.fill(Qt::white);
    for (int y = 0; y < 92; ++y)
        for (int x = 0; x < 92; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("halves.png"));
    ASSERT_TRUE(halves.save(path));
    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    dialog.conversionPanel()->fitBox()->setCurrentIndex(static_cast<int>(PictureFit::Crop));
    emit dialog.currentChanged(path);
    ASSERT_TRUE(PreviewSettles(pane));
    SquareFrame *frame = pane->squareFrame();
    ASSERT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->square(), QRectF(0.25, 0, 0.5, 1));
    const auto showsTheImport = [&] {
        return pane->deviceView()->picture()
               == DeviceViewOf(ImportPicture(path, dialog.conversionOptions()).albumImage);
    };

    // Dragged all the way right, it keeps the white half.
    const QPoint grab = frame->frameRect().center().toPoint();
    const QPoint dropped = grab + QPoint(frame->width(), 0);
    QTest::mousePress(frame, Qt::LeftButton, {}, grab);
    QTest::mouseMove(frame, dropped);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, dropped);
    ASSERT_TRUE(PreviewSettles(pane));
    ASSERT_TRUE(dialog.conversionOptions().cropSquare);
    EXPECT_EQ(RectOf(*dialog.conversionOptions().cropSquare), QRectF(0.5, 0, 0.5, 1));
    EXPECT_TRUE(showsTheImport());
    EXPECT_EQ(qGray(pane->deviceView()->picture().pixel(5, 46)), 255);
    // The arrow keys move it too, never off the picture.
    QTest::keyClick(frame, Qt::Key_Left);
    EXPECT_LT(frame->square().x(), 0.5);
    QTest::keyClick(frame, Qt::Key_Up);
    EXPECT_EQ(frame->square().y(), 0.0);

    // A key and the slider zoom it about its centre, down to a small square.
    QTest::keyClick(frame, Qt::Key_Plus);
    EXPECT_NEAR(frame->side(), 0.9, 1e-9);
    EXPECT_EQ(pane->squareSizeSlider()->value(), 90);
    pane->squareSizeSlider()->setValue(10);
    EXPECT_NEAR(frame->side(), 0.1, 1e-9);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_TRUE(showsTheImport());

    // A turn shows the picture on its side and goes into the import.
    QTest::mouseClick(pane->turnRightButton(), Qt::LeftButton);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (92x184)"));
    EXPECT_EQ(dialog.conversionOptions().quarterTurns, 1);
    EXPECT_TRUE(showsTheImport());

    // The larger window shows the same square.
    PicturePreviewWindow *larger = pane->openPreviewWindow();
    ASSERT_NE(larger, nullptr);
    ASSERT_NE(larger->squareFrame(), nullptr);
    EXPECT_TRUE(larger->squareFrame()->isVisible());
    EXPECT_EQ(larger->squareFrame()->square(), frame->square());
    larger->close();

    // Another picture starts unturned and uncropped; the same one keeps its turn.
    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(dialog.conversionOptions().quarterTurns, 0);
    EXPECT_FALSE(dialog.conversionOptions().cropSquare);
    // With several files chosen, one turn is for them all.
    pane->turn(1);
    pane->showFile(tallPath, 2);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(dialog.conversionOptions().quarterTurns, 1);
}

TEST_F(PicturePreview, DialogAndPreviewWindowFitTheScreen)
{
    OpenPictureDialog dialog;
    dialog.show();
    const QSize room = dialog.screen()->availableSize();
    EXPECT_LE(dialog.width(), room.width());
    EXPECT_LE(dialog.height(), room.height());

    QImage panorama(4000, 1000, QImage::Format_RGB32);
    panorama.fill(Qt::darkGreen);
    QImage device(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    device.fill(Qt::gray);
    PicturePreviewWindow window(panorama, device, {}, &dialog);
    window.show();
    EXPECT_LE(window.width(), room.width());
    EXPECT_LE(window.height(), room.height());
    // The device half stays pixel-exact: a whole multiple of the album image.
    EXPECT_EQ(window.deviceView()->pictureRect().width() % AlbumImageSide, 0);
    EXPECT_GE(window.deviceView()->pictureRect().width(), AlbumImageSide);
}

} // namespace
