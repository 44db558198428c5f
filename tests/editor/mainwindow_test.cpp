// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the user meets it: how it starts, where its controls sit,
// the password field, the list and the rules that enable the buttons.

#include "editor/commands/albummessages.h"
#include "editor/document/capacitymeter.h"
#include "editor/window/thumbnaildelegate.h"
#include "editortestsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <ostream>

// Readable failures for the many text comparisons below.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString CleanCaption = QStringLiteral("Vemo ZidarUzura editor - ");
const QString ModifiedCaption = QStringLiteral("Vemo ZidarUzura editor* - ");

const QRgb BaseColour = qRgb(250, 250, 205);
const QRgb HighlightColour = qRgb(30, 110, 40);
const QRgb TextColour = qRgb(0, 0, 0);
const QRgb HighlightedTextColour = qRgb(255, 255, 255);

// Appends pictures straight to the model, as reading an album does, then
// refreshes as a command does when it ends.
void fillAlbum(TForm1 &form, int count, QRgb colour = qRgb(128, 128, 128))
{
    const QImage picture = SolidImage(colour);
    for (int i = 0; i < count; ++i)
        form.album().append(picture);
    form.RefreshState(false);
}

void clickEntry(TForm1 &form, int row)
{
    const QModelIndex entry = form.album().index(row);
    ListBox1Of(form)->scrollTo(entry);
    QTest::mouseClick(ListBox1Of(form)->viewport(), Qt::LeftButton, {}, ListBox1Of(form)->visualRect(entry).center());
}

// Colours no style picks by itself, in every colour group, so a pixel tells
// which brush painted it whether or not the window is active.
void useDistinctListColours(TForm1 &form)
{
    QPalette palette = ListBox1Of(form)->palette();
    palette.setColor(QPalette::Base, BaseColour);
    palette.setColor(QPalette::Highlight, HighlightColour);
    palette.setColor(QPalette::Text, TextColour);
    palette.setColor(QPalette::HighlightedText, HighlightedTextColour);
    ListBox1Of(form)->setPalette(palette);
}

QImage grabList(TForm1 &form)
{
    return ListBox1Of(form)->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb pixelAt(const QImage &image, QPoint point)
{
    return image.pixel(point) & RGB_MASK;
}

QString hex(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & RGB_MASK, 6, 16, QLatin1Char('0'));
}

void expectEnabled(std::initializer_list<QPushButton *> buttons, bool enabled)
{
    for (QPushButton *button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->isEnabled(), enabled);
    }
}

void expectAlwaysAvailableCommands(TForm1 &form)
{
    expectEnabled({ButtonOf(form, 6), ButtonOf(form, 10), ButtonOf(form, 4), ButtonOf(form, 11)}, true);
}

} // namespace

TEST(MainWindowStart, OpensEmptyAndUnmodifiedWithOnlyTheCommandsThatNeedNoImages)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;

    EXPECT_EQ(form.windowTitle(), CleanCaption);
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_EQ(form.windowHandle()->title(), CleanCaption);
    EXPECT_EQ(form.applicationTitle(), CleanCaption);
    EXPECT_EQ(ListBox1Of(form)->model()->rowCount(), 0);
    EXPECT_EQ(Edit1Of(form)->text(), QString());
    EXPECT_FALSE(form.album().modified());
    EXPECT_TRUE(form.album().currentPath().isEmpty());
    EXPECT_EQ(form.selectedIndex(), -1);

    expectEnabled({ButtonOf(form, 7), ButtonOf(form, 9), ButtonOf(form, 5), ButtonOf(form, 2), ButtonOf(form, 3)},
                  false);
    expectAlwaysAvailableCommands(form);
    EXPECT_TRUE(editor.dialogs->boxes.isEmpty());
}

