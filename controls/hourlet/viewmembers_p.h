// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

/*
    Members the day view (Hourlet) and the week view (WeekView) both offer,
    written once for the two.

    OLVAR_VIEW_COLORS(X) lists the colours both keep, one line each:
    X(Property, getter, setter, repaints) with the property's name, its getter
    and setter (the getter is also the name of the field that holds it), and
    whether the day view repaints fully when it changes. A source defines X to
    write what it needs for one colour and expands the list.
*/
#define OLVAR_VIEW_COLORS(X)                                                                                           \
    X(AppItemBackColor, appItemBackColor, setAppItemBackColor, false)                                                  \
    X(AppItemBarBorderColor, appItemBarBorderColor, setAppItemBarBorderColor, false)                                   \
    X(AppItemBarColor, appItemBarColor, setAppItemBarColor, false)                                                     \
    X(AppItemBorderColor, appItemBorderColor, setAppItemBorderColor, false)                                            \
    X(AppItemForeColor, appItemForeColor, setAppItemForeColor, false)                                                  \
    X(AvailableColor, availableColor, setAvailableColor, true)                                                         \
    X(SlotLineColor, slotLineColor, setSlotLineColor, false)                                                           \
    X(SlotsBorderColor, slotsBorderColor, setSlotsBorderColor, false)                                                  \
    X(TimeScaleBackColor, timeScaleBackColor, setTimeScaleBackColor, true)                                             \
    X(TimeScaleForeColor, timeScaleForeColor, setTimeScaleForeColor, true)                                             \
    X(UnAvailableColor, unAvailableColor, setUnAvailableColor, true)

/*
    The setters that take a QDateTime or a QDate for an OleDate property of
    the view class \a View: the active date takes the date and time, the
    working day's ends the time alone.
*/
#define OLVAR_VIEW_DATE_SETTERS(View)                                                                                  \
    void View::setActiveDate(const QDateTime &dateTime)                                                                \
    {                                                                                                                  \
        setActiveDate(OleDate::fromDateTime(dateTime));                                                                \
    }                                                                                                                  \
    void View::setActiveDate(QDate date)                                                                               \
    {                                                                                                                  \
        setActiveDate(OleDate::fromDate(date));                                                                        \
    }                                                                                                                  \
    void View::setWorkDayStart(const QDateTime &dateTime)                                                              \
    {                                                                                                                  \
        setWorkDayStart(OleDate::fromTime(dateTime.time()));                                                           \
    }                                                                                                                  \
    void View::setWorkDayEnd(const QDateTime &dateTime)                                                                \
    {                                                                                                                  \
        setWorkDayEnd(OleDate::fromTime(dateTime.time()));                                                             \
    }
