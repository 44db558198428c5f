// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/commands/qtdialogs.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/pictureview.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/picturedialog/previewwindow.h"
#include "editortestsupport.h"
#include "messages/picturetexts.h"
#include "picture/picturefile.h"
#include "qtimage/albumimage.h"
#include "qtimage/qtconversion.h"
#include "support/bmpfixtures.h"
#include "support/jpegfiles.h"
#include "support/readpictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb Red = qRgb(200, 20, 30);
const QRgb Blue = qRgb(20, 40, 210);
const QRgb Green = qRgb(30, 190, 60);
const QRgb White = qRgb(255, 255, 255);

QRgb EntryColour(int i)
{
    return qRgb(10 * i, 100 + i, 200 - i);
}

QSet<QRgb> ColoursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000u);
    return colours;
}

bool Near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
           && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
           && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

class ImageCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    TForm1 &form() { return *editor.form; }
    ScriptedDialogs &dialogs() { return *editor.dialogs; }
    const Album &album() { return editor.form->album(); }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString savedPicture(const QString &name, const QImage &picture)
    {
        const QString file = path(name);
        EXPECT_TRUE(picture.save(file)) << file.toStdString();
        return file;
    }

    QString writtenFile(const QString &name, const QByteArray &bytes)
    {
        const QString file = path(name);
        EXPECT_TRUE(WriteFileBytes(file, bytes)) << file.toStdString();
        return file;
    }

    // `count` entries of distinct colours, saved: nothing marked modified.
    void startWith(int count, int selected = -1)
    {
        for (int i = 0; i < count; ++i)
            form().album().append(SolidImage(EntryColour(i)));
        form().RefreshState(false);
        if (selected >= 0)
            form().selectEntry(selected);
    }

    QRgb entryColour(int index) { return album().image(index).pixel(45, 45); }

    QString cleanCaption() const { return QStringLiteral("Vemo ZidarUzura editor - "); }
    QString modifiedCaption() const { return QStringLiteral("Vemo ZidarUzura editor* - "); }

    QTemporaryDir dir;
    EditorUnderTest editor;
};

TEST_F(ImageCommands, InsertPutsTheNewImageBeforeTheSelectionAndSelectsIt)
{
    startWith(4, 2);
    dialogs().pictures = {savedPicture("green.png", SolidImage(Green))};
    form().Button4Click();

    EXPECT_EQ(dialogs().pictureDialogsShown, 1);
    ASSERT_EQ(album().count(), 5);
    EXPECT_EQ(entryColour(2), Green);
    EXPECT_EQ(entryColour(1), EntryColour(1));
    EXPECT_EQ(entryColour(3), EntryColour(2));
    EXPECT_EQ(entryColour(4), EntryColour(3));
    EXPECT_EQ(form().selectedIndex(), 2);
    EXPECT_TRUE(album().modified());
    EXPECT_EQ(form().windowTitle(), modifiedCaption());
    EXPECT_TRUE(dialogs().boxes.isEmpty());
}

TEST_F(ImageCommands, InsertWithNothingSelectedAndAddBothAppend)
{
    startWith(2);
    dialogs().pictures = {savedPicture("green.png", SolidImage(Green))};
    form().Button4Click();
    ASSERT_EQ(album().count(), 3);
    EXPECT_EQ(entryColour(2), Green);
    EXPECT_EQ(form().selectedIndex(), 2);

    // Add appends whatever is selected.
    form().selectEntry(0);
    dialogs().pictures = {savedPicture("blue.png", SolidImage(Blue))};
    form().Button10Click();
    ASSERT_EQ(album().count(), 4);
    EXPECT_EQ(entryColour(3), Blue);
    EXPECT_EQ(entryColour(0), EntryColour(0));
    EXPECT_EQ(form().selectedIndex(), 3);
    EXPECT_EQ(form().windowTitle(), modifiedCaption());
}

