// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/capacitylabel.h"

#include "editor/window/readablecolour.h"

#include <QPainter>
#include <QStyle>

CapacityLabel::CapacityLabel(QWidget *parent)
    : QLabel(parent)
{
    setEnabled(false);
}

void CapacityLabel::setSummary(const QString &summary)
{
    setText(fontMetrics().elidedText(summary, Qt::ElideRight, contentsRect().width()));
}

void CapacityLabel::setWarning(bool warning)
{
    if (warning == m_warning)
        return;
    m_warning = warning;
    update();
}

QColor CapacityLabel::ink() const
{
    // The label has no background of its own: the window's shows through.
    const QWidget *behind = parentWidget() ? parentWidget() : this;
    const QColor background = behind->palette().color(behind->backgroundRole());
    const QColor preferred =
        m_warning ? QColor(0xC0, 0x00, 0x00) : palette().color(QPalette::Disabled, QPalette::WindowText);
    return ReadableColour(preferred, background);
}

void CapacityLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPalette inked = palette();
    inked.setColor(QPalette::WindowText, ink());
    const int margin = this->margin();
    const QRect room = contentsRect().adjusted(margin, margin, -margin, -margin);
    // As a label draws its plain text, but always as enabled text, so that no
    // style etches or dithers it.
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), inked, true, text(),
                          QPalette::WindowText);
}
