// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

// --fit, --gravity, --rotate, --smooth, --dither, --brightness, --contrast,
// --jobs and --verbose: how create and preview bring pictures in.
QList<QCommandLineOption> importCommandOptions();

struct ImportArguments
{
    ConversionOptions options;
    int jobs = 1;         // pictures brought in at once
    bool verbose = false; // show the picture libraries' warnings
    QString problem;      // a bad value, worded for the user; empty when all are good
};

// Reads the options from a parser that has parsed importCommandOptions().
ImportArguments importArguments(const QCommandLineParser &parser);
