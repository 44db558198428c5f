#pragma once

#include "scripteddialogs.h"
#include "unit1.h"

#include <QImage>

#include <memory>

// A shown window with scripted dialogs, as the tests drive it.
struct EditorUnderTest
{
    EditorUnderTest();

    ScriptedDialogs *dialogs; // owned by the window
    std::unique_ptr<TForm1> form;
};

// A 92 x 92 picture of one colour.
QImage SolidPicture(QRgb colour);