TEST_F(ImageCommands, SeveralPicturesEnterInOrderAndFailuresShareOneBox)
{
    const QString green = savedPicture("green.png", SolidImage(Green));
    const QString blue = savedPicture("blue.png", SolidImage(Blue));
    const QString broken = writtenFile("broken.png", QByteArray("not a picture\n"));
    const QString missing = path("missing.bmp");
    const QRgb E0 = EntryColour(0), E1 = EntryColour(1), E2 = EntryColour(2);
    struct Case
    {
        const char *name;
        void (TForm1::*command)();
        int selected;
        QList<QRgb> expected;
        int expectedSelection;
    };
    const Case cases[] = {
        {"add", &TForm1::Button10Click, 1, {E0, E1, E2, Green, Blue}, 4},
        {"insert before the second", &TForm1::Button4Click, 1, {E0, Green, Blue, E1, E2}, 2},
        {"insert with nothing selected", &TForm1::Button4Click, -1, {E0, E1, E2, Green, Blue}, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EditorUnderTest fresh;
        for (int i = 0; i < 3; ++i)
            fresh.form->album().append(SolidImage(EntryColour(i)));
        fresh.form->RefreshState(false);
        if (c.selected >= 0)
            fresh.form->selectEntry(c.selected);
        fresh.dialogs->pictureSelections = {{green, broken, blue, missing}};
        (fresh.form.get()->*c.command)();

        QList<QRgb> colours;
        for (int i = 0; i < fresh.form->album().count(); ++i)
            colours.append(fresh.form->album().image(i).pixel(45, 45));
        EXPECT_EQ(colours, c.expected);
        EXPECT_EQ(fresh.form->selectedIndex(), c.expectedSelection);
        EXPECT_TRUE(fresh.form->album().modified());
        ASSERT_EQ(fresh.dialogs->boxes.size(), 1);
        EXPECT_EQ(fresh.dialogs->boxes.constFirst().icon, QMessageBox::Critical);
        EXPECT_EQ(
            fresh.dialogs->boxes.constFirst().text,
            QStringLiteral("Cannot import picture \"%1\". Unsupported image format: this is a text file. Pictures are "
                           "read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files.\n"
                           "Cannot import picture \"%2\". No such file or directory.")
                .arg(broken, missing));
    }
}

TEST_F(ImageCommands, CancelledPictureDialogChangesNothing)
{
    startWith(2, 1);
    form().Button10Click();
    form().Button4Click();
    EXPECT_EQ(dialogs().pictureDialogsShown, 2);
    EXPECT_EQ(album().count(), 2);
    EXPECT_EQ(form().selectedIndex(), 1);
    EXPECT_FALSE(album().modified());
    EXPECT_EQ(form().windowTitle(), cleanCaption());
}

TEST_F(ImageCommands, WidePictureIsSqueezedWithoutNewColours)
{
    // Two-pixel stripes over the top half, so every album column takes one
    // whole stripe; solid green below.
    QImage wide(184, 92, QImage::Format_RGB32);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < wide.width(); ++x)
            wide.setPixel(x, y, y < 46 ? ((x / 2) % 2 ? Blue : Red) : Green);
    ASSERT_TRUE(form().ImportPicture(savedPicture("wide.png", wide), -1));

    const QImage &image = album().image(0);
    ASSERT_EQ(image.size(), QSize(92, 92));
    for (int x : {0, 1, 2, 45, 46, 90, 91}) {
        EXPECT_EQ(image.pixel(x, 0), x % 2 ? Blue : Red) << x;
        EXPECT_EQ(image.pixel(x, 45), x % 2 ? Blue : Red) << x;
        EXPECT_EQ(image.pixel(x, 46), Green) << x;
        EXPECT_EQ(image.pixel(x, 91), Green) << x;
    }
    EXPECT_EQ(ColoursOf(image), (QSet<QRgb>{Red, Blue, Green}));
}

TEST_F(ImageCommands, SmallPictureIsEnlargedPixelForPixel)
{
    QImage small(46, 46, QImage::Format_RGB32);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            small.setPixel(x, y, (x + y) % 2 ? Red : Blue);
    small.setPixel(45, 45, Green);
    ASSERT_TRUE(form().ImportPicture(savedPicture("small.png", small), -1));

    // Every picture pixel becomes a two-by-two block.
    const QImage &image = album().image(0);
    for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {2, 0}, {3, 1}, {2, 2}, {44, 46}, {89, 89}}) {
        EXPECT_EQ(image.pixel(x, y), ((x / 2 + y / 2) % 2 ? Red : Blue)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{90, 90}, {91, 90}, {90, 91}, {91, 91}})
        EXPECT_EQ(image.pixel(x, y), Green);
    EXPECT_EQ(ColoursOf(image), (QSet<QRgb>{Red, Blue, Green}));
}

