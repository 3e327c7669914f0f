// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "scrollbarmodel.h"

#include "oleerror.h"

#include <algorithm>
#include <limits>

namespace OlvarControls {

namespace {

void requireInteger(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw OleError(ErrorNumber::Overflow);
}

void requireChange(int change)
{
    if (change < 1 || change > std::numeric_limits<qint16>::max())
        throw OleError(ErrorNumber::InvalidPropertyValue);
}

} // namespace

ScrollBarModel::ScrollBarModel(QObject *parent)
    : QObject(parent)
{
}

ScrollBarModel::~ScrollBarModel() = default;

void ScrollBarModel::setMin(int min)
{
    requireInteger(min);
    m_min = min;
    Q_EMIT rangeChanged();
    moveValueIntoRange();
}

void ScrollBarModel::setMax(int max)
{
    requireInteger(max);
    m_max = max;
    Q_EMIT rangeChanged();
    moveValueIntoRange();
}

void ScrollBarModel::setValue(int value)
{
    requireInteger(value);
    if (value < lowest() || value > highest())
        throw OleError(ErrorNumber::InvalidPropertyValue);
    if (value == m_value)
        return;
    m_value = value;
    Q_EMIT changed();
}

void ScrollBarModel::setSmallChange(int change)
{
    requireChange(change);
    m_smallChange = change;
    Q_EMIT rangeChanged();
}

void ScrollBarModel::setLargeChange(int change)
{
    requireChange(change);
    m_largeChange = change;
    Q_EMIT rangeChanged();
}

int ScrollBarModel::lowest() const
{
    return std::min(m_min, m_max);
}

int ScrollBarModel::highest() const
{
    return std::max(m_min, m_max);
}

void ScrollBarModel::stepSmall(int steps)
{
    step(qint64(steps) * m_smallChange);
}

void ScrollBarModel::stepLarge(int steps)
{
    step(qint64(steps) * m_largeChange);
}

void ScrollBarModel::step(qint64 distance)
{
    setValue(clamped(m_value + (isReversed() ? -distance : distance)));
}

void ScrollBarModel::beginTrack()
{
    m_tracking = true;
    m_trackPosition = m_value;
}

void ScrollBarModel::trackTo(int position)
{
    if (!m_tracking)
        beginTrack();
    m_trackPosition = clamped(position);
    Q_EMIT scrolled();
}

void ScrollBarModel::endTrack()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    setValue(clamped(m_trackPosition));
}

void ScrollBarModel::moveValueIntoRange()
{
    const int value = clamped(m_value);
    if (value == m_value)
        return;
    m_value = value;
    Q_EMIT changed();
}

int ScrollBarModel::clamped(qint64 value) const
{
    return int(std::clamp<qint64>(value, lowest(), highest()));
}

} // namespace OlvarControls
