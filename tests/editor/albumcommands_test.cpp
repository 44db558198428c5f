// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Load, append, save and save as, driven through the window with scripted dialogs.

#include "editortestsupport.h"

#include "album/compression.h"
#include "albumfile/albumfile.h"
#include "editor/commands/qtdialogs.h"
#include "editor/window/readablecolour.h"
#include "editor/window/thumbnaildelegate.h"
#include "messages/albumtexts.h"
#include "qtimage/albumbitmap.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QtEndian>

#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

#include <random>

// Readable failure output for the many string comparisons.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString Editor = QStringLiteral("Vemo ZidarUzura editor");

QList<QImage> NoisyPictures(int count, std::uint32_t firstSeed)
{
    QList<QImage> pictures;
    for (int i = 0; i < count; ++i)
        pictures.append(NoisyImage(firstSeed + static_cast<std::uint32_t>(i)));
    return pictures;
}

QByteArray AlbumBytesOf(const QList<QImage> &images, const QString &password)
{
    const AlbumWriteResult encoded = EncodeAlbum(images, password);
    EXPECT_TRUE(encoded.ok);
    EXPECT_EQ(encoded.imagesWritten, images.size());
    return AsByteArray(encoded.bytes);
}

class AlbumCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InitCompression());
        ASSERT_TRUE(m_dir.isValid());
    }

    TForm1 &form() { return *m_editor.form; }
    ScriptedDialogs &dialogs() { return *m_editor.dialogs; }
    Album &album() { return m_editor.form->album(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // An album file on disk, written by the core encoder.
    QString albumFile(const QString &name, const QList<QImage> &images, const QString &password = {})
    {
        const QString file = path(name);
        EXPECT_TRUE(WriteFileBytes(file, AlbumBytesOf(images, password)));
        return file;
    }

    // Images added the way the image commands add them.
    void addImages(const QList<QImage> &images)
    {
        for (const QImage &image : images)
            album().append(image);
        form().RefreshState(true);
    }

    void load(const QString &file)
    {
        dialogs().albumsToOpen.append(file);
        form().Button6Click();
    }

    void expectImages(const QList<QImage> &expected)
    {
        ASSERT_EQ(album().count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_EQ(album().image(i), DeviceViewOf(expected.at(i))) << "image " << i;
    }

    void expectBox(int index, QMessageBox::Icon icon, const QString &caption, const QString &text)
    {
        ASSERT_GT(dialogs().boxes.size(), index);
        const ScriptedDialogs::Box &box = dialogs().boxes.at(index);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
    }

    // Everything a failed command must leave as it was.
    struct Snapshot
    {
        QList<QImage> images;
        QString password;
        QString field;
        QString currentPath;
        bool modified;
        QString caption;
        int selected;
        bool saveEnabled;
        bool deleteEnabled;
    };
    Snapshot snapshot()
    {
        return {album().images(),
                album().passwordText(),
                Edit1Of(form())->text(),
                album().currentPath(),
                album().modified(),
                form().windowTitle(),
                form().selectedIndex(),
                ButtonOf(form(), 7)->isEnabled(),
                ButtonOf(form(), 5)->isEnabled()};
    }
    void expectUnchanged(const Snapshot &before)
    {
        const Snapshot now = snapshot();
        EXPECT_EQ(now.images, before.images);
        EXPECT_EQ(now.password, before.password);
        EXPECT_EQ(now.field, before.field);
        EXPECT_EQ(now.currentPath, before.currentPath);
        EXPECT_EQ(now.modified, before.modified);
        EXPECT_EQ(now.caption, before.caption);
        EXPECT_EQ(now.selected, before.selected);
        EXPECT_EQ(now.saveEnabled, before.saveEnabled);
        EXPECT_EQ(now.deleteEnabled, before.deleteEnabled);
    }

    QTemporaryDir m_dir;
    EditorUnderTest m_editor;
};

// --- Load -----------------------------------------------------------------

TEST_F(AlbumCommandsTest, LoadIntoUnsavedAlbumAnsweredNoChangesNothing)
{
    const QString file = albumFile(QStringLiteral("other.valbum"), NoisyPictures(2, 50), QStringLiteral("9"));
    addImages({SolidImage(qRgb(0, 0, 0)), SolidImage(qRgb(255, 255, 255))});
    Edit1Of(form())->setText(QStringLiteral("12"));
    form().selectEntry(1);
    const Snapshot before = snapshot();
    dialogs().albumsToOpen.append(file);
    dialogs().answers.append(QMessageBox::No);

    form().Button6Click();

    ASSERT_EQ(dialogs().boxes.size(), 1);
    EXPECT_TRUE(dialogs().boxes.at(0).question);
    expectBox(0, QMessageBox::Question, Editor, QStringLiteral("Discard unsaved information?"));
    EXPECT_EQ(dialogs().openDialogsShown, 0);
    expectUnchanged(before);
}

TEST_F(AlbumCommandsTest, LoadReplacesTheAlbumAndLeavesItClean)
{
    const QList<QImage> first = NoisyPictures(2, 1);
    const QList<QImage> second = NoisyPictures(3, 10);
    const QString firstFile = albumFile(QStringLiteral("first.valbum"), first, QStringLiteral("4711"));
    const QString secondFile = albumFile(QStringLiteral("second.valbum"), second, QStringLiteral("99999999"));

    // A clean window loads without asking.
    load(firstFile);
    EXPECT_TRUE(dialogs().boxes.isEmpty());
    expectImages(first);
    EXPECT_EQ(Edit1Of(form())->text(), QStringLiteral("4711"));
    EXPECT_EQ(album().currentPath(), firstFile);

    // An edited one asks first, then replaces everything.
    form().selectEntry(1);
    addImages({SolidImage(qRgb(90, 90, 90))});
    dialogs().answers.append(QMessageBox::Yes);
    load(secondFile);

    ASSERT_EQ(dialogs().boxes.size(), 1);
    EXPECT_TRUE(dialogs().boxes.at(0).question);
    expectImages(second);
    EXPECT_EQ(Edit1Of(form())->text(), QStringLiteral("99999999"));
    EXPECT_EQ(album().passwordText(), QStringLiteral("99999999"));
    EXPECT_EQ(album().currentPath(), secondFile);
    EXPECT_FALSE(album().modified());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor - second.valbum"));
    EXPECT_EQ(form().selectedIndex(), -1);
    EXPECT_FALSE(ButtonOf(form(), 5)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 2)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 3)->isEnabled());
    EXPECT_FALSE(ButtonOf(form(), 7)->isEnabled());
    EXPECT_TRUE(ButtonOf(form(), 9)->isEnabled());
}

