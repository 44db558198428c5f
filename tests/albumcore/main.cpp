// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"
#include "coretestsupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

// Takes --source-dir=DIR before GoogleTest's own flags, so the tests find
// their data when run under an emulator or on another machine.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    TakeSourceDirFlag(argc, argv);
    if (!InitCompression()) {
        std::fputs("the compression library does not initialise\n", stderr);
        return 1;
    }
    return RUN_ALL_TESTS();
}