TEST(MainWindowLayout, ControlsSitAtTheirPlacesWithTheirCaptionsInTabOrder)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;

    struct Control
    {
        QWidget *widget;
        const char *name;
        QRect geometry;
        const char *caption; // nullptr: nothing to compare
        bool enabled;
    };
    // Tab order first, then the labels, which take no focus.
    const Control tabbed[] = {
        {ListBox1Of(form), "ListBox1", {7, 8, 194, 394}, nullptr, true},
        {ButtonOf(form, 6), "Button6", {210, 8, 160, 23}, "  Load Album...", true},
        {ButtonOf(form, 7), "Button7", {210, 38, 160, 23}, "  Save Album  ", false},
        {ButtonOf(form, 9), "Button9", {210, 63, 160, 23}, "  Save Album As...", false},
        {ButtonOf(form, 10), "Button10", {210, 220, 160, 23}, "  Add Image...", true},
        {ButtonOf(form, 4), "Button4", {210, 245, 160, 23}, "  Insert Image...", true},
        {ButtonOf(form, 11), "Button11", {210, 270, 160, 23}, "  Append Album...", true},
        {ButtonOf(form, 5), "Button5", {210, 295, 160, 23}, "  Delete Image  ", false},
        {ButtonOf(form, 2), "Button2", {210, 325, 160, 23}, "  Move Up  ", false},
        {ButtonOf(form, 3), "Button3", {210, 350, 160, 23}, "  Move Down  ", false},
        {Edit1Of(form), "Edit1", {299, 141, 68, 21}, nullptr, true},
    };
    const Control labels[] = {
        {LabelOf(form, 3), "Label3", {214, 144, 80, 13}, "Album password:", true},
        {LabelOf(form, 1), "Label1", {211, 379, 125, 13}, "ver. 1.00", false},
        {LabelOf(form, 2), "Label2", {211, 391, 159, 13}, nullptr, false},
    };

    const auto check = [&form](const Control &control) {
        SCOPED_TRACE(control.name);
        ASSERT_NE(control.widget, nullptr);
        EXPECT_EQ(control.widget->objectName(), QString::fromLatin1(control.name));
        EXPECT_EQ(control.widget->parentWidget(), &form);
        EXPECT_EQ(control.widget->geometry(), control.geometry);
        EXPECT_EQ(control.widget->isEnabled(), control.enabled);
        EXPECT_TRUE(control.widget->isVisible());
        if (control.caption) {
            QString caption;
            if (auto *button = qobject_cast<QPushButton *>(control.widget))
                caption = button->text();
            else if (auto *label = qobject_cast<QLabel *>(control.widget))
                caption = label->text();
            EXPECT_EQ(caption, QString::fromLatin1(control.caption));
        }
        if (auto *button = qobject_cast<QPushButton *>(control.widget)) {
            EXPECT_FALSE(button->icon().isNull());
        }
    };
    QStringList expectedOrder;
    for (const Control &control : tabbed)
        check(control);
    for (const Control &control : labels)
        check(control);
    for (const Control &control : tabbed)
        expectedOrder.append(QString::fromLatin1(control.name));
    EXPECT_FALSE(LabelOf(form, 2)->text().isEmpty());
    for (const Control &control : labels)
        EXPECT_FALSE(control.widget->focusPolicy() & Qt::TabFocus) << control.name;

    // The focus chain is a ring through every widget; keep the window's own
    // controls that Tab stops at.
    QStringList order;
    QWidget *widget = ListBox1Of(form);
    do {
        if (widget->parentWidget() == &form && (widget->focusPolicy() & Qt::TabFocus))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != ListBox1Of(form));
    EXPECT_EQ(order.join(u' '), expectedOrder.join(u' '));
}

