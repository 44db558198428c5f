#include "editortestsupport.h"

#include <QApplication>

#include <gtest/gtest.h>

EditorUnderTest::EditorUnderTest()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    form = std::make_unique<TForm1>(std::move(scripted));
    form->show();
}

QImage SolidPicture(QRgb colour)
{
    QImage image(92, 92, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Widgets need an application object for the whole run.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
