// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QPoint>
#include <QRectF>
#include <QSize>

#include <array>

namespace OlvarControls {

/*!
    The dial of the analog clock, in twips: its centre, rim, hub and stopwatch
    ring, and the point tables every hand, tick mark, numeral and marker
    position is taken from.

    Each table holds 61 points, index 0 to 60; index i lies i sixtieths of a
    turn clockwise from twelve o'clock (0 and 60 both at twelve). Until the
    first layOut() every point is (0, 0).
*/
class ClockGeometry
{
public:
    /*! The radii the tables are computed for, as factors of the dial radius. */
    enum Table {
        HourHand, //!< 0.45
        MinuteHand, //!< 0.6
        SecondHand, //!< 0.7
        TickInner, //!< 0.7, the inner end of the tick marks
        TickOuter, //!< 0.8, the outer end of the tick marks and the alarm marker
        Numeral, //!< 0.9
        TableCount
    };

    /*! Points in each table. */
    static constexpr int PointCount = 61;
    /*! The shortest side the control takes, in twips. */
    static constexpr int MinimumSide = 1395;
    /*! The hub's side in twips. */
    static constexpr int HubSide = 255;

    /*! The radius factor of \a table. */
    static double radiusFactor(Table table);

    /*! Lays the dial out for a client area of \a client twips and fills the tables. */
    void layOut(QSize client);

    /*! The centre of the client area, rounded to whole twips. */
    QPoint centre() const { return m_centre; }
    /*! Half the rim's width. */
    int radius() const { return m_radius; }
    /*! The rim. */
    QRectF rim() const { return m_rim; }
    /*! The hub, 255 twips square, in the middle of the rim. */
    QRectF hub() const { return m_hub; }
    /*! The stopwatch ring, 0.8 of the rim. */
    QRectF ring() const { return m_ring; }

    /*! The point at \a index (0 to 60) of \a table; (0, 0) for an index outside the table. */
    QPoint point(Table table, int index) const;

    /*! The top-left of numeral \a number (1 to 12) whose caption has \a characters characters. */
    QPoint numeralPosition(int number, int characters) const;

    /*! The table index of the hour hand at \a hour (0 to 11) and \a minute: hour x 5 + minute / 12, rounded half to even. */
    static int hourIndex(int hour, int minute);

private:
    QPoint m_centre;
    int m_radius = 0;
    int m_halfHeight = 0;
    QRectF m_rim;
    QRectF m_hub;
    QRectF m_ring;
    std::array<std::array<QPoint, PointCount>, TableCount> m_tables{};
};

} // namespace OlvarControls
