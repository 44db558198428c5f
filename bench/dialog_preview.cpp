// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture dialog's preview of a camera-sized PNG against `valbum
// preview` of the same file: in the real dialog, shown offscreen, from the
// file's name typed into its name field to the preview painted (the picture and the device
// view, default choices and with smoothing); the command as a whole process; interleaved round
// by round. Prints the
// median of each and their ratio; the target is at most 1.2.
//
//   dialog_preview VALBUM [rounds]   (default 5)
//   WORK  where the pictures are made once and kept (default: /tmp/valbum-bench)

#include "editor/picturedialog/conversionpanel.h"
#include "editor/picturedialog/openpicturedialog.h"
#include "editor/picturedialog/previewpane.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Soft gradients under fine noise, as a photo's PNG holds: 6000 x 4000.
QString MadePicture(const QString &dir, bool sixteenBits)
{
    const QString path = dir + (sixteenBits ? "/24mp-16bit.png" : "/24mp-8bit.png");
    if (QFileInfo::exists(path))
        return path;
    std::fprintf(stderr, "making %s ...\n", qPrintable(path));
    QImage picture(6000, 4000, sixteenBits ? QImage::Format_RGBX64 : QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int n = int(noise.bounded(24));
            picture.setPixelColor(x, y, QColor((x / 24 + n) % 256, (y / 16 + n) % 256, ((x + y) / 40 + n) % 256));
        }
    picture.save(path, "PNG", 50);
    return path;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dialog_preview VALBUM [rounds]\n");
        return 2;
    }
    const QString valbum = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const QString work = qEnvironmentVariable("WORK", QStringLiteral("/tmp/valbum-bench")) + "/dialog-preview";
    QDir().mkpath(work);
    for (const bool sixteenBits : {true, false})
        for (const bool smooth : {false, true}) {
            const QString picture = MadePicture(work, sixteenBits);
            std::vector<double> dialog, command;
            for (int round = 0; round < rounds; ++round) {
                // A new dialog each round: nothing of the last one's decode is kept.
                OpenPictureDialog chooser;
                chooser.setDirectory(work);
                chooser.conversionPanel()->smoothBox()->setChecked(smooth);
                chooser.show();
                auto *fileNameField = chooser.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!fileNameField) {
                    std::fprintf(stderr, "the dialog has no name field\n");
                    return 1;
                }
                QEventLoop settle;
                QElapsedTimer timer;
                QObject::connect(chooser.previewPane(), &PicturePreviewPane::previewShown, &settle, [&] {
                    if (chooser.previewPane()->path() == picture && !chooser.previewPane()->isLoading())
                        settle.quit();
                });
                QTimer::singleShot(60'000, &settle, [&] {
                    std::fprintf(stderr, "no preview in a minute\n");
                    settle.quit();
                });
                QApplication::processEvents();
                timer.start();
                // The name typed into the dialog's field, as a user does: the
                // dialog's own handling of the change starts the preview.
                fileNameField->setText(QFileInfo(picture).fileName());
                settle.exec();
                chooser.repaint();
                dialog.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (chooser.previewPane()->refused())
                    std::fprintf(stderr, "the preview failed\n");

                QProcess process;
                timer.restart();
                QStringList arguments{"preview", "--force", "--jobs", "1"};
                if (smooth)
                    arguments.append("--smooth");
                process.start(valbum, arguments + QStringList{work + "/out", picture});
                process.waitForFinished(-1);
                command.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (process.exitCode() != 0)
                    std::fprintf(stderr, "valbum preview failed: %s\n", process.readAllStandardError().constData());
            }
            const double d = Median(dialog), c = Median(command);
            std::printf("%s PNG 6000x4000%s: dialog preview %.0f ms, valbum preview %.0f ms, ratio %.2f\n",
                        sixteenBits ? "16-bit" : "8-bit", smooth ? ", smoothing" : "", d, c, d / c);
        }
    return 0;
}
