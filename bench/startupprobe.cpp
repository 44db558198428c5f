// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how long after `VALBUM_PROBE_START_NS` (CLOCK_REALTIME nanoseconds,
// taken by the caller just before starting this program) the first window
// painted, then quits. Built twice: as the editor, started exactly as its own
// entry point starts it, and as a bare window of the same size and title.

#include <QApplication>
#include <QWidget>

#ifndef VALBUM_BARE_WINDOW
#include "editor/window/project1.h"
#endif

#include <cstdio>
#include <ctime>

namespace {

qint64 realtimeNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            const qint64 start = qgetenv("VALBUM_PROBE_START_NS").toLongLong();
            // Let this paint finish before leaving.
            QMetaObject::invokeMethod(
                qApp,
                [start] {
                    std::printf("%.3f\n", double(realtimeNanoseconds() - start) / 1e6);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaint probe;
    application.installEventFilter(&probe);
#ifdef VALBUM_BARE_WINDOW
    QWidget window;
    window.setFixedSize(378, 410);
    window.setWindowTitle(QStringLiteral("Vemo ZidarUzura editor - "));
    window.move(282, 135);
    window.show();
    return application.exec();
#else
    QApplication::setApplicationName(QStringLiteral("valbum-editor"));
    return Project1(application);
#endif
}