TEST_F(ImageCommands, TransparentPartsAndEmptyFilesComeOutWhite)
{
    QImage translucent(92, 92, QImage::Format_ARGB32);
    translucent.fill(Qt::transparent);
    for (int y = 0; y < 92; ++y)
        for (int x = 0; x < 46; ++x)
            translucent.setPixel(x, y, Red);
    ASSERT_TRUE(form().ImportPicture(savedPicture("half.png", translucent), -1));
    EXPECT_EQ(album().image(0).pixel(10, 10), Red);
    EXPECT_EQ(album().image(0).pixel(80, 10), White);
    EXPECT_EQ(ColoursOf(album().image(0)), (QSet<QRgb>{Red, White}));

    EXPECT_TRUE(dialogs().boxes.isEmpty());
    // An empty file is no picture at all: refused as empty, not taken as white.
    const QString empty = writtenFile("empty.bmp", {});
    EXPECT_FALSE(form().ImportPicture(empty, -1));
    ASSERT_EQ(album().count(), 1);
    ASSERT_EQ(dialogs().boxes.size(), 1);
    EXPECT_EQ(dialogs().boxes.constFirst().text,
              QStringLiteral("Cannot import picture \"%1\". The file is empty.").arg(empty));
}

TEST_F(ImageCommands, PictureThatCannotBeReadIsReportedAndChangesNothing)
{
    startWith(2, 0);
    QImage other(8, 8, QImage::Format_RGB32);
    other.fill(Red);
    const QString missing = path("missing.bmp");
    const QString xpm = savedPicture("picture.xpm", other);
    const QString ppmNamedBmp = writtenFile("renamed.bmp", QByteArray("P3\n1 1\n255\n255 0 0\n"));
    const QString text = writtenFile("notes.png", QByteArray("not a picture\n"));
    const QString cutJpeg = savedPicture("cut.jpg", other);
    EXPECT_TRUE(QFile(cutJpeg).resize(QFileInfo(cutJpeg).size() - 2));
    const QByteArray rle = Rle8Fixture().file;
    const QString cutRle = writtenFile("cut.bmp", rle.left(rle.size() - 6));
    const QString lossless = writtenFile("lossless.jpg", LosslessJpeg());
    const QString types =
        QStringLiteral(". Pictures are read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files.");
    const QList<std::pair<QString, QString>> cases{
        {missing, QStringLiteral("No such file or directory.")},
        {xpm, QStringLiteral("Unsupported image format: this is an XPM picture%1").arg(types)},
        {ppmNamedBmp, QStringLiteral("Unsupported image format: this is a Netpbm picture%1").arg(types)},
        {text, QStringLiteral("Unsupported image format: this is a text file%1").arg(types)},
        {cutJpeg, QStringLiteral("The file is damaged or incomplete.")},
        {cutRle, QStringLiteral("The file is damaged or incomplete.")},
        {lossless, QStringLiteral("Lossless JPEG is not supported.")},
    };
    for (const auto &[file, reason] : cases) {
        dialogs().boxes.clear();
        dialogs().pictures = {file};
        form().Button4Click();
        ASSERT_EQ(dialogs().boxes.size(), 1) << file.toStdString();
        const ScriptedDialogs::Box &box = dialogs().boxes.constFirst();
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.caption, QStringLiteral("Vemo ZidarUzura editor"));
        EXPECT_EQ(box.text, QStringLiteral("Cannot import picture \"%1\". %2").arg(file, reason));
    }
    // A damaged bitmap: the reader's own reason follows.
    dialogs().boxes.clear();
    EXPECT_FALSE(form().ImportPicture(writtenFile("broken.bmp", QByteArray("BM") + QByteArray(40, '\x7F')), 1));
    ASSERT_EQ(dialogs().boxes.size(), 1);
    const QString prefix = QStringLiteral("Cannot import picture \"%1\". ").arg(path("broken.bmp"));
    EXPECT_TRUE(dialogs().boxes.constFirst().text.startsWith(prefix));
    EXPECT_GT(dialogs().boxes.constFirst().text.size(), prefix.size());

    ASSERT_EQ(album().count(), 2);
    EXPECT_EQ(entryColour(0), EntryColour(0));
    EXPECT_EQ(entryColour(1), EntryColour(1));
    EXPECT_EQ(form().selectedIndex(), 0);
    EXPECT_FALSE(album().modified());
    EXPECT_EQ(form().windowTitle(), cleanCaption());
}