TEST_F(AlbumCommandsTest, LoadedAlbumStartsAtItsFirstImage)
{
    const QString file = albumFile(QStringLiteral("eight.valbum"), NoisyPictures(8, 1));
    load(file);
    QScrollBar *scroll = ListBox1Of(form())->verticalScrollBar();
    QCoreApplication::processEvents();
    scroll->setValue(scroll->maximum());
    ASSERT_GT(scroll->value(), 0);
    load(file);
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->value(), 0);
}

TEST_F(AlbumCommandsTest, LoadShowsOnlyPasswordsTheFieldCanHold)
{
    // Stored 0 means no password; anything past eight digits is not shown either.
    const struct
    {
        QString stored;
        QString shown;
    } cases[] = {
        {QString(), QString()}, {QStringLiteral("1"), QStringLiteral("1")}, {QStringLiteral("100000000"), QString()}};
    int n = 0;
    for (const auto &c : cases) {
        Edit1Of(form())->setText(QStringLiteral("555"));
        dialogs().answers.append(QMessageBox::Yes);
        load(albumFile(QStringLiteral("p%1.valbum").arg(n++), NoisyPictures(1, 3), c.stored));
        EXPECT_EQ(Edit1Of(form())->text(), c.shown) << c.stored.toStdString();
        EXPECT_EQ(album().passwordText(), c.shown) << c.stored.toStdString();
        EXPECT_FALSE(album().modified()) << c.stored.toStdString();
    }
}

TEST_F(AlbumCommandsTest, LoadConfirmedThenCancelledKeepsTheUnsavedAlbum)
{
    addImages({SolidImage(qRgb(10, 10, 10))});
    Edit1Of(form())->setText(QStringLiteral("3"));
    const Snapshot before = snapshot();
    dialogs().answers.append(QMessageBox::Yes);

    form().Button6Click(); // no file queued: the dialog is cancelled

    EXPECT_EQ(dialogs().openDialogsShown, 1);
    EXPECT_EQ(dialogs().boxes.size(), 1);
    expectUnchanged(before);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor* - "));
}

TEST_F(AlbumCommandsTest, LoadOfANonAlbumChangesNothing)
{
    load(albumFile(QStringLiteral("mine.valbum"), NoisyPictures(2, 5), QStringLiteral("77")));
    addImages({SolidImage(qRgb(200, 200, 200))});
    form().selectEntry(0);
    const QString foreign = path(QStringLiteral("notes.valbum"));
    ASSERT_TRUE(WriteFileBytes(foreign, QByteArrayLiteral("These are notes, not pictures.")));
    const Snapshot before = snapshot();
    dialogs().answers.append(QMessageBox::Yes);

    load(foreign);

    ASSERT_EQ(dialogs().boxes.size(), 2);
    expectBox(1, QMessageBox::Critical, QStringLiteral("Vemo ZidarUzura"),
              QStringLiteral("This file is not a Vemo ZidarUzura"));
    expectUnchanged(before);
}

TEST_F(AlbumCommandsTest, LoadOfAMissingFileShowsTheReasonAndChangesNothing)
{
    load(albumFile(QStringLiteral("here.valbum"), NoisyPictures(1, 7)));
    const Snapshot before = snapshot();
    const QString missing = path(QStringLiteral("gone.valbum"));

    load(missing);

    ASSERT_EQ(dialogs().boxes.size(), 1);
    // Captioned with whatever the window is called at the moment.
    expectBox(0, QMessageBox::Critical, QStringLiteral("Vemo ZidarUzura editor - here.valbum"),
              QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(missing));
    expectUnchanged(before);
}

