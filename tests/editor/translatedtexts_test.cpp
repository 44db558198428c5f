// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor in each language it is translated into: every caption drawn
// whole in its control, and the plural forms the language has. ctest runs
// this at display scales 1 and 2. A language nobody has translated yet
// speaks English here, as it does for its users.

#include "editor/document/capacitysummary.h"
#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/previewpane.h"
#include "editortestsupport.h"
#include "language/spokenlanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The advance of the widest of the text's lines.
int WidestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A text one control draws, where it may draw it (in the control's logical
// pixels), how wide the text and whatever stands beside it there need to
// be, and how to show it or take it away.
struct ShownText
{
    QWidget *control;
    QString text;
    QRect room;
    int needed; // the text's advance, with the icon and its gap beside it
    std::function<void(const QString &)> show;
};

// The pixels the text adds to the control: the control grabbed with it and
// without it. In logical pixels of the control.
QRect InkOf(const ShownText &shown)
{
    shown.show(shown.text);
    const QImage with = shown.control->grab().toImage();
    shown.show(QString());
    const QImage without = shown.control->grab().toImage();
    shown.show(shown.text);
    EXPECT_EQ(with.size(), without.size());
    if (with.size() != without.size())
        return {};
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    const qreal ratio = with.devicePixelRatio();
    return QRectF(ink.x() / ratio, ink.y() / ratio, ink.width() / ratio, ink.height() / ratio).toAlignedRect();
}

// Drawn whole: the text fits its room as the font measures it, and its ink
// is as wide as the text and lies within the room, so nothing was clipped.
void ExpectDrawnWhole(const ShownText &shown)
{
    SCOPED_TRACE(shown.text.toStdString() + " in " + shown.control->objectName().toStdString() + " ("
                 + shown.control->metaObject()->className() + ")");
    EXPECT_LE(shown.needed, shown.room.width());
    const QRect ink = InkOf(shown);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.width(), WidestLine(shown.control->fontMetrics(), shown.text.trimmed()) - 3);
    EXPECT_TRUE(shown.room.adjusted(-1, -1, 1, 1).contains(ink))
        << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height() << ", room "
        << shown.room.x() << "," << shown.room.y() << " " << shown.room.width() << "x" << shown.room.height();
}

ShownText LabelText(QLabel *label)
{
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    return {label, label->text(), room, WidestLine(label->fontMetrics(), label->text()),
            [label](const QString &text) { label->setText(text); }};
}

// A button's icon swapped for a clear one of the same size while it is
// measured, so that only the text's pixels change; the text still sits
// beside it as it does on screen.
ShownText ButtonText(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return {button, button->text(), room, button->fontMetrics().horizontalAdvance(button->text()) + icon,
            [button](const QString &text) { button->setText(text); }};
}

ShownText CheckBoxText(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    return {box, box->text(), room, box->fontMetrics().horizontalAdvance(box->text()),
            [box](const QString &text) { box->setText(text); }};
}

// Each of a combo box's items as the closed box shows it.
std::vector<ShownText> ComboBoxTexts(QComboBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const QRect room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    std::vector<ShownText> texts;
    for (int index = 0; index < box->count(); ++index)
        texts.push_back({box, box->itemText(index), room, box->fontMetrics().horizontalAdvance(box->itemText(index)),
                         [box, index](const QString &text) {
                             box->setCurrentIndex(index);
                             box->setItemText(index, text);
                         }});
    return texts;
}

QPixmap ClearPixmap(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Every label, button, check box and combo box item among `controls`.
void ExpectEveryTextDrawnWhole(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
            // The capacity line is checked in each of its modes.
            if (label->objectName() != QLatin1String("Label2"))
                ExpectDrawnWhole(LabelText(label));
        } else if (auto *button = qobject_cast<QPushButton *>(control); button && !button->text().isEmpty()) {
            const QIcon icon = button->icon();
            if (!icon.isNull())
                button->setIcon(QIcon(ClearPixmap(button->iconSize() * 2)));
            ExpectDrawnWhole(ButtonText(button));
            button->setIcon(icon);
        } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
            ExpectDrawnWhole(CheckBoxText(box));
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            const int current = combo->currentIndex();
            for (const ShownText &item : ComboBoxTexts(combo))
                ExpectDrawnWhole(item);
            combo->setCurrentIndex(current);
        }
    }
}

