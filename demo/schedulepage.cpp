// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "schedulepage.h"

#include "slotgeometry.h"

#include <algorithm>

namespace Sessara {

namespace {
constexpr int HeaderBand = OlvarControls::SlotGeometry::HeaderHeight;
constexpr int HourHeight = 2 * OlvarControls::SlotGeometry::SlotHeight;
} // namespace

SchedulePage::SchedulePage(const QRectF &page, double dotsPerInch, int columns)
    : m_columns(std::max(columns, 1))
{
    const double header = std::min(HeaderInches * dotsPerInch, page.height() / 4);
    m_header = QRectF(page.left(), page.top(), page.width(), header);
    m_body = QRectF(page.left(), page.top() + header, page.width(), page.height() - header);
    const double byHeight = m_body.height() / dayHeight();
    const double byWidth = m_body.width() / (TimeScaleAllowance + m_columns * MinimumColumnWidth);
    m_scale = std::max(std::min(byHeight, byWidth), 1e-6);
    const int logicalWidth = int(m_body.width() / m_scale + 1e-6); // no rounding error below the minimum
    m_width = std::max((logicalWidth - TimeScaleAllowance) / m_columns, 1);
}

int SchedulePage::scrollValue()
{
    return FirstHour * HourHeight;
}

int SchedulePage::dayHeight()
{
    return HeaderBand + (EndHour - FirstHour) * HourHeight + 1;
}

int SchedulePage::columnLeft(int index) const
{
    return index == 0 ? 0 : TimeScaleAllowance + index * m_width;
}

int SchedulePage::columnWidth(int index) const
{
    return index == 0 ? TimeScaleAllowance + m_width : m_width;
}

QTransform SchedulePage::columnTransform(int index) const
{
    QTransform transform;
    transform.translate(m_body.left() + columnLeft(index) * m_scale, m_body.top());
    transform.scale(m_scale, m_scale);
    return transform;
}

} // namespace Sessara
