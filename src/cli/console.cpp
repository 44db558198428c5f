#include "console.h"

#include <QTextStream>

#include <cstdio>

namespace {

QTextStream &standardOutput()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &standardError()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

void printLine(const QString &line)
{
    standardOutput() << line << Qt::endl;
}

void printProblem(const QString &line)
{
    standardOutput().flush();
    standardError() << "valbum: " << line << Qt::endl;
}

QString albumWriteProblem(AlbumWriteFailure failure, int failedImage, const QString &systemReason)
{
    switch (failure) {
    case AlbumWriteFailure::ImageNotAlbumSized:
        return QStringLiteral("Image %1 is not 92 x 92 pixels").arg(ImageLabel(failedImage));
    case AlbumWriteFailure::ImageNotCompressible:
        return QStringLiteral("Image %1 cannot be compressed").arg(ImageLabel(failedImage));
    case AlbumWriteFailure::FileNotWritten:
    case AlbumWriteFailure::None:
        break;
    }
    return systemReason;
}
