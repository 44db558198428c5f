// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// `text` in the form QWidget::setWindowTitle() shows as it is. Qt reads "[*]"
// in a title as the place of its modified marker and drops it; a file name
// may hold those characters, so each one is doubled, which Qt shows as one.
QString LiteralWindowTitle(const QString &text);
