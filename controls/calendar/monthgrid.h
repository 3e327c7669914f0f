// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QDate>
#include <QString>

#include <array>

namespace OlvarControls {

/*!
    The day cells of one month in the month popup: six weeks of seven days,
    the columns starting on the user's first day of the week.

    Weekdays are numbered Sunday = 1 to Saturday = 7, as OleDate numbers them;
    columns and cells count from 0.
*/
class MonthGrid
{
public:
    static constexpr int Columns = 7;
    static constexpr int CellCount = 42;

    /*! One day cell. */
    struct Cell
    {
        bool visible = false; //!< hidden cells lie before the 1st or after the last day
        int day = 0; //!< the day of the month; 0 when hidden
        QString caption; //!< the day as shown: " 7", "12"
        bool bold = false; //!< today's cell
    };

    /*! The grid of \a month (1 to 12) of \a year, weeks starting on \a firstDayOfWeek, with \a today marked. */
    MonthGrid(int year, int month, int firstDayOfWeek, QDate today);

    int year() const { return m_year; }
    int month() const { return m_month; }
    /*! The weekday of the 1st counted from the first day of the week (1 to 7); the 1st is in cell firstColumn() - 1. */
    int firstColumn() const { return m_firstColumn; }
    /*! The cell \a index (0 to 41). */
    const Cell &cell(int index) const { return m_cells.at(std::size_t(index)); }
    /*! The cell that shows \a day, or -1. */
    int cellOfDay(int day) const;
    /*! The number of visible cells: the days in the month. */
    int visibleCount() const;

    /*! The caption of \a day: its number, with a space in front of a single digit. */
    static QString caption(int day);
    /*! The weekday shown in \a column (0 to 6) when weeks start on \a firstDayOfWeek. */
    static int weekdayOfColumn(int column, int firstDayOfWeek);
    /*! The column (0 to 6) of Sundays when weeks start on \a firstDayOfWeek. */
    static int sundayColumn(int firstDayOfWeek);

private:
    int m_year;
    int m_month;
    int m_daysInMonth;
    int m_firstColumn;
    std::array<Cell, CellCount> m_cells;
};

} // namespace OlvarControls
