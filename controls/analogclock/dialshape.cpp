// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialshape.h"

namespace OlvarControls {

DialShape::DialShape(QObject *parent)
    : QObject(parent)
{
}

void DialShape::setBorder(OleColor color, int width)
{
    m_borderColor = color;
    m_borderWidth = width;
}

void DialShape::setFill(OleColor color)
{
    m_fillColor = color;
    m_filled = true;
}

} // namespace OlvarControls