// An album named at start-up opens as Load Album opens it into a fresh window:
// the same boxes, the same album, caption and buttons.
TEST_F(AlbumCommandsTest, AlbumFromTheCommandLineOpensAsLoadAlbumDoes)
{
    const QString good = albumFile(QStringLiteral("good.valbum"), NoisyPictures(2, 9), QStringLiteral("55"));
    const QString foreign = path(QStringLiteral("notes.valbum"));
    ASSERT_TRUE(WriteFileBytes(foreign, QByteArrayLiteral("These are notes, not pictures.")));
    const QString damaged = path(QStringLiteral("damaged.valbum"));
    // The second record's payload zeroed: it no longer decompresses.
    QByteArray bytes = ReadFileBytes(good);
    const qsizetype second =
        AlbumHeaderSize + 2 + qFromLittleEndian<std::uint16_t>(bytes.constData() + AlbumHeaderSize);
    std::fill(bytes.begin() + second + RecordHeaderSize, bytes.end(), '\0');
    ASSERT_TRUE(WriteFileBytes(damaged, bytes));
    const QString missing = path(QStringLiteral("gone.valbum"));

    for (const QString &file : {good, foreign, damaged, missing}) {
        SCOPED_TRACE(file.toStdString());
        EditorUnderTest loaded;
        loaded.dialogs->albumsToOpen.append(file);
        loaded.form->Button6Click();
        EditorUnderTest opened;
        opened.form->OpenAlbumFile(file);

        const auto boxTexts = [](const ScriptedDialogs &dialogs) {
            QStringList texts;
            for (const ScriptedDialogs::Box &box : dialogs.boxes)
                texts.append(QStringLiteral("%1|%2|%3").arg(box.icon).arg(box.caption, box.text));
            return texts;
        };
        EXPECT_EQ(boxTexts(*opened.dialogs), boxTexts(*loaded.dialogs));
        EXPECT_EQ(opened.form->album().images(), loaded.form->album().images());
        EXPECT_EQ(Edit1Of(*opened.form)->text(), Edit1Of(*loaded.form)->text());
        EXPECT_EQ(opened.form->windowTitle(), loaded.form->windowTitle());
        EXPECT_EQ(ButtonOf(*opened.form, 9)->isEnabled(), ButtonOf(*loaded.form, 9)->isEnabled());
        EXPECT_EQ(opened.form->album().modified(), loaded.form->album().modified());
        // A good album fills the window; anything else leaves it empty, with a box.
        EXPECT_EQ(opened.form->album().count(), file == good ? 2 : file == damaged ? 1 : 0);
        EXPECT_EQ(opened.dialogs->boxes.isEmpty(), file == good);
    }
}

// Qt reads "[*]" in a title as its modified-marker placeholder; a file name
// must still show as it is.
TEST_F(AlbumCommandsTest, CaptionShowsFileNamesLiterally)
{
    for (const QString &name : {QStringLiteral("a[*]b.valbum"), QStringLiteral("[*][*]x[*].valbum")}) {
        SCOPED_TRACE(name.toStdString());
        EditorUnderTest editor;
        editor.dialogs->albumsToOpen.append(albumFile(name, NoisyPictures(1, 3)));
        editor.form->Button6Click();
        ASSERT_NE(editor.form->windowHandle(), nullptr);
        EXPECT_EQ(editor.form->windowHandle()->title(), Editor + QStringLiteral(" - ") + name);
        Edit1Of(*editor.form)->setText(QStringLiteral("1"));
        EXPECT_EQ(editor.form->windowHandle()->title(), Editor + QStringLiteral("* - ") + name);
        EXPECT_EQ(editor.form->applicationTitle(), Editor + QStringLiteral("* - ") + name);
    }
}

