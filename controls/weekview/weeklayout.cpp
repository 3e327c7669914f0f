// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "weeklayout.h"

#include "numberconversion.h"
#include "oleerror.h"

#include <limits>

namespace OlvarControls {

namespace {

void checkIndex(int index)
{
    if (index < 0 || index >= WeekLayout::ColumnCount)
        throw OleError(ErrorNumber::InvalidProcedureCall);
}

} // namespace

WeekLayout::WeekLayout(int width, int height, bool timeScale)
    : m_height(height)
    , m_timeScale(timeScale ? TimeScaleAllowance : 0)
{
    const double share = (double(width) - ScrollBarAllowance - m_timeScale) / ColumnCount;
    const qint64 rounded = NumberConversion::roundHalfEven(share);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        throw OleError(ErrorNumber::Overflow);
    m_columnWidth = int(rounded);
}

int WeekLayout::width(int index) const
{
    checkIndex(index);
    if (index == ScrollBarColumn)
        return m_columnWidth + ScrollBarAllowance;
    if (index == TimeScaleColumn)
        return m_columnWidth + m_timeScale;
    return m_columnWidth;
}

int WeekLayout::left(int index) const
{
    checkIndex(index);
    if (index == TimeScaleColumn)
        return 0;
    return (TimeScaleColumn - index) * m_columnWidth + m_timeScale;
}

} // namespace OlvarControls
