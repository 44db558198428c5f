// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumreader.h"
#include "album/albumwriter.h"
#include "picture/picturetypes.h"

#include <string_view>

// The names the page's JSON gives the core's results: the enumerators' own
// names, so the page words them as the desktop's texts do.
std::string_view NameOf(PictureProblem::Kind kind);
std::string_view NameOf(UnsupportedJpeg kind);
std::string_view NameOf(PictureFault fault);
std::string_view NameOf(AlbumReadOutcome outcome);
std::string_view NameOf(AlbumReadStop stop);
std::string_view NameOf(AlbumWriteFailure failure);
