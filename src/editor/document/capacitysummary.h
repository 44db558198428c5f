// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the capacity line says, worded short enough for the window's free
// label at any count: the byte count is the figure it exists for, so where
// room runs out the fixed limit goes to the tooltip, never the count.
struct CapacityFigures
{
    enum class State {
        Measuring,  // not settled yet
        CannotSave, // image `failedImage` cannot be compressed
        Fits,       // every image is saved
        DoesNotFit, // only the first `fitting` are saved
    };
    State state = State::Measuring;
    int count = 0;        // images in the album
    int fitting = 0;      // of them, saved
    qint64 bytes = 0;     // of the file saving now writes
    int failedImage = 0;  // when CannotSave
    bool bestFit = false; // best fit chose the renderings
};

// "12 images, 40,123/81,920 B", "12 best fit, 40,123/81,920 B",
// "⚠ 19 of 25 fit, 81,812 B", "⚠ Cannot save image 007", "12 images, measuring...".
QString CapacitySummary(const CapacityFigures &figures);

// A number as the line and its tooltip write it: "81,920".
QString CapacityNumber(qint64 value);