TEST_F(ImageCommands, DeleteKeepsASelectionWhileThereAreEntries)
{
    startWith(4, 1);
    form().Button5Click(); // a middle one: the next moves up into its place
    ASSERT_EQ(album().count(), 3);
    EXPECT_EQ(entryColour(1), EntryColour(2));
    EXPECT_EQ(form().selectedIndex(), 1);
    EXPECT_EQ(form().windowTitle(), modifiedCaption());

    form().selectEntry(2);
    form().Button5Click(); // the last: the one before it is selected
    ASSERT_EQ(album().count(), 2);
    EXPECT_EQ(entryColour(0), EntryColour(0));
    EXPECT_EQ(entryColour(1), EntryColour(2));
    EXPECT_EQ(form().selectedIndex(), 1);
    EXPECT_FALSE(ButtonOf(form(), 3)->isEnabled());
    EXPECT_TRUE(ButtonOf(form(), 2)->isEnabled());
}

TEST_F(ImageCommands, DeletingTheOnlyEntryLeavesNothingToSave)
{
    startWith(1, 0);
    EXPECT_TRUE(ButtonOf(form(), 5)->isEnabled());
    form().Button5Click();
    EXPECT_EQ(album().count(), 0);
    EXPECT_EQ(form().selectedIndex(), -1);
    EXPECT_FALSE(ButtonOf(form(), 5)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 7)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 9)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 2)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 3)->isEnabled());
    EXPECT_TRUE(album().modified());
    EXPECT_EQ(form().windowTitle(), modifiedCaption());
}

TEST_F(ImageCommands, MoveUpAndDownExchangeNeighboursAndFollowTheImage)
{
    startWith(3, 1);
    form().Button2Click();
    EXPECT_EQ(entryColour(0), EntryColour(1));
    EXPECT_EQ(entryColour(1), EntryColour(0));
    EXPECT_EQ(form().selectedIndex(), 0);
    EXPECT_EQ(form().windowTitle(), modifiedCaption());
    EXPECT_FALSE(ButtonOf(form(), 2)->isEnabled());

    form().RefreshState(false);
    form().Button3Click();
    form().Button3Click();
    EXPECT_EQ(entryColour(0), EntryColour(0));
    EXPECT_EQ(entryColour(1), EntryColour(2));
    EXPECT_EQ(entryColour(2), EntryColour(1));
    EXPECT_EQ(form().selectedIndex(), 2);
    EXPECT_EQ(form().windowTitle(), modifiedCaption());
    EXPECT_FALSE(ButtonOf(form(), 3)->isEnabled());
}

TEST_F(ImageCommands, CommandsWithNothingToActOnDoNothing)
{
    startWith(3, 0);
    form().Button2Click(); // already first
    form().selectEntry(2);
    form().Button3Click(); // already last
    ListBox1Of(form())->clearSelection();
    form().Button2Click();
    form().Button3Click();
    form().Button5Click();
    ASSERT_EQ(album().count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(entryColour(i), EntryColour(i));
    EXPECT_FALSE(album().modified());
    EXPECT_EQ(form().windowTitle(), cleanCaption());
}

// Bitmaps, made byte by byte.

TEST(BitmapImport, EveryKindLoadsWithItsColours)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const BmpFixture &fixture : BmpFixtures()) {
        SCOPED_TRACE(fixture.name.toStdString());
        const QString file = dir.filePath(QStringLiteral("fixture.bmp"));
        ASSERT_TRUE(WriteFileBytes(file, fixture.file));
        const PictureFileContents read = ReadPictureAt(file);
        ASSERT_TRUE(read.ok) << PictureProblemText(read.problem).toStdString();
        const QImage loaded = ImageOf(read);
        ASSERT_EQ(loaded.size(), QSize(fixture.width, fixture.height));
        for (int y = 0; y < fixture.height; ++y) {
            for (int x = 0; x < fixture.width; ++x) {
                const QRgb actual = loaded.pixel(x, y);
                const QRgb expected = fixture.expected.at(y * fixture.width + x);
                EXPECT_EQ(qAlpha(actual), 255) << x << "," << y;
                EXPECT_TRUE(Near(actual, expected, fixture.tolerance))
                    << x << "," << y << ": " << std::hex << actual << " for " << expected;
            }
        }
    }
}

