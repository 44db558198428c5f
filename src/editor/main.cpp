#include "project1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Only the name, never a display name: Qt would append that to every
    // window title, and the caption must read exactly as the window sets it.
    QApplication::setApplicationName(QStringLiteral("valbum-editor"));
    return Project1(application);
}
