// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "monthgrid.h"

#include "oledate.h"

namespace OlvarControls {

MonthGrid::MonthGrid(int year, int month, int firstDayOfWeek, QDate today)
    : m_year(year)
    , m_month(month)
{
    const QDate first(year, month, 1);
    m_daysInMonth = first.daysInMonth();
    m_firstColumn = OleDate::fromDate(first).weekday(firstDayOfWeek);
    for (int day = 1; day <= m_daysInMonth; ++day) {
        Cell &cell = m_cells.at(std::size_t(m_firstColumn + day - 2));
        cell.visible = true;
        cell.day = day;
        cell.caption = caption(day);
        cell.bold = today.year() == year && today.month() == month && today.day() == day;
    }
}

int MonthGrid::cellOfDay(int day) const
{
    return day >= 1 && day <= m_daysInMonth ? m_firstColumn + day - 2 : -1;
}

int MonthGrid::visibleCount() const
{
    return m_daysInMonth;
}

QString MonthGrid::caption(int day)
{
    return day < 10 ? QLatin1Char(' ') + QString::number(day) : QString::number(day);
}

int MonthGrid::weekdayOfColumn(int column, int firstDayOfWeek)
{
    return (firstDayOfWeek - 1 + column) % Columns + 1;
}

int MonthGrid::sundayColumn(int firstDayOfWeek)
{
    return (Columns + 1 - firstDayOfWeek) % Columns;
}

} // namespace OlvarControls