TEST_F(AlbumCommandsTest, LoadOfADamagedAlbumKeepsWhatWasReadAndSaysSo)
{
    const QList<QImage> pictures = NoisyPictures(3, 20);
    const QByteArray good = AlbumBytesOf(pictures, QStringLiteral("42"));
    qsizetype third = AlbumHeaderSize;
    for (int i = 0; i < 2; ++i)
        third += 2 + qFromLittleEndian<std::uint16_t>(good.constData() + third);
    const auto withLength = [&](std::uint16_t length) {
        QByteArray bytes = good;
        qToLittleEndian<std::uint16_t>(length, bytes.data() + third);
        return bytes;
    };
    QByteArray zeroed = good; // a stream of zeros runs out of input
    std::fill(zeroed.begin() + third + RecordHeaderSize, zeroed.end(), '\0');
    const struct
    {
        const char *name;
        QByteArray bytes;
        int read;
        const char *reason;
    } cases[] = {
        {"cut short", good.left(good.size() - 10), 2, "a record runs past the end of the file"},
        {"length one", withLength(1), 2, "a record is too short to hold an image"},
        {"oversized payload", withLength(6000) + QByteArray(6000, '\0'), 2, "a record is larger than 4,318 bytes"},
        {"not decompressible", zeroed, 2, "a record does not decompress"},
        {"bytes left over", good + QByteArray(5, '\0'), 3, "bytes are left over after the last image"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs().boxes.clear();
        album().setModified(false);
        const QString file = path(QStringLiteral("damaged.valbum"));
        ASSERT_TRUE(WriteFileBytes(file, c.bytes));

        load(file);

        ASSERT_EQ(dialogs().boxes.size(), 1);
        expectBox(0, QMessageBox::Warning, Editor,
                  QStringLiteral("The album \"%1\" is damaged: %2 images were read, and the rest of the file could "
                                 "not be read (%3). Saving writes only the images shown.")
                      .arg(file)
                      .arg(c.read)
                      .arg(QString::fromUtf8(c.reason)));
        expectImages(pictures.mid(0, c.read));
        EXPECT_EQ(Edit1Of(form())->text(), QStringLiteral("42"));
        EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor - damaged.valbum"));

        // Saving writes exactly what is shown, and the album then reads whole.
        form().Button7Click();
        EXPECT_EQ(ReadFileBytes(file), AlbumBytesOf(pictures.mid(0, c.read), QStringLiteral("42")));
    }
}

// --- Append ---------------------------------------------------------------

TEST_F(AlbumCommandsTest, AppendAddsImagesTakesPasswordAndPathKeepsSelection)
{
    const QList<QImage> own = NoisyPictures(2, 30);
    const QList<QImage> more = NoisyPictures(3, 40);
    load(albumFile(QStringLiteral("own.valbum"), own, QStringLiteral("111")));
    const QString moreFile = albumFile(QStringLiteral("more.valbum"), more, QStringLiteral("222"));
    form().selectEntry(1);
    dialogs().albumsToOpen.append(moreFile);

    form().Button11Click();

    EXPECT_TRUE(dialogs().boxes.isEmpty());
    expectImages(own + more);
    EXPECT_EQ(Edit1Of(form())->text(), QStringLiteral("222"));
    EXPECT_EQ(album().currentPath(), moreFile);
    EXPECT_TRUE(album().modified());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor* - more.valbum"));
    EXPECT_EQ(form().selectedIndex(), 1);
    EXPECT_TRUE(ButtonOf(form(), 5)->isEnabled());
    EXPECT_TRUE(ButtonOf(form(), 7)->isEnabled());

    // Save now goes to the appended file, without asking where.
    form().Button7Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 0);
    EXPECT_EQ(ReadFileBytes(moreFile), AlbumBytesOf(own + more, QStringLiteral("222")));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor - more.valbum"));
}

TEST_F(AlbumCommandsTest, AppendOfAnAlbumWithoutPasswordEmptiesTheField)
{
    addImages({SolidImage(qRgb(0, 0, 0))});
    QTest::keyClicks(Edit1Of(form()), QStringLiteral("555"));
    ASSERT_EQ(album().passwordText(), QStringLiteral("555"));
    dialogs().albumsToOpen.append(albumFile(QStringLiteral("open.valbum"), NoisyPictures(1, 60)));

    form().Button11Click();

    EXPECT_EQ(album().count(), 2);
    EXPECT_EQ(Edit1Of(form())->text(), QString());
    EXPECT_EQ(album().passwordText(), QString());
}

TEST_F(AlbumCommandsTest, AppendWithoutAnAlbumAddsNothing)
{
    load(albumFile(QStringLiteral("base.valbum"), NoisyPictures(2, 70), QStringLiteral("8")));
    form().selectEntry(0);
    const QString foreign = path(QStringLiteral("text.valbum"));
    ASSERT_TRUE(WriteFileBytes(foreign, QByteArrayLiteral("VA")));

    // Cancelling still marks the album edited.
    form().Button11Click();
    EXPECT_EQ(album().count(), 2);
    EXPECT_TRUE(album().modified());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor* - base.valbum"));
    EXPECT_TRUE(dialogs().boxes.isEmpty());

    // A foreign file is reported; path and password stay.
    dialogs().albumsToOpen.append(foreign);
    form().Button11Click();
    ASSERT_EQ(dialogs().boxes.size(), 1);
    expectBox(0, QMessageBox::Critical, QStringLiteral("Vemo ZidarUzura"),
              QStringLiteral("This file is not a Vemo ZidarUzura"));
    EXPECT_EQ(album().count(), 2);
    EXPECT_EQ(album().currentPath(), path(QStringLiteral("base.valbum")));
    EXPECT_EQ(Edit1Of(form())->text(), QStringLiteral("8"));
    EXPECT_EQ(form().selectedIndex(), 0);

    // A file that cannot be opened stops the command before the refresh.
    dialogs().answers.append(QMessageBox::Yes);
    load(path(QStringLiteral("base.valbum")));
    dialogs().answers.clear();
    dialogs().boxes.clear();
    ASSERT_FALSE(album().modified());
    const QString missing = path(QStringLiteral("missing.valbum"));
    dialogs().albumsToOpen.append(missing);
    const Snapshot before = snapshot();
    form().Button11Click();
    ASSERT_EQ(dialogs().boxes.size(), 1);
    expectBox(0, QMessageBox::Critical, QStringLiteral("Vemo ZidarUzura editor - base.valbum"),
              QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(missing));
    expectUnchanged(before);
}

// --- Save and save as -----------------------------------------------------