TEST(MainWindowLayout, WindowHasAFixedSizeAnIconAndNoMaximizeButton)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;

    EXPECT_EQ(form.size(), QSize(378, 410));
    EXPECT_EQ(form.minimumSize(), QSize(378, 410));
    EXPECT_EQ(form.maximumSize(), QSize(378, 410));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form.windowIcon().pixmap(32, 32).isNull());

    EXPECT_EQ(Edit1Of(form)->maxLength(), 8);
    // These three have a disabled look of their own rather than a greyed copy.
    for (QPushButton *button : {ButtonOf(form, 5), ButtonOf(form, 2), ButtonOf(form, 3)}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->icon().availableSizes(QIcon::Disabled).isEmpty());
        EXPECT_FALSE(button->icon().pixmap(16, 16, QIcon::Disabled).isNull());
    }
}

TEST(MainWindowPassword, TypingTakesUpToEightDigitsAndMarksTheAlbumModified)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;

    QTest::keyClicks(Edit1Of(form), QStringLiteral("12ab34"));
    EXPECT_EQ(Edit1Of(form)->text(), QStringLiteral("1234"));
    EXPECT_EQ(form.album().passwordText(), QStringLiteral("1234"));
    EXPECT_TRUE(form.album().modified());
    EXPECT_EQ(form.windowTitle(), ModifiedCaption);
    EXPECT_EQ(form.applicationTitle(), ModifiedCaption);
    // Nothing to save in an empty album, changed password or not.
    expectEnabled({ButtonOf(form, 7), ButtonOf(form, 9), ButtonOf(form, 5)}, false);

    QTest::keyClicks(Edit1Of(form), QStringLiteral("5678 9"));
    EXPECT_EQ(Edit1Of(form)->text(), QStringLiteral("12345678"));
    EXPECT_EQ(form.album().passwordText(), QStringLiteral("12345678"));

    QTest::keyClick(Edit1Of(form), Qt::Key_Backspace);
    EXPECT_EQ(form.album().passwordText(), QStringLiteral("1234567"));
    EXPECT_TRUE(editor.dialogs->boxes.isEmpty());
}

TEST(MainWindowPassword, PasteIsRefusedUnlessItIsDigits)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    QClipboard *clipboard = QGuiApplication::clipboard();

    clipboard->setText(QStringLiteral("12ab"));
    ASSERT_EQ(clipboard->text(), QStringLiteral("12ab"));
    QTest::keyClick(Edit1Of(form), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit1Of(form)->text(), QString());
    EXPECT_FALSE(form.album().modified());
    EXPECT_EQ(form.windowTitle(), CleanCaption);

    clipboard->setText(QStringLiteral("2024"));
    QTest::keyClick(Edit1Of(form), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit1Of(form)->text(), QStringLiteral("2024"));
    EXPECT_EQ(form.windowTitle(), ModifiedCaption);
    EXPECT_FALSE(ButtonOf(form, 7)->isEnabled());

    // A long run of digits is cut at the field's limit.
    clipboard->setText(QStringLiteral("123456789"));
    QTest::keyClick(Edit1Of(form), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit1Of(form)->text(), QStringLiteral("20241234"));
}

TEST(MainWindowPassword, FieldAndAlbumFollowEachOtherOnlyOnRealChanges)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;

    // Reading an album sets the password text on the album.
    form.album().setPasswordText(QStringLiteral("4711"));
    EXPECT_EQ(Edit1Of(form)->text(), QStringLiteral("4711"));
    EXPECT_EQ(form.windowTitle(), ModifiedCaption);

    form.RefreshState(false);
    Edit1Of(form)->setText(QStringLiteral("4711"));
    form.album().setPasswordText(QStringLiteral("4711"));
    EXPECT_FALSE(form.album().modified());
    EXPECT_EQ(form.windowTitle(), CleanCaption);

    Edit1Of(form)->clear();
    EXPECT_EQ(form.album().passwordText(), QString());
    EXPECT_TRUE(form.album().modified());
}

