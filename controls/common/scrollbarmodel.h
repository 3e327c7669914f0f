// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QObject>

namespace OlvarControls {

/*!
    The state and rules of a vertical scroll bar, without a widget.

    The bar runs from Min at the top to Max at the bottom; Max may lie below
    Min, and the values then run downwards from Min to Max. The arrows move the
    value by SmallChange towards either end, the page areas by LargeChange,
    stopping at the ends.

    - Setting Value outside the range between Min and Max raises error 380 and
      changes nothing; Min, Max and Value outside -32768 to 32767 raise error 6;
      SmallChange and LargeChange take 1 to 32767, other values raise error 380.
    - Moving Min or Max so that the value falls outside the range moves the
      value to the nearer end, which is a change.
    - changed() follows every change of the value, and only a change: setting
      the value it already has raises nothing.
    - Dragging the thumb raises scrolled() for each new thumb position; the
      value changes only when the thumb is released.
*/
class ScrollBarModel : public QObject
{
    Q_OBJECT

public:
    explicit ScrollBarModel(QObject *parent = nullptr);
    ~ScrollBarModel() override;

    /*! The value at the top (0 by default). */
    int min() const { return m_min; }
    void setMin(int min);
    /*! The value at the bottom (32767 by default). */
    int max() const { return m_max; }
    void setMax(int max);
    /*! The current value (0 by default). */
    int value() const { return m_value; }
    void setValue(int value);
    /*! The arrow step (1 by default). */
    int smallChange() const { return m_smallChange; }
    void setSmallChange(int change);
    /*! The page step (1 by default). */
    int largeChange() const { return m_largeChange; }
    void setLargeChange(int change);

    /*! The smaller of Min and Max. */
    int lowest() const;
    /*! The larger of Min and Max. */
    int highest() const;
    /*! Whether Max lies below Min, so that the values fall from top to bottom. */
    bool isReversed() const { return m_max < m_min; }

    /*! Moves the value \a steps arrow steps towards Max (towards Min when negative). */
    void stepSmall(int steps);
    /*! Moves the value \a steps page steps towards Max (towards Min when negative). */
    void stepLarge(int steps);

    /*! Starts a thumb drag at the current value. */
    void beginTrack();
    /*! Moves the dragged thumb to \a position (kept in the range) and raises scrolled(). */
    void trackTo(int position);
    /*! Releases the thumb: the value becomes the thumb's position. */
    void endTrack();
    /*! Where the thumb is: the drag position while dragged, else the value. */
    int thumbPosition() const { return m_tracking ? m_trackPosition : m_value; }

Q_SIGNALS:
    /*! The value has changed. */
    void changed();
    /*! The thumb has been dragged to a new position. */
    void scrolled();
    /*! Min, Max, SmallChange or LargeChange has been set. */
    void rangeChanged();

private:
    void step(qint64 distance);
    void moveValueIntoRange();
    int clamped(qint64 value) const;

    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_tracking = false;
    int m_trackPosition = 0;
};

} // namespace OlvarControls