TEST_F(AlbumCommandsTest, SaveWithoutAPathAsksWhereAndAdoptsTheAnswer)
{
    const QList<QImage> pictures = NoisyPictures(2, 80);
    addImages(pictures);

    // Cancelled: nothing is written and the album stays edited.
    form().Button7Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 1);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
    EXPECT_TRUE(album().modified());
    EXPECT_TRUE(album().currentPath().isEmpty());

    const QString file = path(QStringLiteral("new.valbum"));
    dialogs().albumsToSave.append(file);
    form().Button7Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 2);
    EXPECT_TRUE(dialogs().boxes.isEmpty());
    EXPECT_EQ(ReadFileBytes(file), AlbumBytesOf(pictures, {}));
    EXPECT_EQ(album().currentPath(), file);
    EXPECT_FALSE(album().modified());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor - new.valbum"));
    EXPECT_FALSE(ButtonOf(form(), 7)->isEnabled());

    // With a path, save writes there without a dialog.
    addImages({SolidImage(qRgb(128, 128, 128))});
    form().Button7Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 2);
    EXPECT_EQ(ReadFileBytes(file), AlbumBytesOf(album().images(), {}));
    EXPECT_FALSE(album().modified());
}

TEST_F(AlbumCommandsTest, SaveAsCancelledWritesNothing)
{
    addImages(NoisyPictures(1, 90));
    form().Button9Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 1);
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
    EXPECT_TRUE(album().modified());

    const QString file = albumFile(QStringLiteral("kept.valbum"), NoisyPictures(2, 91));
    const QByteArray onDisk = ReadFileBytes(file);
    dialogs().answers.append(QMessageBox::Yes);
    load(file);
    addImages({SolidImage(qRgb(1, 2, 3))});
    form().Button9Click();
    EXPECT_EQ(dialogs().saveDialogsShown, 2);
    EXPECT_EQ(ReadFileBytes(file), onDisk);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.valbum")});
    EXPECT_TRUE(album().modified());
    EXPECT_EQ(album().currentPath(), file);
}

TEST_F(AlbumCommandsTest, SaveAsMovesTheAlbumToTheNewFile)
{
    const QString oldFile = albumFile(QStringLiteral("old.valbum"), NoisyPictures(1, 95), QStringLiteral("5"));
    const QByteArray oldBytes = ReadFileBytes(oldFile);
    load(oldFile);
    addImages({SolidImage(qRgb(30, 60, 90))});
    const QString newFile = path(QStringLiteral("copy.valbum"));
    dialogs().albumsToSave.append(newFile);

    form().Button9Click();

    EXPECT_EQ(ReadFileBytes(newFile), AlbumBytesOf(album().images(), QStringLiteral("5")));
    EXPECT_EQ(ReadFileBytes(oldFile), oldBytes);
    EXPECT_EQ(album().currentPath(), newFile);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor - copy.valbum"));
}

class SaveFailureTest : public AlbumCommandsTest
{
protected:
    void SetUp() override
    {
        AlbumCommandsTest::SetUp();
        m_oldFile = albumFile(QStringLiteral("old.valbum"), NoisyPictures(2, 100), QStringLiteral("64"));
        m_oldBytes = ReadFileBytes(m_oldFile);
        load(m_oldFile);
        addImages({SolidImage(qRgb(70, 70, 70))});
    }

    void expectFailureReported(const QString &target, const QString &reason)
    {
        ASSERT_EQ(dialogs().boxes.size(), 1);
        expectBox(0, QMessageBox::Critical, Editor, QStringLiteral("Cannot save file \"%1\". %2").arg(target, reason));
        EXPECT_EQ(ReadFileBytes(m_oldFile), m_oldBytes);
        EXPECT_TRUE(album().modified());
        EXPECT_EQ(album().currentPath(), m_oldFile);
        EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor* - old.valbum"));
        EXPECT_EQ(album().count(), 3);
    }

    QString m_oldFile;
    QByteArray m_oldBytes;
};

TEST_F(SaveFailureTest, IntoAFolderThatDoesNotExist)
{
    const QString target = path(QStringLiteral("no such folder/album.valbum"));
    dialogs().albumsToSave.append(target);
    form().Button9Click();
    expectFailureReported(target, QStringLiteral("No such file or directory."));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("no such folder"))));
}

TEST_F(SaveFailureTest, UnderARegularFile)
{
    // The album's own file used as a folder: it must survive the attempt.
    const QString target = m_oldFile + QStringLiteral("/x.valbum");
    dialogs().albumsToSave.append(target);
    form().Button9Click();
    expectFailureReported(target, QStringLiteral("Not a directory."));
}

TEST_F(SaveFailureTest, IntoAReadOnlyFolderKeepsThePreviousFile)
{
    // The album lives in the read-only folder: saving over it must fail as a
    // whole, not leave it half written.
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    m_oldFile = folder + QStringLiteral("/old.valbum");
    ASSERT_TRUE(WriteFileBytes(m_oldFile, m_oldBytes));
    dialogs().answers.append(QMessageBox::Yes);
    load(m_oldFile);
    addImages({SolidImage(qRgb(70, 70, 70))});
    dialogs().boxes.clear();
    dialogs().answers.clear();

    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            GTEST_SKIP() << "this process may write into a 0555 folder";
        }
    }

    form().Button7Click();

    expectFailureReported(m_oldFile, QStringLiteral("Permission denied."));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("old.valbum")});
}

