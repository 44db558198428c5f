// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldentables.h"

#include <gtest/gtest.h>

#include <string_view>

// Takes --source-dir=DIR before GoogleTest's own flags, so the tests find
// their golden tables when run under an emulator or on another machine.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    constexpr std::string_view SourceFlag = "--source-dir=";
    for (int i = 1; i < argc; ++i)
        if (const std::string_view argument = argv[i]; argument.starts_with(SourceFlag))
            SetSourceDir(argument.substr(SourceFlag.size()));
    return RUN_ALL_TESTS();
}
