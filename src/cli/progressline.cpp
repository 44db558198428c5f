// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/progressline.h"

#include "cli/console.h"
#include "cli/valbumtexts.h"
#include "language/textlocale.h"

#include <limits>

#include <cmath>
#include <utility>

namespace {

QString number(qint64 value)
{
    return LocaleNumber(value);
}

// "7 s", "3 min 20 s", "1 h 05 min".
QString timeText(qint64 seconds)
{
    if (seconds < 60)
        return Valbum::tr("%1 s").arg(seconds);
    if (seconds < 3600)
        return Valbum::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return Valbum::tr("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QCommandLineOption quietOption()
{
    return QCommandLineOption(QStringLiteral("quiet"),
                              Valbum::tr("Show no progress line (one is shown only on a terminal)."));
}

int ProgressCount(qint64 total)
{
    return int(std::min<qint64>(total, std::numeric_limits<int>::max()));
}

ProgressLine::ProgressLine(qint64 total, const QString &unit)
    : m_total(total)
    , m_unit(unit)
    , m_start(std::chrono::steady_clock::now())
{
}

ProgressLine::~ProgressLine()
{
    finish();
}

void ProgressLine::advance(qint64 done)
{
    const QMutexLocker locker(&m_lock);
    if (m_finished || !showsProgress())
        return;
    using namespace std::chrono;
    const steady_clock::time_point now = steady_clock::now();
    if (done < m_total && now - m_drawn < milliseconds(100))
        return;
    m_drawn = now;
    //: "412/2,000 pictures read": done, the total and what is done.
    QString text = Valbum::tr("%1/%2 %3").arg(number(done), number(m_total), m_unit);
    const double seconds = duration_cast<duration<double>>(now - m_start).count();
    // A rate from the first fraction of a second would be noise.
    if (done > 0 && seconds >= 0.5) {
        const double rate = double(done) / seconds;
        // The rate as it always was, without separators ("1230/s"), but
        // with the language's decimal sign ("2,5/s").
        QLocale locale = TextLocale();
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        //: Pictures or images a second.
        text += Valbum::tr(", %1/s").arg(rate >= 10 ? locale.toString(qint64(std::lround(rate)))
                                                    : locale.toString(rate, 'f', 1));
        if (done < m_total)
            //: The time still to go: ", 3 min 20 s left".
            text += Valbum::tr(", %1 left").arg(timeText(std::llround(double(m_total - done) / rate)));
    }
    showProgress(text);
}

void ProgressLine::finish()
{
    const QMutexLocker locker(&m_lock);
    if (std::exchange(m_finished, true))
        return;
    clearProgress();
}
