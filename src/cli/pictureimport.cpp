// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/pictureimport.h"

#include "cli/console.h"
#include "messages/picturetexts.h"
#include "qtimage/imagerecord.h"

#include <QFile>
#include <QImageReader>
#include <QThreadPool>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// Pictures a worker may convert ahead of the one the caller takes next. A
// few per worker keep the workers busy past a slow picture without letting
// the others pile up behind it.
constexpr int SlotsPerJob = 4;

// A picture larger than this takes hundreds of megabytes while it is brought
// in (a 100-megapixel PNG with --smooth peaks at 0.8 GB), so such pictures
// are brought in one at a time, whatever the number of jobs.
constexpr qint64 HugePicturePixels = 25'000'000;

// Whether the picture may be huge: its header says so, or it is not a
// regular file, whose header cannot be read twice.
bool mayBeHuge(const QString &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), error))
        return true;
    const InputInProgress input(path);
    const QSize size = QImageReader(path).size();
    return qint64{size.width()} * size.height() > HugePicturePixels;
}

ImportedPicture importPicture(const QStringList &paths, qsizetype index, const ConversionOptions &options,
                              bool compress)
{
    ImportedPicture imported;
    imported.index = index;
    const InputInProgress input(paths.at(index));
    PictureImport picture = ImportPicture(paths.at(index), options);
    printReaderWarnings(paths.at(index), picture.warnings);
    if (!picture.ok) {
        imported.problem = QStringLiteral("%1: %2").arg(paths.at(index), PictureProblemText(picture.problem));
        return imported;
    }
    imported.image = std::move(picture.albumImage);
    if (compress)
        imported.record = RecordOfImage(imported.image);
    return imported;
}

// The results between the next picture to take and the furthest one a
// worker may start: slot `index % size` holds picture `index`.
class ResultWindow
{
public:
    explicit ResultWindow(qsizetype size)
        : m_slots(static_cast<std::size_t>(size))
    {
    }

    // The next picture for a worker, once it fits in the window; nothing when all are taken.
    std::optional<qsizetype> claim(qsizetype count)
    {
        std::unique_lock lock(m_mutex);
        m_roomFreed.wait(lock, [&] { return m_nextToClaim >= count || m_nextToClaim - m_nextToTake < slotCount(); });
        if (m_nextToClaim >= count)
            return std::nullopt;
        return m_nextToClaim++;
    }

    void put(ImportedPicture converted)
    {
        {
            const std::lock_guard lock(m_mutex);
            slot(converted.index) = std::move(converted);
        }
        m_resultReady.notify_all();
    }

    // Waits for the next picture in order and frees its slot.
    ImportedPicture take()
    {
        ImportedPicture converted;
        {
            std::unique_lock lock(m_mutex);
            m_resultReady.wait(lock, [&] { return slot(m_nextToTake).has_value(); });
            converted = std::move(*slot(m_nextToTake));
            slot(m_nextToTake).reset();
            ++m_nextToTake;
        }
        m_roomFreed.notify_all();
        return converted;
    }

private:
    qsizetype slotCount() const { return static_cast<qsizetype>(m_slots.size()); }
    std::optional<ImportedPicture> &slot(qsizetype index)
    {
        return m_slots[static_cast<std::size_t>(index % slotCount())];
    }

    std::mutex m_mutex;
    std::condition_variable m_roomFreed;
    std::condition_variable m_resultReady;
    std::vector<std::optional<ImportedPicture>> m_slots;
    qsizetype m_nextToClaim = 0;
    qsizetype m_nextToTake = 0;
};

} // namespace

void importPictures(const QStringList &paths, const ConversionOptions &options, int jobs, bool compress,
                    const std::function<void(const ImportedPicture &)> &take)
{
    if (jobs <= 1 || paths.size() <= 1) {
        for (qsizetype index = 0; index < paths.size(); ++index)
            take(importPicture(paths, index, options, compress));
        return;
    }

    // Each worker takes the next picture in turn, so at most `jobs` full-size
    // pictures are held at a time; each is reduced to its album image (and
    // record) at once and waits in its slot until the caller takes it.
    const int workers = static_cast<int>(std::min<qsizetype>(jobs, paths.size()));
    ResultWindow window(qsizetype{SlotsPerJob} * workers);
    std::mutex hugePicture;
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    for (int worker = 0; worker < workers; ++worker)
        pool.start([&] {
            while (const std::optional<qsizetype> index = window.claim(paths.size())) {
                std::unique_lock oneHugePicture(hugePicture, std::defer_lock);
                if (mayBeHuge(paths.at(*index)))
                    oneHugePicture.lock();
                window.put(importPicture(paths, *index, options, compress));
            }
        });
    for (qsizetype index = 0; index < paths.size(); ++index)
        take(window.take());
    pool.waitForDone();
}