TEST_F(ImageCommands, BitmapsImportIntoTheAlbum)
{
    // Five by three pixels stretched over 92 x 92: each album pixel shows the
    // picture pixel under its centre.
    const QList<BmpFixture> fixtures = BmpFixtures();
    for (const BmpFixture &fixture : fixtures) {
        if (fixture.name != QStringLiteral("RLE4") && !fixture.name.startsWith(QStringLiteral("56-byte")))
            continue;
        SCOPED_TRACE(fixture.name.toStdString());
        ASSERT_TRUE(form().ImportPicture(writtenFile(fixture.name + ".bmp", fixture.file), -1));
        const QImage &image = album().image(album().count() - 1);
        for (auto [x, y] : {std::pair{0, 0}, {18, 30}, {19, 31}, {55, 61}, {91, 91}, {73, 45}})
            EXPECT_EQ(image.pixel(x, y), fixture.expected.at((2 * y + 1) * 3 / 184 * 5 + (2 * x + 1) * 5 / 184))
                << x << "," << y;
    }
    EXPECT_EQ(album().count(), 2);
    EXPECT_TRUE(dialogs().boxes.isEmpty());
}

// Keeps the readers' complaints about damaged files out of the test log.
class QuietReaders
{
public:
    QuietReaders()
        : m_previous(qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}))
    {
    }
    ~QuietReaders() { qInstallMessageHandler(m_previous); }
    QuietReaders(const QuietReaders &) = delete;
    QuietReaders &operator=(const QuietReaders &) = delete;

private:
    QtMessageHandler m_previous;
};

// Damaged files must load or be refused; nothing else may happen.
TEST(BitmapImport, DamagedBitmapsNeverCrash)
{
    const QuietReaders quiet;
    int loaded = 0;
    int refused = 0;
    const auto attempt = [&](const QByteArray &bytes) {
        const PictureFileContents result = ReadPictureIn(bytes);
        if (result.ok) {
            EXPECT_FALSE(result.picture.isNull());
            ++loaded;
        } else {
            EXPECT_FALSE(PictureProblemText(result.problem).isEmpty());
            ++refused;
        }
    };

    QList<BmpFixture> sweep{Rle8Fixture(), Palette8Fixture()};
    for (const BmpFixture &fixture : BmpFixtures())
        if (fixture.name.startsWith(QStringLiteral("52-byte")) || fixture.name.startsWith(QStringLiteral("56-byte")))
            sweep.append(fixture);
    for (const BmpFixture &fixture : sweep) {
        SCOPED_TRACE(fixture.name.toStdString());
        for (qsizetype length = 0; length < fixture.file.size(); ++length)
            attempt(fixture.file.left(length));
        // Every bit of the file header and the info header, one at a time.
        const qsizetype headers = std::min<qsizetype>(fixture.file.size(), 14 + 56);
        for (qsizetype at = 0; at < headers; ++at) {
            for (int bit = 0; bit < 8; ++bit) {
                QByteArray flipped = fixture.file;
                flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
                attempt(flipped);
            }
        }
        // Sizes and offsets at their extremes.
        for (qsizetype at : {2, 10, 14, 18, 22, 34, 46}) {
            for (quint32 value : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x10000u}) {
                QByteArray forged = fixture.file;
                for (int i = 0; i < 4; ++i)
                    forged[at + i] = static_cast<char>(value >> (8 * i));
                attempt(forged);
            }
        }
    }
    // Both outcomes must have happened, or the sweep tested nothing.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

// The picture dialog, driven without running it.

class PictureDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QImage wide(184, 92, QImage::Format_RGB32);
        wide.fill(Blue);
        widePath = dir.filePath(QStringLiteral("wide.png"));
        ASSERT_TRUE(wide.save(widePath));
        textPath = dir.filePath(QStringLiteral("notes.bmp"));
        ASSERT_TRUE(WriteFileBytes(textPath, "not a picture"));
    }

    QTemporaryDir dir;
    QString widePath;
    QString textPath;
};

