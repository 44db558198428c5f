#include "project1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("valbum-editor"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    return Project1(application);
}
