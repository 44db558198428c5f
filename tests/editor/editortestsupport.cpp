// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editortestsupport.h"

#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/previewpane.h"
#include "editor/window/readablecolour.h"

#include <QApplication>
#include <QHash>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

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