TEST_F(AlbumCommandsTest, SaveOfAnOverfullAlbumWritesWhatFitsAndWarns)
{
    const QList<QImage> pictures = NoisyPictures(25, 200);
    addImages(pictures);
    Edit1Of(form())->setText(QStringLiteral("2024"));
    const AlbumWriteResult expected = EncodeAlbum(pictures, QStringLiteral("2024"));
    const int fit = expected.imagesWritten;
    ASSERT_GT(fit, 10);
    ASSERT_LT(fit, pictures.size());
    const QString file = path(QStringLiteral("full.valbum"));
    dialogs().albumsToSave.append(file);

    form().Button9Click();

    ASSERT_EQ(dialogs().boxes.size(), 1);
    expectBox(0, QMessageBox::Warning, Editor,
              QStringLiteral("The album is full: %1 of 25 images did not fit into 81,920 bytes and were not saved, "
                             "from image %2 on.")
                  .arg(pictures.size() - fit)
                  .arg(fit, 3, 10, QLatin1Char('0')));
    const QByteArray written = ReadFileBytes(file);
    EXPECT_EQ(written, AsByteArray(expected.bytes));
    EXPECT_LE(written.size(), AlbumSizeLimit);
    // The first image left out really would not have fitted.
    const qsizetype nextRecord = EncodeAlbum({pictures.at(fit)}, {}).bytes.size() - AlbumHeaderSize;
    EXPECT_GT(written.size() + nextRecord, AlbumSizeLimit);

    EXPECT_TRUE(album().modified());
    EXPECT_EQ(album().count(), 25);
    EXPECT_EQ(album().currentPath(), file);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Vemo ZidarUzura editor* - full.valbum"));
    EXPECT_TRUE(ButtonOf(form(), 7)->isEnabled());

    EditorUnderTest reader;
    reader.dialogs->albumsToOpen.append(file);
    reader.form->Button6Click();
    EXPECT_TRUE(reader.dialogs->boxes.isEmpty());
    ASSERT_EQ(reader.form->album().count(), fit);
    for (int i = 0; i < fit; ++i)
        EXPECT_EQ(reader.form->album().image(i), DeviceViewOf(pictures.at(i))) << "image " << i;
}

TEST_F(AlbumCommandsTest, SavedAlbumLoadsAndSavesAgainByteForByte)
{
    const QString png = path(QStringLiteral("picture.png"));
    ASSERT_TRUE(NoisyImage(300).save(png));
    ASSERT_TRUE(form().ImportPicture(png, -1));
    addImages({NoisyImage(301), SolidImage(qRgb(255, 255, 255))});
    Edit1Of(form())->setFocus();
    QTest::keyClicks(Edit1Of(form()), QStringLiteral("31415926"));
    ASSERT_EQ(album().passwordText(), QStringLiteral("31415926"));
    const QString first = path(QStringLiteral("first.valbum"));
    dialogs().albumsToSave.append(first);
    form().Button9Click();
    ASSERT_TRUE(dialogs().boxes.isEmpty());
    const QByteArray firstBytes = ReadFileBytes(first);
    ASSERT_GE(firstBytes.size(), AlbumHeaderSize);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(firstBytes.constData() + 4), 31415926u);

    EditorUnderTest fresh;
    fresh.dialogs->albumsToOpen.append(first);
    fresh.form->Button6Click();
    EXPECT_EQ(Edit1Of(*fresh.form)->text(), QStringLiteral("31415926"));
    ASSERT_EQ(fresh.form->album().count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(fresh.form->album().image(i), DeviceViewOf(album().image(i))) << "image " << i;
    const QString second = path(QStringLiteral("second.valbum"));
    fresh.dialogs->albumsToSave.append(second);
    fresh.form->Button9Click();

    EXPECT_TRUE(fresh.dialogs->boxes.isEmpty());
    EXPECT_EQ(ReadFileBytes(second), firstBytes);
}

// --- The real file dialogs, configured but never run ---------------------

class AlbumFileDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // File dialogs read and write the user's dialog settings; keep those
        // out of reach of the tests.
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_dir.isValid());
    }

    // Accepts `name` typed into `dialog` under `filter`, as its OK button
    // would, and returns the file the window would be given.
    QString acceptTyped(AlbumFileDialog *dialog, const QString &filter, const QString &name)
    {
        dialog->setDirectory(m_dir.path());
        dialog->selectNameFilter(filter);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept"); // protected
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        return dialog->chosenFile();
    }

    QTemporaryDir m_dir;
    QWidget m_owner;
    QtDialogs m_dialogs{&m_owner};
};