TEST(MainWindowSelection, ClickedEntryDecidesDeleteAndMoveButtons)
{
    struct Case
    {
        const char *what;
        int count;
        int row;
        bool up;
        bool down;
    };
    const Case cases[] = {
        {"first of three", 3, 0, false, true},
        {"middle of three", 3, 1, true, true},
        {"last of three", 3, 2, true, false},
        {"the only one", 1, 0, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EditorUnderTest editor;
        TForm1 &form = *editor.form;
        fillAlbum(form, c.count);
        expectEnabled({ButtonOf(form, 5), ButtonOf(form, 2), ButtonOf(form, 3), ButtonOf(form, 7)}, false);
        EXPECT_TRUE(ButtonOf(form, 9)->isEnabled());

        clickEntry(form, c.row);
        EXPECT_EQ(form.selectedIndex(), c.row);
        EXPECT_TRUE(ButtonOf(form, 5)->isEnabled());
        EXPECT_EQ(ButtonOf(form, 2)->isEnabled(), c.up);
        EXPECT_EQ(ButtonOf(form, 3)->isEnabled(), c.down);
        // Selecting changes nothing in the album.
        EXPECT_FALSE(ButtonOf(form, 7)->isEnabled());
        EXPECT_TRUE(ButtonOf(form, 9)->isEnabled());
        EXPECT_EQ(form.windowTitle(), CleanCaption);
        expectAlwaysAvailableCommands(form);
    }
}

TEST(MainWindowSelection, KeyboardMovesTheSelectionAndTheButtonsFollow)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    fillAlbum(form, 3);
    clickEntry(form, 0);

    QTest::keyClick(ListBox1Of(form), Qt::Key_Down);
    EXPECT_EQ(form.selectedIndex(), 1);
    expectEnabled({ButtonOf(form, 5), ButtonOf(form, 2), ButtonOf(form, 3)}, true);

    QTest::keyClick(ListBox1Of(form), Qt::Key_End);
    EXPECT_EQ(form.selectedIndex(), 2);
    EXPECT_TRUE(ButtonOf(form, 2)->isEnabled());
    EXPECT_FALSE(ButtonOf(form, 3)->isEnabled());

    QTest::keyClick(ListBox1Of(form), Qt::Key_Home);
    EXPECT_EQ(form.selectedIndex(), 0);
    EXPECT_FALSE(ButtonOf(form, 2)->isEnabled());
    EXPECT_TRUE(ButtonOf(form, 3)->isEnabled());
}

// Enter and Space both press the focused button, as buttons do on Linux desktops.
TEST(MainWindowSelection, EnterPressesTheFocusedButton)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    fillAlbum(form, 4);
    clickEntry(form, 3);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        ButtonOf(form, 2)->setFocus();
        const int expected = form.selectedIndex() - 1;
        QTest::keyClick(ButtonOf(form, 2), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.selectedIndex() == expected; }, 2000)) << key;
    }
}

TEST(MainWindowState, RefreshDecidesSavingAndCaptionsWithTheFileName)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    fillAlbum(form, 2);
    clickEntry(form, 1);

    form.RefreshState(true);
    EXPECT_TRUE(ButtonOf(form, 7)->isEnabled());
    EXPECT_TRUE(ButtonOf(form, 9)->isEnabled());
    EXPECT_EQ(form.windowTitle(), ModifiedCaption);
    // The refresh keeps the selection and its buttons.
    EXPECT_EQ(form.selectedIndex(), 1);
    expectEnabled({ButtonOf(form, 5), ButtonOf(form, 2)}, true);
    EXPECT_FALSE(ButtonOf(form, 3)->isEnabled());

    form.album().setCurrentPath(QStringLiteral("/home/ana/albums/holiday.valbum"));
    form.RefreshState(true);
    EXPECT_EQ(form.windowTitle(), ModifiedCaption + QStringLiteral("holiday.valbum"));
    EXPECT_EQ(form.applicationTitle(), form.windowTitle());
    form.RefreshState(false);
    EXPECT_EQ(form.windowTitle(), CleanCaption + QStringLiteral("holiday.valbum"));
    EXPECT_EQ(form.windowHandle()->title(), form.windowTitle());
    EXPECT_FALSE(ButtonOf(form, 7)->isEnabled());
    // A path with no folder in it shows whole.
    form.album().setCurrentPath(QStringLiteral("holiday.valbum"));
    form.RefreshState(false);
    EXPECT_EQ(form.windowTitle(), CleanCaption + QStringLiteral("holiday.valbum"));

    // Emptied: nothing to save or select, however modified.
    form.album().removeAll();
    form.RefreshState(true);
    expectEnabled({ButtonOf(form, 7), ButtonOf(form, 9), ButtonOf(form, 5), ButtonOf(form, 2), ButtonOf(form, 3)},
                  false);
    expectAlwaysAvailableCommands(form);
}

