// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialline.h"

namespace OlvarControls {

DialLine::DialLine(OleColor color, int width, QObject *parent)
    : QObject(parent)
    , m_color(color)
    , m_width(width)
{
}

void DialLine::setEnds(QPoint from, QPoint to)
{
    m_from = from;
    m_to = to;
}

} // namespace OlvarControls
