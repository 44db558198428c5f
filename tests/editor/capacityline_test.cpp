// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacity line in the window as it is laid out: its longest texts, in
// every mode, are painted whole. ctest runs this at display scales 1 and 2.

#include "editor/document/capacitysummary.h"
#include "editor/window/capacitylabel.h"
#include "editortestsupport.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

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

TEST(CapacityLine, TheLongestTextOfEveryModeIsPaintedWhole)
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
    EditorUnderTest editor;
    editor.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.form.get()));
    auto *label = qobject_cast<CapacityLabel *>(LabelOf(*editor.form, 2));
    ASSERT_NE(label, nullptr);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = CapacitySummary(c.figures);
        label->setSummary(text);
        label->setWarning(c.figures.state == State::DoesNotFit || c.figures.state == State::CannotSave);
        editor.form->repaint();
        // Not cut short with an ellipsis, and not clipped by the label's edge.
        EXPECT_EQ(label->text(), text);
        const int advance = label->fontMetrics().horizontalAdvance(text);
        EXPECT_LE(advance, label->contentsRect().width()) << text.toStdString();
        EXPECT_GE(InkRightEdge(label), advance - 3) << text.toStdString();
    }
}
