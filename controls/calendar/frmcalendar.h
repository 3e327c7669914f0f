// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OlvarControls {

class MonthGrid;

/*!
    The month popup of the date entry: one month as 42 day cells under a row
    of weekday initials, with the month and year lists, buttons for a month
    back and forward that repeat every 200 ms while held, and \c btnToday and
    \c btnNone.

    It is built afresh for every opening from CalendarSharedState: the owner
    it places itself against, the date whose month it shows first, and the
    button settings. A day click or \c btnToday writes the chosen date back
    there and accepts; \c btnNone, Esc and a press outside the popup (once the
    button is released) reject, leaving the selected date as it was.

    The children are reached by name: "dateLabel0" to "dateLabel41",
    "LblWeekNameDay0" to "LblWeekNameDay6", "MonthYearLabel", "MonthList",
    "YearList", "MonthDn", "MonthUp", "btnToday", "btnNone", "PicCalendar",
    "Frame1".
*/
class frmCalendar : public QDialog
{
    Q_OBJECT

public:
    /*! The interval of the month buttons' repeat while held. */
    static constexpr int StepIntervalMs = 200;

    /*! Builds the popup from the shared state, as a child window of \a parent. Show it with exec(). */
    explicit frmCalendar(QWidget *parent = nullptr);
    ~frmCalendar() override;

    /*! The popup shown now, if any. */
    static frmCalendar *current();

    /*! Closes the popup with \a result, ending a held month button's repeat. */
    void done(int result) override;

    /*! The day cell \a index (0 to 41). */
    QLabel *dateLabel(int index) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildChildren();
    void placeAgainstOwner();
    void fillLists();
    void setShownMonth(OleDate month);
    void showMonthOf(int year, int month);
    void fillGrid();
    void layOutButtons();
    void stepMonth(int months);
    void startStepping(int months);
    void stopStepping();
    void pickDay(int index);
    void pickToday();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