TEST(ThumbnailLabel, PositionIsZeroPaddedToThreeDigits)
{
    EXPECT_EQ(ImageLabel(0), QStringLiteral("000"));
    EXPECT_EQ(ImageLabel(7), QStringLiteral("007"));
    EXPECT_EQ(ImageLabel(10), QStringLiteral("010"));
    EXPECT_EQ(ImageLabel(999), QStringLiteral("999"));
    EXPECT_EQ(ImageLabel(1000), QStringLiteral("1000"));
    EXPECT_EQ(ImageLabel(10000), QStringLiteral("10000"));
}

TEST(ThumbnailPainting, EntriesAreFilledAndCarryTheirPictureUnscaledAt40By2)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    useDistinctListColours(form);
    const QRgb pictures[] = {qRgb(220, 40, 40), qRgb(40, 40, 220)};
    for (QRgb picture : pictures)
        form.album().append(SolidImage(picture));
    form.RefreshState(false);
    clickEntry(form, 0);
    // Away from the list, so no focus frame crosses the pixels read below.
    Edit1Of(form)->setFocus();

    const QImage shot = grabList(form);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row == 0 ? "selected entry" : "unselected entry");
        const QRect rect = ListBox1Of(form)->visualRect(form.album().index(row));
        EXPECT_EQ(rect.top(), row * ThumbnailDelegate::EntryHeight);
        EXPECT_EQ(rect.height(), ThumbnailDelegate::EntryHeight);
        const QRgb brush = row == 0 ? HighlightColour : BaseColour;
        const QRgb picture = pictures[row];
        const QPoint origin = rect.topLeft();

        const struct
        {
            QPoint offset;
            QRgb expected;
        } probes[] = {
            {{40, 2}, picture},
            {{131, 2}, picture},
            {{40, 93}, picture},
            {{131, 93}, picture},
            {{39, 2}, brush},
            {{40, 1}, brush},
            {{132, 50}, brush},
            {{80, 94}, brush},
            {{160, 20}, brush},
            {{20, 10}, brush},
            {{rect.width() - 8, 80}, brush},
        };
        for (const auto &probe : probes)
            EXPECT_EQ(hex(pixelAt(shot, origin + probe.offset)), hex(probe.expected))
                << "at +" << probe.offset.x() << ",+" << probe.offset.y();
    }
}

// At a display scale of 2 every album pixel becomes a 2 x 2 block of its own
// grey, even where the painter was left smoothing.
TEST(ThumbnailPainting, PicturesArePixelExactAtDisplayScaleTwo)
{
    Album album;
    QImage checkerboard(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x)
            checkerboard.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    album.append(checkerboard);

    QImage canvas(200 * 2, ThumbnailDelegate::EntryHeight * 2, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(2);
    canvas.fill(Qt::red);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, ThumbnailDelegate::EntryHeight);
    const CapacityMeter meter(album);
    ThumbnailDelegate(meter).paint(&painter, option, album.index(0));
    painter.end();

    int blended = 0;
    for (int y = 0; y < AlbumImageSide; ++y)
        for (int x = 0; x < AlbumImageSide; ++x) {
            const QRgb expected = checkerboard.pixel(x, y);
            for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                if (canvas.pixel(2 * (40 + x) + corner.x(), 2 * (2 + y) + corner.y()) != expected)
                    ++blended;
        }
    EXPECT_EQ(blended, 0);
}

