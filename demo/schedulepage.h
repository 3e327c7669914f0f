// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRectF>
#include <QTransform>

namespace Sessara {

/*!
    Where a printed schedule goes on one page: a header band with the
    heading and the date range, and below it day columns drawn by the day
    view's painter in its own pixels (96 per inch), scaled so that the
    working day, 07:00 to 19:00, fills the rest of the page. The first column
    carries the time scale. Page rectangles are in device pixels.
*/
class SchedulePage
{
public:
    static constexpr int FirstHour = 7; //!< the first hour shown
    static constexpr int EndHour = 19; //!< the hour line that closes the page
    static constexpr int TimeScaleAllowance = 55; //!< the extra width of the column with the time scale
    static constexpr int MinimumColumnWidth = 120; //!< no narrower, so that a "Mon, 08 Jun" caption fits
    static constexpr double HeaderInches = 0.75;

    /*! The layout of \a columns columns on a page area \a page of a device with \a dotsPerInch. */
    SchedulePage(const QRectF &page, double dotsPerInch, int columns);

    /*! The header band. */
    QRectF headerRect() const { return m_header; }
    /*! Device pixels per day-view pixel. */
    double scale() const { return m_scale; }
    /*! The day view's scroll value that puts 07:00 right under its header band. */
    static int scrollValue();
    /*! The day view's height, header band included, that ends with the 19:00 line. */
    static int dayHeight();
    /*! The left of column \a index, in day-view pixels from the body's left. */
    int columnLeft(int index) const;
    /*! The width of column \a index in day-view pixels. */
    int columnWidth(int index) const;
    /*! Maps column \a index's day-view pixels to the device. */
    QTransform columnTransform(int index) const;

private:
    QRectF m_header;
    QRectF m_body;
    double m_scale = 1.0;
    int m_columns = 1;
    int m_width = 0; //!< the width of a column without the time scale
};

} // namespace Sessara
