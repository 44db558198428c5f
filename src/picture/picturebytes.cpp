// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturebytes.h"

#include "picture/picturetypes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace {

constexpr std::size_t StreamChunk = std::size_t(1) << 20;

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

OpenFile OpenForReading(const std::filesystem::path &path)
{
#ifdef _WIN32
    return OpenFile(_wfopen(path.c_str(), L"rb"));
#else
    return OpenFile(std::fopen(path.c_str(), "rb"));
#endif
}

PictureBytes Refused(PictureBytes::Outcome outcome, std::string error = {})
{
    PictureBytes result;
    result.outcome = outcome;
    result.error = std::move(error);
    return result;
}

std::string SystemReason(int error)
{
    return std::generic_category().message(error);
}

} // namespace

PictureBytes ReadPictureFileBytes(const std::filesystem::path &path)
{
    std::error_code status;
    const std::filesystem::file_status kind = std::filesystem::status(path, status);
    // The words the front ends have always shown for a folder.
    if (!status && std::filesystem::is_directory(kind))
        return Refused(PictureBytes::Outcome::CannotOpen, "file to open is a directory");
    errno = 0;
    const OpenFile file = OpenForReading(path);
    if (!file)
        return Refused(PictureBytes::Outcome::CannotOpen, SystemReason(errno != 0 ? errno : ENOENT));

    PictureBytes result;
    if (!status && std::filesystem::is_regular_file(kind)) {
        // A regular file's size is known: too large a file is refused unread.
        std::error_code sizeStatus;
        const std::uintmax_t size = std::filesystem::file_size(path, sizeStatus);
        if (sizeStatus)
            return Refused(PictureBytes::Outcome::CannotOpen, SystemReason(sizeStatus.value()));
        if (size > std::uintmax_t(MaxPictureFileBytes))
            return Refused(PictureBytes::Outcome::TooLarge);
        result.bytes.resize(std::size_t(size));
        errno = 0;
        const std::size_t read = std::fread(result.bytes.data(), 1, result.bytes.size(), file.get());
        if (read < result.bytes.size() && std::ferror(file.get()))
            return Refused(PictureBytes::Outcome::CannotOpen, SystemReason(errno != 0 ? errno : EIO));
        // A file that shrank while it was read is judged on what it held.
        result.bytes.resize(read);
        return result;
    }
    // A stream tells its size only at its end: read on until then, or
    // until it has passed the bound.
    while (true) {
        const std::size_t had = result.bytes.size();
        result.bytes.resize(had + StreamChunk);
        const std::size_t read = std::fread(result.bytes.data() + had, 1, StreamChunk, file.get());
        result.bytes.resize(had + read);
        if (result.bytes.size() > std::size_t(MaxPictureFileBytes))
            return Refused(PictureBytes::Outcome::TooLarge);
        // A stream that ends early is judged like a file cut short: by the
        // damage checks, on the bytes that came.
        if (read < StreamChunk && (std::feof(file.get()) || std::ferror(file.get())))
            return result;
    }
}
