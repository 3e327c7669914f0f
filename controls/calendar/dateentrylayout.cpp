// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateentrylayout.h"

#include <QtGlobal>

namespace OlvarControls {

DateEntryLayout::DateEntryLayout(QSize size)
    : m_size(qMax(size.width(), MinimumWidth), qMax(size.height(), 0))
{
}

QRect DateEntryLayout::dropButton() const
{
    return QRect(m_size.width() - ButtonWidth - Margin, Margin, ButtonWidth, qMax(m_size.height() - 2 * Margin, 0));
}

QRect DateEntryLayout::upDown() const
{
    return dropButton().translated(-ButtonWidth, 0);
}

} // namespace OlvarControls