TEST(ThumbnailPainting, LabelIsWrittenInTheWindowFontAt10By42)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    useDistinctListColours(form);
    fillAlbum(form, 1001);

    for (const int row : {10, 1000}) {
        SCOPED_TRACE(row);
        const QModelIndex entry = form.album().index(row);
        ListBox1Of(form)->scrollTo(entry, QAbstractItemView::PositionAtTop);
        const QRect rect = ListBox1Of(form)->visualRect(entry);
        const QImage shot = grabList(form).copy(rect);

        // The same text laid out from its top-left corner, on the same brush.
        const auto reference = [&](const QString &label) {
            QPixmap pixmap(rect.size());
            pixmap.fill(QColor::fromRgb(BaseColour));
            QPainter painter(&pixmap);
            painter.setFont(form.font());
            painter.setPen(QColor::fromRgb(TextColour));
            painter.drawText(QRect(10, 42, rect.width() - 10, rect.height() - 42), Qt::AlignLeft | Qt::AlignTop, label);
            painter.end();
            return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QRect labelColumn(0, 0, 40, rect.height());
        const QImage expected = reference(ImageLabel(row)).copy(labelColumn);
        ASSERT_NE(expected, reference(QStringLiteral("000")).copy(labelColumn));
        EXPECT_EQ(shot.copy(labelColumn), expected);
    }
}

TEST(ThumbnailPainting, FocusedEntryIsFramedAlongItsEdges)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    useDistinctListColours(form);
    fillAlbum(form, 3);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    clickEntry(form, 1);
    // The style frames the focused entry once focus has moved by keyboard:
    // Tab from the password field wraps round to the list.
    Edit1Of(form)->setFocus();
    QTest::keyClick(Edit1Of(form), Qt::Key_Tab);
    ASSERT_TRUE(ListBox1Of(form)->hasFocus());
    const QRect rect = ListBox1Of(form)->visualRect(form.album().index(1));
    const QImage focused = grabList(form).copy(rect);

    QTest::keyClick(ListBox1Of(form), Qt::Key_Tab);
    ASSERT_TRUE(ButtonOf(form, 6)->hasFocus());
    const QImage unfocused = grabList(form).copy(rect);

    const QRect inner = QRect(QPoint(0, 0), rect.size()).adjusted(3, 3, -3, -3);
    EXPECT_EQ(focused.copy(inner), unfocused.copy(inner));
    int changedOnEdges = 0;
    for (int x = 0; x < rect.width(); ++x)
        for (int y = 0; y < rect.height(); ++y)
            if (!inner.contains(x, y) && focused.pixel(x, y) != unfocused.pixel(x, y))
                ++changedOnEdges;
    EXPECT_GT(changedOnEdges, 0);
}

TEST(MainWindowList, TenThousandEntriesScrollToTheEndWithoutAWidgetPerEntry)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    const qsizetype widgetsBefore = ListBox1Of(form)->findChildren<QWidget *>().size();
    const QRgb last = qRgb(200, 60, 160);
    fillAlbum(form, 9999);
    form.album().append(SolidImage(last));
    form.RefreshState(true);
    // The list lays its entries out when the event loop next runs.
    QCoreApplication::processEvents();

    EXPECT_EQ(ListBox1Of(form)->findChildren<QWidget *>().size(), widgetsBefore);
    const int viewportHeight = ListBox1Of(form)->viewport()->height();
    EXPECT_EQ(ListBox1Of(form)->verticalScrollBar()->maximum(),
              10000 * ThumbnailDelegate::EntryHeight - viewportHeight);

    clickEntry(form, 0);
    QTest::keyClick(ListBox1Of(form), Qt::Key_End);
    EXPECT_EQ(form.selectedIndex(), 9999);
    expectEnabled({ButtonOf(form, 5), ButtonOf(form, 2)}, true);
    EXPECT_FALSE(ButtonOf(form, 3)->isEnabled());

    const QRect rect = ListBox1Of(form)->visualRect(form.album().index(9999));
    // Entries span the viewport exactly, scroll bar or not.
    EXPECT_EQ(rect.width(), ListBox1Of(form)->viewport()->width());
    EXPECT_TRUE(ListBox1Of(form)->viewport()->rect().contains(rect));
    EXPECT_EQ(ListBox1Of(form)->indexAt(QPoint(100, viewportHeight - 2)).row(), 9999);
    const QImage shot = grabList(form);
    EXPECT_EQ(hex(pixelAt(shot, rect.topLeft() + QPoint(40, 2))), hex(last));
    EXPECT_EQ(hex(pixelAt(shot, rect.topLeft() + QPoint(40, 2 - ThumbnailDelegate::EntryHeight))),
              hex(qRgb(128, 128, 128)));
}

