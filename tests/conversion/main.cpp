// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coretestsupport.h"

#include <gtest/gtest.h>

// Takes --source-dir=DIR before GoogleTest's own flags, so the tests find
// their golden tables when run under an emulator or on another machine.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    TakeSourceDirFlag(argc, argv);
    return RUN_ALL_TESTS();
}
