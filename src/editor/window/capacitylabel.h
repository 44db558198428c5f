// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

// The line under the version that tells how full the album is. It is a
// disabled label like the version, but it paints its text itself: a style
// draws a disabled label in its own grey for disabled text (etched, dithered
// or faint), whatever colour the label's palette asks for, and this line must
// stay readable and turn red when images would be left out.
class CapacityLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CapacityLabel(QWidget *parent = nullptr);

    // Shows the meter's line, cut short with an ellipsis only where the
    // label is narrower than the window lays it out.
    void setSummary(const QString &summary);
    void setWarning(bool warning);
    bool warning() const { return m_warning; }

    // The text's colour: the palette's grey for disabled text, or red while
    // warning, moved as far as needed to read at 4.5 : 1 on the window.
    QColor ink() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_warning = false;
};