TEST_F(AlbumFileDialogTest, BothOfferAlbumsFirstAndLastForTheWholeRun)
{
    for (QFileDialog *dialog : {m_dialogs.openDialog(), m_dialogs.saveDialog()}) {
        EXPECT_EQ(dialog->nameFilters(),
                  (QStringList{QStringLiteral("Vemo Albums (*.valbum)"), QStringLiteral("All files (*)")}));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Vemo Albums (*.valbum)"));
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("valbum"));
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->parentWidget(), &m_owner);
    }
    EXPECT_EQ(m_dialogs.openDialog()->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(m_dialogs.saveDialog()->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(m_dialogs.saveDialog()->testOption(QFileDialog::DontConfirmOverwrite));
    // One dialog each, the same one every time.
    EXPECT_NE(static_cast<QFileDialog *>(m_dialogs.openDialog()), m_dialogs.saveDialog());
    EXPECT_EQ(m_dialogs.saveDialog(), m_dialogs.saveDialog());
    // Both start where the program was started, whatever an earlier run left.
    EXPECT_EQ(m_dialogs.openDialog()->directory().absolutePath(), QDir::current().absolutePath());
    EXPECT_EQ(m_dialogs.saveDialog()->directory().absolutePath(), QDir::current().absolutePath());
}

TEST_F(AlbumFileDialogTest, SaveAddsTheAlbumSuffixOnlyUnderTheAlbumFilter)
{
    AlbumFileDialog *save = m_dialogs.saveDialog();
    EXPECT_EQ(acceptTyped(save, QStringLiteral("All files (*)"), QStringLiteral("bare")), m_dir.filePath("bare"));
    EXPECT_EQ(acceptTyped(save, QStringLiteral("Vemo Albums (*.valbum)"), QStringLiteral("bare")),
              m_dir.filePath("bare.valbum"));
    EXPECT_EQ(acceptTyped(save, QStringLiteral("Vemo Albums (*.valbum)"), QStringLiteral("named.alb")),
              m_dir.filePath("named.alb"));
}

TEST_F(AlbumFileDialogTest, OpenTakesAMissingFileAndStartsNextTimeInItsFolder)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    const QString sub = m_dir.filePath(QStringLiteral("sub"));
    AlbumFileDialog *open = m_dialogs.openDialog();

    EXPECT_EQ(acceptTyped(open, QStringLiteral("Vemo Albums (*.valbum)"), QStringLiteral("sub/absent")),
              sub + QStringLiteral("/absent.valbum"));
    EXPECT_FALSE(QFileInfo::exists(sub + QStringLiteral("/absent.valbum")));

    // Reopened, it shows that folder with the name filled in, and only this
    // dialog moved.
    EXPECT_EQ(open->directory().absolutePath(), QDir(sub).absolutePath());
    EXPECT_EQ(open->selectedFiles().value(0), sub + QStringLiteral("/absent.valbum"));
    EXPECT_NE(m_dialogs.saveDialog()->directory().absolutePath(), QDir(sub).absolutePath());

    // Cancelling chooses nothing.
    QMetaObject::invokeMethod(open, "reject");
    EXPECT_TRUE(open->chosenFile().isEmpty());
}

} // namespace

// --- Capacity meter -------------------------------------------------------

