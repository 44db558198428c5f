// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editortestsupport.h"

#include "editor/document/capacitysummary.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/window/capacitylabel.h"
#include "editor/window/readablecolour.h"

#include <QApplication>
#include <QHash>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

EditorUnderTest::EditorUnderTest()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form = std::make_unique<TForm1>(std::move(scripted));
    form->show();
}

bool PreviewSettles(PicturePreviewPane *pane)
{
    return QTest::qWaitFor([pane] { return !pane->isLoading(); }, 20'000);
}

namespace {

template <typename Control>
Control *named(const TForm1 &form, const QString &name)
{
    auto *control = form.findChild<Control *>(name, Qt::FindDirectChildrenOnly);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

} // namespace

QListView *ListBox1Of(const TForm1 &form)
{
    return named<QListView>(form, QStringLiteral("ListBox1"));
}

QLineEdit *Edit1Of(const TForm1 &form)
{
    return named<QLineEdit>(form, QStringLiteral("Edit1"));
}

QPushButton *ButtonOf(const TForm1 &form, int number)
{
    return named<QPushButton>(form, QStringLiteral("Button%1").arg(number));
}

QLabel *LabelOf(const TForm1 &form, int number)
{
    return named<QLabel>(form, QStringLiteral("Label%1").arg(number));
}

PaintedText PaintedTextOf(QWidget *widget)
{
    // From the window, so that what shows through a label's clear background is there.
    QWidget *window = widget->window();
    const QImage painted = window->grab(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            ++counts[painted.pixel(x, y)];
    PaintedText text;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(most, text.background) = std::pair(it.value(), QColor::fromRgb(it.key()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = ContrastRatio(QColor::fromRgb(it.key()), text.background);
        if (contrast > text.contrast)
            std::tie(text.contrast, text.ink) = std::pair(contrast, QColor::fromRgb(it.key()));
    }
    return text;
}

bool IsRed(const QColor &colour)
{
    return colour.red() > colour.green() + 64 && colour.red() > colour.blue() + 64;
}

namespace {

// The rightmost painted column of the label's text, in the label's own
// (logical) pixels: from the window, as the screen shows it.
int InkRightEdge(QWidget *label)
{
    QWidget *window = label->window();
    const QImage painted = window->grab(QRect(label->mapTo(window, QPoint(0, 0)), label->size())).toImage();
    const QRgb background = painted.pixel(painted.width() - 1, 0);
    int right = -1;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = right + 1; x < painted.width(); ++x)
            if (painted.pixel(x, y) != background)
                right = x;
    return int(std::ceil((right + 1) / painted.devicePixelRatio()));
}

} // namespace

void ExpectCapacityLinePaintedWhole(TForm1 &form)
{
    using State = CapacityFigures::State;
    // Past anything an album holds: a record takes a few dozen bytes at the
    // least, so no more than a few thousand images fit, of any number added.
    const struct
    {
        const char *name;
        CapacityFigures figures;
    } cases[] = {
        {"fits", {State::Fits, 9999, 9999, 81920, 0, false}},
        {"fits with best fit", {State::Fits, 9999, 9999, 81920, 0, true}},
        {"over the limit", {State::DoesNotFit, 99999, 9999, 81920, 0, false}},
        {"over the limit with best fit", {State::DoesNotFit, 99999, 9999, 81920, 0, true}},
        {"cannot be saved", {State::CannotSave, 99999, 0, 0, 99998, false}},
        {"measuring", {State::Measuring, 99999, 0, 0, 0, true}},
    };
    auto *label = qobject_cast<CapacityLabel *>(LabelOf(form, 2));
    ASSERT_NE(label, nullptr);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = CapacitySummary(c.figures);
        label->setSummary(text);
        label->setWarning(c.figures.state == State::DoesNotFit || c.figures.state == State::CannotSave);
        form.repaint();
        // Not cut short with an ellipsis, and not clipped by the label's edge.
        EXPECT_EQ(label->text().toStdString(), text.toStdString());
        const int advance = label->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(advance, label->contentsRect().width()) << text.toStdString();
        EXPECT_GE(InkRightEdge(label), advance - 3) << text.toStdString();
    }
}

// Widgets need an application object for the whole run.
int main(int argc, char **argv)
{
    // Headless unless told otherwise, so the suites also list and run where
    // there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Real file dialogs save their history; keep it out of the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