TEST_F(PictureDialog, OffersEveryPictureTypeWithAllFirst)
{
    OpenPictureDialog dialog;
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{"All (*.bmp *.png *.jpg *.jpeg *.gif *.ico *.webp *.tif *.tiff *.heic *.heif *.avif)",
                           "Bitmaps (*.bmp)", "PNG (*.png)", "JPEG (*.jpg *.jpeg)", "GIF (*.gif)", "Icons (*.ico)",
                           "WebP (*.webp)", "TIFF (*.tif *.tiff)", "HEIC/HEIF (*.heic *.heif)", "AVIF (*.avif)"}));
    EXPECT_EQ(dialog.selectedNameFilter(),
              QStringLiteral("All (*.bmp *.png *.jpg *.jpeg *.gif *.ico *.webp *.tif *.tiff *.heic *.heif *.avif)"));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
}

// The real dialog, run modal: `typing` goes into its name field once it shows,
// then it is accepted. Also gives what the dialog showed on opening.
struct PictureDialogRun
{
    QStringList chosen;
    QString textOnOpen;
    qsizetype rowsSelectedOnOpen = 0;
    QString folderOnOpen;
    QString chosenCountShown; // the preview's line for several
    PictureChoice answer;
};

// Types into the real dialog and presses Open; `onPreview`, when given, runs
// once the preview of the one typed name is on show, before Open.
PictureDialogRun RunPictureDialog(QtDialogs &dialogs, const QString &typing,
                                  const std::function<void(PicturePreviewPane *)> &onPreview = {})
{
    PictureDialogRun run;
    QFileDialog *dialog = dialogs.pictureDialog();
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        // The folder's listing arrives in the background and moves the
        // selection when it does; typing before it is there races with it.
        const auto *model = dialog->findChild<QFileSystemModel *>();
        if (!dialog->isVisible() || !model || model->rowCount(model->index(dialog->directory().path())) == 0)
            return;
        driver.stop();
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!field) {
            QMetaObject::invokeMethod(dialog, "reject");
            return;
        }
        run.textOnOpen = field->text();
        run.folderOnOpen = dialog->directory().path();
        for (const QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
            if (view->selectionModel() && view->isVisible())
                run.rowsSelectedOnOpen += view->selectionModel()->selectedRows().size();
        // On the offscreen platform a dialog shown for the first time may not
        // have given the field its focus yet, and the first key would be lost.
        if (!field->hasFocus()) {
            field->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
        }
        QTest::keyClicks(field, typing);
        // Several: the preview's caption counts them once it has loaded.
        if (typing.count(QLatin1Char('"')) > 2)
            QTest::qWaitFor(
                [&] {
                    for (const QLabel *label : dialog->findChildren<QLabel *>())
                        if (const qsizetype at = label->text().indexOf(QStringLiteral(" pictures chosen")); at > 0) {
                            run.chosenCountShown =
                                label->text().mid(label->text().lastIndexOf(QLatin1Char('\n'), at) + 1);
                            return true;
                        }
                    return false;
                },
                10'000);
        if (onPreview) {
            PicturePreviewPane *pane = static_cast<OpenPictureDialog *>(dialog)->previewPane();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return QFileInfo(pane->path()).fileName() == typing && !pane->isLoading(); }, 10'000));
            onPreview(pane);
        }
        QMetaObject::invokeMethod(dialog, "accept"); // protected
    });
    driver.start();
    // Only a guard against a dialog that never closes, or a "File not found"
    // box over it: closes whatever is modal until the dialog returns.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&guard] {
        guard.setInterval(100);
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(30'000); // generous: a loaded machine under the sanitizers is slow to show a dialog
    run.answer = dialogs.choosePictures();
    run.chosen = run.answer.paths;
    return run;
}

