#include "editor/windowtitle.h"

QString LiteralWindowTitle(const QString &text)
{
    const QString placeholder = QStringLiteral("[*]");
    QString title = text;
    return title.replace(placeholder, placeholder + placeholder);
}
