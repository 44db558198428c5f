// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/picturehandles.h"

#include <limits>
#include <map>

namespace {

struct Pictures
{
    std::map<int, RgbPicture> byHandle;
    int next = 1;
};

Pictures &Held()
{
    static Pictures pictures;
    return pictures;
}

} // namespace

int KeepPicture(RgbPicture picture)
{
    Pictures &held = Held();
    // Handles are never reused while one is held; after the largest one the
    // count starts again at 1, past any still held.
    while (held.byHandle.contains(held.next))
        held.next = held.next == std::numeric_limits<int>::max() ? 1 : held.next + 1;
    const int handle = held.next;
    held.next = handle == std::numeric_limits<int>::max() ? 1 : handle + 1;
    held.byHandle.emplace(handle, std::move(picture));
    return handle;
}

const RgbPicture *KeptPicture(int handle)
{
    const auto found = Held().byHandle.find(handle);
    return found == Held().byHandle.end() ? nullptr : &found->second;
}

void ReleasePicture(int handle)
{
    Held().byHandle.erase(handle);
}