// Open adds the picture the preview decoded, not a second read of its file:
// a file rewritten in place after the preview, its size and time kept, still
// comes in as previewed, and one whose time moved is read again.
TEST_F(PictureDialog, OpenAddsThePreviewsDecodeWhileTheFileIsUnchanged)
{
    QImage white(8, 8, QImage::Format_RGB32), black(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    black.fill(Qt::black);
    const QString blackPath = dir.filePath(QStringLiteral("black.bmp"));
    ASSERT_TRUE(black.save(blackPath));
    const QImage blackAdded = ImportPicture(blackPath, {}).albumImage;
    const struct
    {
        const char *name;
        bool timeKept;
    } cases[] = {{"unchanged.bmp", true}, {"rewritten.bmp", false}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        const QString path = dir.filePath(QString::fromLatin1(entry.name));
        ASSERT_TRUE(white.save(path));
        QWidget owner;
        QtDialogs dialogs(&owner);
        dialogs.pictureDialog()->setDirectory(dir.path());
        QImage previewed;
        const PictureDialogRun run =
            RunPictureDialog(dialogs, QString::fromLatin1(entry.name), [&](PicturePreviewPane *pane) {
                previewed = pane->deviceView()->picture();
                const QDateTime written = QFileInfo(path).lastModified();
                QFile::remove(path);
                ASSERT_TRUE(QFile::copy(blackPath, path));
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                ASSERT_TRUE(file.setFileTime(entry.timeKept ? written : written.addSecs(-5),
                                             QFileDevice::FileModificationTime));
            });
        ASSERT_EQ(run.chosen, QStringList{path});
        ASSERT_FALSE(previewed.isNull());
        EXPECT_NE(previewed, DeviceViewOf(blackAdded)); // the preview showed the white one

        EditorUnderTest editor;
        editor.dialogs->pictures = run.answer.paths;
        editor.dialogs->conversion = run.answer.conversion;
        editor.dialogs->preview = run.answer.preview;
        editor.form->Button10Click();
        ASSERT_EQ(editor.form->album().count(), 1);
        const QImage added = editor.form->album().image(0);
        if (entry.timeKept)
            EXPECT_EQ(DeviceViewOf(added), previewed);
        else
            EXPECT_EQ(added, blackAdded);
    }
}

TEST_F(PictureDialog, TakesSeveralTypedNamesAndReopensEmptyInTheirFolder)
{
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(Green);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString greenPath = dir.filePath(QStringLiteral("sub/green.png"));
    ASSERT_TRUE(green.save(greenPath));
    QWidget owner;
    QtDialogs dialogs(&owner);
    dialogs.pictureDialog()->setDirectory(dir.path());

    const PictureDialogRun several = RunPictureDialog(dialogs, QStringLiteral("\"wide.png\" \"sub/green.png\""));
    EXPECT_EQ(several.chosen, (QStringList{widePath, greenPath}));

    // Opened again it keeps the folder, not the names: Enter adds nothing twice.
    const PictureDialogRun one = RunPictureDialog(dialogs, QStringLiteral("wide.png"));
    EXPECT_EQ(one.textOnOpen, QString());
    EXPECT_EQ(one.rowsSelectedOnOpen, 0);
    EXPECT_EQ(QDir(one.folderOnOpen), QDir(dir.path()));
    EXPECT_EQ(one.chosen, QStringList{widePath});

    const PictureDialogRun again = RunPictureDialog(dialogs, QStringLiteral("sub/green.png"));
    EXPECT_EQ(again.textOnOpen, QString());
    EXPECT_EQ(again.rowsSelectedOnOpen, 0);
    EXPECT_EQ(again.chosen, QStringList{greenPath});
    const PictureDialogRun inSub = RunPictureDialog(dialogs, QStringLiteral("green.png"));
    EXPECT_EQ(QDir(inSub.folderOnOpen), QDir(dir.filePath(QStringLiteral("sub"))));
    EXPECT_EQ(inSub.chosen, QStringList{greenPath});
}

// A file the type filter hides, typed among pictures, is still chosen: it
// is counted, and refused with its reason in the one message.
TEST_F(PictureDialog, ATypedFileThatIsNoPictureIsChosenAndNamed)
{
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(Green);
    const QString greenPath = dir.filePath(QStringLiteral("green.png"));
    ASSERT_TRUE(green.save(greenPath));
    const QString notesPath = dir.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(WriteFileBytes(notesPath, "not a picture\n"));
    QWidget owner;
    QtDialogs dialogs(&owner);
    dialogs.pictureDialog()->setDirectory(dir.path());

    const PictureDialogRun run = RunPictureDialog(dialogs, QStringLiteral("\"wide.png\" \"notes.txt\" \"green.png\""));
    EXPECT_EQ(run.chosen, (QStringList{widePath, notesPath, greenPath}));
    EXPECT_EQ(run.chosenCountShown, QStringLiteral("3 pictures chosen"));

    EditorUnderTest editor;
    editor.dialogs->pictureSelections = {run.chosen};
    editor.form->Button10Click();
    EXPECT_EQ(editor.form->album().count(), 2);
    ASSERT_EQ(editor.dialogs->boxes.size(), 1);
    EXPECT_EQ(editor.dialogs->boxes.constFirst().text,
              QStringLiteral("Cannot import picture \"%1\". Unsupported image format: this is a text file. Pictures "
                             "are read from BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF files.")
                  .arg(notesPath));
}

TEST_F(PictureDialog, PreviewFollowsTheCurrentFile)
{
    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->isVisible());
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture:"));
    EXPECT_FALSE(pane->previewButton()->isEnabled());

    // The "(None)" text shows only while there is nothing to show.
    const QColor textColour = pane->view()->palette().color(QPalette::Text);
    const auto inkedPixels = [&] {
        const QImage shot = pane->view()->grab().toImage();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += shot.pixelColor(x, y) == textColour;
        return count;
    };
    EXPECT_GT(inkedPixels(), 0);

    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (184x92)"));
    EXPECT_TRUE(pane->previewButton()->isEnabled());
    const QRect shown = pane->view()->pictureRect();
    EXPECT_TRUE(pane->view()->rect().contains(shown));
    EXPECT_NEAR(double(shown.width()) / shown.height(), 2.0, 0.05);
    EXPECT_LE(shown.width(), 2 * 184);
    EXPECT_EQ(inkedPixels(), 0);

    emit dialog.currentChanged(textPath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture:"));
    EXPECT_FALSE(pane->previewButton()->isEnabled());
    EXPECT_TRUE(pane->view()->pictureRect().isEmpty());
    EXPECT_GT(inkedPixels(), 0);

    // A folder is nothing to show either.
    emit dialog.currentChanged(widePath);
    emit dialog.currentChanged(dir.path());
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture:"));

    // A tiny picture is enlarged, but only up to twice its size.
    QImage tiny(4, 3, QImage::Format_RGB32);
    tiny.fill(Red);
    const QString tinyPath = dir.filePath(QStringLiteral("tiny.png"));
    ASSERT_TRUE(tiny.save(tinyPath));
    emit dialog.currentChanged(tinyPath);
    ASSERT_TRUE(PreviewSettles(pane));
    EXPECT_EQ(pane->caption()->text(), QStringLiteral("Picture: (4x3)"));
    EXPECT_EQ(pane->view()->pictureRect().size(), QSize(8, 6));
}

TEST_F(PictureDialog, ClickingAFileInTheListPreviewsIt)
{
    OpenPictureDialog dialog;
    dialog.show();
    dialog.setDirectory(dir.path());
    // The list or the detail view, whichever the dialog shows.
    QAbstractItemView *fileList = nullptr;
    for (QAbstractItemView *view : dialog.findChildren<QAbstractItemView *>())
        if (view->isVisible() && !qobject_cast<QHeaderView *>(view) && qobject_cast<QFileSystemModel *>(view->model()))
            fileList = view;
    ASSERT_NE(fileList, nullptr);
    auto *model = static_cast<QFileSystemModel *>(fileList->model());

    // The file list fills in from another thread.
    QModelIndex entry;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            entry = model->index(widePath);
            return entry.isValid() && !fileList->visualRect(entry).isEmpty();
        },
        5000));
    QTest::mouseClick(fileList->viewport(), Qt::LeftButton, {}, fileList->visualRect(entry).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.previewPane()->path() == widePath; }, 5000));
    ASSERT_TRUE(PreviewSettles(dialog.previewPane()));
    EXPECT_EQ(dialog.previewPane()->caption()->text(), QStringLiteral("Picture: (184x92)"));
}

TEST_F(PictureDialog, PreviewButtonOpensALargerModalWindow)
{
    OpenPictureDialog dialog;
    dialog.show();
    PicturePreviewPane *pane = dialog.previewPane();
    emit dialog.currentChanged(widePath);
    ASSERT_TRUE(PreviewSettles(pane));
    QTest::mouseClick(pane->previewButton(), Qt::LeftButton);

    QPointer<PicturePreviewWindow> window = pane->previewWindow();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Preview"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(window->view()->picture().size(), QSize(184, 92));
    EXPECT_GT(window->view()->pictureRect().width(), pane->view()->pictureRect().width());

    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 2000));
}

} // namespace
