// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clockgeometry.h"

#include "numberconversion.h"

#include <cmath>

namespace OlvarControls {

namespace {

int roundToInt(double value)
{
    return int(NumberConversion::roundHalfEven(value));
}

} // namespace

double ClockGeometry::radiusFactor(Table table)
{
    switch (table) {
    case HourHand:
        return 0.45;
    case MinuteHand:
        return 0.6;
    case SecondHand:
    case TickInner:
        return 0.7;
    case TickOuter:
        return 0.8;
    case Numeral:
    case TableCount:
        break;
    }
    return 0.9;
}

void ClockGeometry::layOut(QSize client)
{
    const double width = client.width();
    const double height = client.height();
    m_centre = QPoint(roundToInt(width / 2), roundToInt(height / 2));

    const double rimLeft = width / 10;
    const double rimWidth = width - 2 * rimLeft;
    m_radius = roundToInt(rimWidth / 2);
    m_halfHeight = roundToInt(rimWidth / 2);
    m_rim = QRectF(rimLeft, m_centre.y() - m_halfHeight, rimWidth, rimWidth);

    m_hub =
        QRectF(m_rim.left() + m_radius - HubSide / 2.0, m_rim.top() + m_halfHeight - HubSide / 2.0, HubSide, HubSide);

    const double ringWidth = 0.8 * m_rim.width();
    const double ringHeight = 0.8 * m_rim.height();
    m_ring = QRectF(m_centre.x() - ringWidth / 2, m_centre.y() - ringHeight / 2, ringWidth, ringHeight);

    // The angle is accumulated in single precision, 0.1047 radians a step, as
    // the tables have always been made; the bound gives exactly 61 steps.
    float angle = 0.0f;
    for (int step = 0; step < PointCount && angle <= 6.34f; ++step, angle = float(double(angle) + 0.1047)) {
        const int index = PointCount - 1 - step;
        const double sine = std::sin(double(angle));
        const double cosine = std::cos(double(angle));
        for (int table = 0; table < TableCount; ++table) {
            const double reach = m_radius * radiusFactor(Table(table));
            m_tables[table][index] =
                QPoint(roundToInt(m_centre.x() - reach * sine), roundToInt(m_centre.y() - reach * cosine));
        }
    }
}

QPoint ClockGeometry::point(Table table, int index) const
{
    if (table < 0 || table >= TableCount || index < 0 || index >= PointCount)
        return QPoint();
    return m_tables[table][index];
}

QPoint ClockGeometry::numeralPosition(int number, int characters) const
{
    const QPoint at = point(Numeral, 5 * number);
    return QPoint(at.x() - 3 * characters, at.y() - 7);
}

int ClockGeometry::hourIndex(int hour, int minute)
{
    return roundToInt(hour * 5 + minute / 12.0);
}

} // namespace OlvarControls
