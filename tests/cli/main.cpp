// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/compression.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // The program runs as a child process; an application object lets the
    // tests wait for it and lets the expected results load the same image
    // plugins the program does.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!InitCompression())
        return 1;
    return RUN_ALL_TESTS();
}