TEST_F(AlbumCommandsTest, MeterFollowsEveryCommandAndMatchesTheSavedFile)
{
    const QString other = albumFile(QStringLiteral("other.valbum"), NoisyPictures(4, 300));
    const QString scratch = path(QStringLiteral("scratch.valbum"));
    const auto expectMeterMatchesSave = [&](const char *step) {
        SCOPED_TRACE(step);
        CapacityMeter &meter = form().capacityMeter();
        QDeadlineTimer deadline(10'000);
        while (!meter.settled() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(meter.settled());

        const AlbumWriteResult saved = WriteAlbumFile(scratch, album().images(), album().passwordText());
        ASSERT_TRUE(saved.ok);
        const qint64 size = QFileInfo(scratch).size();
        EXPECT_EQ(meter.layout().bytes.size(), size);
        EXPECT_EQ(meter.layout().imagesWritten, saved.imagesWritten);
        const QString bytes = QLocale(QLocale::English).toString(size);
        const bool leavesOut = saved.imagesWritten < album().count();
        const QString expected =
            leavesOut
                ? QStringLiteral("\u26A0 %1 of %2 fit, %3 B").arg(saved.imagesWritten).arg(album().count()).arg(bytes)
                : QStringLiteral("%1 images, %2/81,920 B").arg(album().count()).arg(bytes);
        EXPECT_EQ(LabelOf(form(), 2)->text(), expected);
        EXPECT_EQ(meter.warns(), leavesOut);
        // Readable against the window as painted, and red rather than grey when images would be left out.
        const PaintedText text = PaintedTextOf(LabelOf(form(), 2));
        EXPECT_GE(text.contrast, 4.5) << text.ink.name().toStdString() << " on "
                                      << text.background.name().toStdString();
        EXPECT_EQ(IsRed(text.ink), leavesOut) << text.ink.name().toStdString();
        EXPECT_EQ(LabelOf(form(), 2)->toolTip().contains(ImageLabel(album().count() - 1)), leavesOut);
    };

    expectMeterMatchesSave("empty");
    load(albumFile(QStringLiteral("start.valbum"), NoisyPictures(3, 200) + QList<QImage>{SolidImage(qRgb(9, 9, 9))}));
    expectMeterMatchesSave("load");
    addImages(NoisyPictures(17, 400));
    expectMeterMatchesSave("add past the limit");
    form().selectEntry(2);
    form().Button5Click();
    expectMeterMatchesSave("delete");
    form().selectEntry(19);
    form().Button2Click();
    expectMeterMatchesSave("move up");
    dialogs().albumsToOpen.append(other);
    form().Button11Click();
    expectMeterMatchesSave("append");

    // Saving writes the records the meter kept: the same bytes as compressing anew.
    const QString file = path(QStringLiteral("saved.valbum"));
    dialogs().albumsToSave.append(file);
    form().Button9Click();
    EXPECT_EQ(ReadFileBytes(file), AsByteArray(EncodeAlbum(album().images(), album().passwordText()).bytes));
}

// The capacity line as it is painted, under each style and palette a user
// may run it with: readable on the window, and red once images would be left out.
TEST_F(AlbumCommandsTest, CapacityLineIsReadableAndRedAsPainted)
{
    const QString startStyle = QApplication::style()->name();
    const QPalette startPalette = QApplication::palette();
    QPalette dark;
    for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::Button, QColor(0x35, 0x35, 0x35)},
                                       {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::ButtonText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    const struct
    {
        const char *style; // null: the style the application started with
        bool darkPalette;
    } cases[] = {{nullptr, false}, {"Fusion", false}, {"Windows", false}, {"Fusion", true}, {"Windows", true}};

    const auto settle = [this] {
        QTest::qWaitFor([this] { return form().capacityMeter().settled(); }, 10'000);
        form().repaint();
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.style ? c.style : "default") + (c.darkPalette ? ", dark" : ""));
        QApplication::setStyle(c.style ? QString::fromLatin1(c.style) : startStyle);
        QApplication::setPalette(c.darkPalette ? dark : startPalette);
        album().removeAll();
        addImages(NoisyPictures(3, 500));
        settle();
        const PaintedText normal = PaintedTextOf(LabelOf(form(), 2));
        EXPECT_GE(normal.contrast, 4.5) << normal.ink.name().toStdString() << " on "
                                        << normal.background.name().toStdString();
        EXPECT_FALSE(IsRed(normal.ink)) << normal.ink.name().toStdString();

        addImages(NoisyPictures(27, 600));
        settle();
        ASSERT_TRUE(form().capacityMeter().warns());
        const PaintedText warning = PaintedTextOf(LabelOf(form(), 2));
        EXPECT_GE(warning.contrast, 4.5) << warning.ink.name().toStdString() << " on "
                                         << warning.background.name().toStdString();
        EXPECT_TRUE(IsRed(warning.ink)) << warning.ink.name().toStdString();
        // It stays a disabled label, like the version above it.
        EXPECT_FALSE(LabelOf(form(), 2)->isEnabled());
    }
    QApplication::setStyle(startStyle);
    QApplication::setPalette(startPalette);
}

// The entries saving would leave out are dimmed and marked from the first one
// on, say so in their tooltip, and stay so after a save until they fit.
TEST_F(AlbumCommandsTest, LeftOutEntriesAreMarkedInTheList)
{
    addImages(NoisyPictures(30, 700));
    QTest::qWaitFor([this] { return form().capacityMeter().settled(); }, 10'000);
    const int kept = form().capacityMeter().layout().imagesWritten;
    ASSERT_GT(kept, 1);
    ASSERT_LT(kept, 30);

    QListView *list = ListBox1Of(form());
    const auto marked = [&](int row) {
        const QModelIndex entry = album().index(row);
        list->scrollTo(entry);
        QCoreApplication::processEvents();
        const QImage painted = list->viewport()->grab().toImage();
        const QRect at = list->visualRect(entry);
        // The mark's red, and the image no longer its own greys.
        int red = 0;
        const QRect mark = ThumbnailDelegate::MarkRect.translated(at.topLeft());
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            for (int x = mark.left(); x <= mark.right(); ++x)
                red += IsRed(painted.pixelColor(QPoint(x, y) * painted.devicePixelRatio()));
        const QPoint centre = at.topLeft() + ThumbnailDelegate::ImageOffset + QPoint(46, 46);
        const bool dimmed = painted.pixel(centre * painted.devicePixelRatio()) != album().image(row).pixel(46, 46);
        EXPECT_EQ(red > 10, dimmed) << "row " << row;
        // What the tooltip says.
        QHelpEvent help(QEvent::ToolTip, at.center(), list->viewport()->mapToGlobal(at.center()));
        QApplication::sendEvent(list->viewport(), &help);
        const bool told = QToolTip::isVisible() && QToolTip::text().contains(QStringLiteral("will not be saved"));
        EXPECT_EQ(told, dimmed) << "row " << row;
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
        return red > 10 && dimmed;
    };
    const auto expectMarks = [&](int firstLeftOut, const char *step) {
        SCOPED_TRACE(step);
        for (const int row : {0, firstLeftOut - 1, firstLeftOut, album().count() - 1})
            EXPECT_EQ(marked(row), row >= firstLeftOut) << "row " << row;
    };
    expectMarks(kept, "before saving");

    dialogs().albumsToSave.append(path(QStringLiteral("full.valbum")));
    form().Button9Click();
    QTest::qWaitFor([this] { return form().capacityMeter().settled(); }, 10'000);
    expectMarks(kept, "after saving");

    // Removed until the rest fit: no mark is left.
    while (album().count() > kept) {
        form().selectEntry(album().count() - 1);
        form().Button5Click();
    }
    QTest::qWaitFor([this] { return form().capacityMeter().settled(); }, 10'000);
    for (const int row : {0, kept - 1})
        EXPECT_FALSE(marked(row)) << "row " << row;
}
