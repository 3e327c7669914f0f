// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "oledate.h"

#include "oleerror.h"

#include <cmath>

namespace OlvarControls {

namespace {

QDate dayZero()
{
    return QDate(1899, 12, 30);
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The platform's date range as day numbers: 1 January 100 and 31 December 9999.
constexpr qint64 FirstDay = -657434;
constexpr qint64 LastDay = 2958465;

// Day counts beyond this are held at it, so that their milliseconds fit 64 bits
// (and leave room for adding a few days); such dates are far out of range anyway.
constexpr double SaturationDays = 1e11;

} // namespace

OleDate OleDate::fromDate(QDate date)
{
    if (!date.isValid())
        return OleDate();
    return OleDate(double(dayZero().daysTo(date)));
}

OleDate OleDate::fromTime(QTime time)
{
    if (!time.isValid())
        return OleDate();
    return fromMSecs(time.msecsSinceStartOfDay());
}

OleDate OleDate::fromDateAndTime(QDate date, QTime time)
{
    const qint64 day = date.isValid() ? dayZero().daysTo(date) : 0;
    const qint64 msecs = time.isValid() ? time.msecsSinceStartOfDay() : 0;
    return fromMSecs(day * MSecsPerDay + msecs);
}

OleDate OleDate::fromDateTime(const QDateTime &dateTime)
{
    if (!dateTime.isValid())
        return OleDate();
    const QDateTime local = dateTime.timeSpec() == Qt::LocalTime ? dateTime : dateTime.toLocalTime();
    return fromDateAndTime(local.date(), local.time());
}

OleDate OleDate::fromMSecs(qint64 msecs)
{
    const qint64 day = floorDiv(msecs, MSecsPerDay);
    const double fraction = double(msecs - day * MSecsPerDay) / double(MSecsPerDay);
    return OleDate(day >= 0 ? double(day) + fraction : double(day) - fraction);
}

qint64 OleDate::toMSecs() const
{
    if (!std::isfinite(m_value))
        return 0;
    if (std::fabs(m_value) > SaturationDays)
        return qint64(std::copysign(SaturationDays, m_value)) * MSecsPerDay;
    const double whole = std::trunc(m_value);
    qint64 day = qint64(whole);
    qint64 msecs = qint64(std::llround(std::fabs(m_value - whole) * double(MSecsPerDay)));
    if (msecs >= MSecsPerDay) { // the fraction rounded up to a whole day
        msecs -= MSecsPerDay;
        ++day; // the fraction counts forward from the start of its day
    }
    return day * MSecsPerDay + msecs;
}

qint64 OleDate::dayNumber() const
{
    return floorDiv(toMSecs(), MSecsPerDay);
}

qint64 OleDate::timeMSecs() const
{
    return toMSecs() - dayNumber() * MSecsPerDay;
}

QDate OleDate::date() const
{
    return dayZero().addDays(dayNumber());
}

QTime OleDate::time() const
{
    return QTime::fromMSecsSinceStartOfDay(int(timeMSecs()));
}

QDateTime OleDate::toDateTime() const
{
    return QDateTime(date(), time());
}

bool OleDate::isValid() const
{
    // A negative value holds its time of day in the magnitude of its fraction, so
    // every time on 1 January 100 lies below -657434: the day number decides.
    return std::isfinite(m_value) && m_value > double(FirstDay - 1) && m_value < double(LastDay + 1)
        && dayNumber() >= FirstDay;
}

OleDate OleDate::checked(int errorNumber) const
{
    if (!isValid())
        throw OleError(errorNumber);
    return *this;
}

OleDate OleDate::datePart() const
{
    return fromMSecs(dayNumber() * MSecsPerDay);
}

OleDate OleDate::timePart() const
{
    return fromMSecs(timeMSecs());
}

OleDate OleDate::addDays(qint64 days) const
{
    return fromMSecs(toMSecs() + days * MSecsPerDay);
}

OleDate OleDate::addMSecs(qint64 msecs) const
{
    return fromMSecs(toMSecs() + msecs);
}

OleDate OleDate::addMonths(int months) const
{
    return fromDateAndTime(date().addMonths(months), time());
}

int OleDate::weekday() const
{
    // Day 0 was a Saturday.
    const qint64 day = dayNumber();
    return int(((day + 6) % 7 + 7) % 7) + 1;
}

int OleDate::weekday(int firstDayOfWeek) const
{
    if (firstDayOfWeek == 0)
        firstDayOfWeek = OleDate::firstDayOfWeek();
    if (firstDayOfWeek < 1 || firstDayOfWeek > 7)
        throw OleError(ErrorNumber::InvalidProcedureCall);
    return (weekday() - firstDayOfWeek + 7) % 7 + 1;
}

int OleDate::firstDayOfWeek(const QLocale &locale)
{
    return int(locale.firstDayOfWeek()) % 7 + 1; // Qt counts Monday = 1 to Sunday = 7
}

OleDate OleDate::roundedToSecond() const
{
    constexpr qint64 msecsPerSecond = 1000;
    const qint64 rounded = floorDiv(toMSecs() + msecsPerSecond / 2, msecsPerSecond) * msecsPerSecond;
    // The last half second of the range stays on its last day.
    const qint64 lastSecond = (LastDay + 1) * MSecsPerDay - msecsPerSecond;
    return fromMSecs(isValid() && rounded > lastSecond ? lastSecond : rounded);
}

qint64 OleDate::hourBoundariesBetween(OleDate from, OleDate to)
{
    constexpr qint64 msecsPerHour = 3600000;
    return floorDiv(to.toMSecs(), msecsPerHour) - floorDiv(from.toMSecs(), msecsPerHour);
}

namespace {

void registerOleDateConverters()
{
    QMetaType::registerConverter<OleDate, double>(&OleDate::value);
    QMetaType::registerConverter<double, OleDate>([](double d) { return OleDate(d); });
    QMetaType::registerConverter<OleDate, QDateTime>(&OleDate::toDateTime);
    QMetaType::registerConverter<QDateTime, OleDate>(&OleDate::fromDateTime);
    QMetaType::registerConverter<OleDate, QDate>(&OleDate::date);
    QMetaType::registerConverter<QDate, OleDate>(&OleDate::fromDate);
}

Q_CONSTRUCTOR_FUNCTION(registerOleDateConverters)

} // namespace

} // namespace OlvarControls
