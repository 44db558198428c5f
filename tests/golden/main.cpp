// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"
#include "coretestsupport.h"
#include "goldensets.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

// Takes --source-dir=DIR before GoogleTest's own flags, so the corpus is
// found under an emulator, Wine or Node too. --list-sets prints the table
// for comparing with what a valbum writes, --list-choices the same table in
// the page's core's words, and neither runs anything.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc == 2 && std::string_view(argv[1]) == "--list-sets") {
        std::fputs(GoldenSetLines().c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--list-choices") {
        std::fputs(GoldenSetChoiceLines().c_str(), stdout);
        return 0;
    }
    TakeSourceDirFlag(argc, argv);
    if (!InitCompression()) {
        std::fputs("the compression library does not initialise\n", stderr);
        return 1;
    }
    return RUN_ALL_TESTS();
}