TEST(MainWindowClose, UnsavedChangesCloseOnlyOnYes)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    QTest::keyClicks(Edit1Of(form), QStringLiteral("1"));
    ASSERT_TRUE(form.album().modified());

    editor.dialogs->answers = {QMessageBox::No};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(editor.dialogs->boxes.size(), 1);
    const ScriptedDialogs::Box &box = editor.dialogs->boxes.constFirst();
    EXPECT_TRUE(box.question);
    EXPECT_EQ(box.caption, QStringLiteral("Vemo ZidarUzura editor"));
    EXPECT_EQ(box.text, QStringLiteral("Discard unsaved information?"));

    editor.dialogs->answers = {QMessageBox::Yes};
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(editor.dialogs->boxes.size(), 2);
}

TEST(MainWindowClose, UnmodifiedAlbumClosesWithoutAsking)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    fillAlbum(form, 2);
    form.album().setCurrentPath(QStringLiteral("/tmp/saved.valbum"));
    form.RefreshState(false);

    EXPECT_TRUE(form.close());
    EXPECT_TRUE(editor.dialogs->boxes.isEmpty());
}

TEST(MainWindowErrors, GeneralErrorBoxEndsItsTextWithAPeriod)
{
    EditorUnderTest editor;
    TForm1 &form = *editor.form;
    QTest::keyClicks(Edit1Of(form), QStringLiteral("9"));

    const struct
    {
        const char *message;
        const char *shown;
    } cases[] = {
        {"Cannot open file \"a.valbum\". Access denied", "Cannot open file \"a.valbum\". Access denied."},
        {"Already closed.", "Already closed."},
        {"", ""},
        {"Ends in a digit 5", "Ends in a digit 5."},
        {"Ends in a slash /", "Ends in a slash /."},
        // These sort before the period and are left as they are.
        {"Ends in a bracket (see above)", "Ends in a bracket (see above)"},
        {"Ends in a comma,", "Ends in a comma,"},
        {"Ends in a blank ", "Ends in a blank "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        editor.dialogs->boxes.clear();
        form.showGeneralError(QString::fromUtf8(c.message));
        ASSERT_EQ(editor.dialogs->boxes.size(), 1);
        const ScriptedDialogs::Box &box = editor.dialogs->boxes.constFirst();
        EXPECT_EQ(box.text, QString::fromUtf8(c.shown));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_FALSE(box.question);
        // Captioned with what the window is called right now.
        EXPECT_EQ(box.caption, ModifiedCaption);
    }
}

TEST(EditorMessages, OpenFailureDropsTheReasonsOwnClosingPeriodAndBlanks)
{
    EXPECT_EQ(CannotOpenMessage(QStringLiteral("/a b"), QStringLiteral("Access is denied. \r\n")),
              QStringLiteral("Cannot open file \"/a b\". Access is denied"));
    EXPECT_EQ(CannotOpenMessage(QStringLiteral("p"), QStringLiteral("...")),
              QStringLiteral("Cannot open file \"p\". "));
}
