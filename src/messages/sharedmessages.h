// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

// The translators' context of the sentences both the editor and valbum say.
struct SharedMessages
{
    Q_DECLARE_TR_FUNCTIONS(SharedMessages)
};