// The languages translators work on (src/language/CMakeLists.txt).
class TranslatedTexts : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override { m_language = std::make_unique<SpokenLanguage>(QString::fromLatin1(GetParam())); }
    void TearDown() override { m_language.reset(); }

    std::unique_ptr<SpokenLanguage> m_language;
};

TEST_P(TranslatedTexts, FitTheMainWindowAsPainted)
{
    EditorUnderTest editor;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.form.get()));
    // The window keeps its fixed size and every control its place.
    EXPECT_EQ(editor.form->size(), QSize(378, 410));
    QList<QWidget *> controls;
    for (QWidget *control : editor.form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        controls.append(control);
    // Enabled, as each is at some point, so their text is drawn as ink.
    for (QWidget *control : std::as_const(controls))
        control->setEnabled(true);
    ExpectEveryTextDrawnWhole(controls);
    ExpectCapacityLinePaintedWhole(*editor.form);
}

TEST_P(TranslatedTexts, FitThePictureDialogAsPainted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The widest caption the pane shows: a picture's size in four-digit
    // figures, and a count of chosen files below it.
    QImage picture(1000, 1000, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(path));

    OpenPictureDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto *pane = dialog.findChild<PicturePreviewPane *>();
    auto *panel = dialog.findChild<ConversionPanel *>();
    ASSERT_NE(pane, nullptr);
    ASSERT_NE(panel, nullptr);
    pane->showFile(path, 22);
    ASSERT_TRUE(PreviewSettles(pane));
    // The crop controls keep their room while hidden; shown, they draw.
    pane->squareSizeLabel()->show();
    pane->previewButton()->setEnabled(true);
    QList<QWidget *> controls;
    for (QWidget *control : pane->findChildren<QWidget *>())
        controls.append(control);
    for (QWidget *control : panel->findChildren<QWidget *>())
        controls.append(control);
    ExpectEveryTextDrawnWhole(controls);
}

// The capacity line's counts, whose words follow the number as the
// language's plural rules say; the thousands separators are the language's.
TEST_P(TranslatedTexts, HavePluralFormsAt1_2_5And22)
{
    const QString language = QString::fromLatin1(GetParam());
    const struct
    {
        const char *language;
        const char *forms[4]; // at 1, 2, 5 and 22 images, 12,345 bytes
    } expected[] = {
        {"de",
         {"1 Bild, 12.345/81.920 B", "2 Bilder, 12.345/81.920 B", "5 Bilder, 12.345/81.920 B",
          "22 Bilder, 12.345/81.920 B"}},
    };
    if (m_language->language().isEmpty())
        GTEST_SKIP() << GetParam() << " has no translation yet: its translators add it and its forms here";
    const auto forms = std::find_if(std::begin(expected), std::end(expected),
                                    [&](const auto &each) { return language == QLatin1String(each.language); });
    ASSERT_NE(forms, std::end(expected)) << GetParam() << " is translated: add its plural forms to this table";
    const int counts[] = {1, 2, 5, 22};
    for (std::size_t i = 0; i < std::size(counts); ++i) {
        CapacityFigures figures;
        figures.state = CapacityFigures::State::Fits;
        figures.count = figures.fitting = counts[i];
        figures.bytes = 12345;
        EXPECT_EQ(CapacitySummary(figures).toStdString(), forms->forms[i]);
    }
}

// The first of the user's languages that is English or translated, in the
// order the user gave them; English stops the search, as the user prefers it.
TEST(ChosenLanguage, IsTheFirstOfTheUsersThatIsEnglishOrTranslated)
{
    const struct
    {
        QStringList uiLanguages;
        const char *chosen;
    } cases[] = {
        {{QStringLiteral("C")}, ""},
        {{}, ""},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, ""},
        {{QStringLiteral("ko-KR")}, ""},
        {{QStringLiteral("ko-KR"), QStringLiteral("de-AT"), QStringLiteral("en-US")}, "de-AT"},
        {{QStringLiteral("de")}, "de"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChosenLanguage(c.uiLanguages).toStdString(), c.chosen) << c.uiLanguages.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Language, TranslatedTexts, ::testing::Values("de", "fr", "es", "pl", "ja"),
                         [](const ::testing::TestParamInfo<const char *> &language) { return language.param; });

} // namespace
