// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

namespace Sessara {

/*! One session as a calendar event: its wall-clock times and its texts. */
struct CalendarSession
{
    qint32 sessionId = 0;
    QDateTime start; //!< wall-clock time, no zone of its own
    QDateTime end;
    QString subject;
    QString room;
    QString notes;
};

/*!
    Writes sessions as an iCalendar file (RFC 5545) with libical: one VEVENT
    per session whose UID is made of the SessionID and the practice's own
    identifier, so that importing a later export again updates the calendar
    entries instead of adding them twice. Times are written in the given time
    zone, described by a VTIMEZONE; a zone libical does not know is written
    in UTC.
*/
class CalendarExport
{
public:
    explicit CalendarExport(const QString &connectionString);

    /*!
        The sessions of \a counsellor (0 for every counsellor, each session once)
        from \a from to \a to, both included, by start; cancelled ones are left out.
    */
    QList<CalendarSession> sessions(qint32 counsellor, QDate from, QDate to) const;
    /*! The practice's identifier, tblConfig's "PracticeID"; made and stored on first use. Empty on failure. */
    QString practiceId() const;

    /*! The calendar of \a sessions in \a zone, stamped (DTSTAMP, LAST-MODIFIED) with \a stamp. */
    static QByteArray calendar(const QList<CalendarSession> &sessions, const QString &practiceId, const QTimeZone &zone,
                               const QDateTime &stamp);
    /*!
        Writes the calendar of sessions() to \a fileName; false with \a error set
        when the practice cannot be read or the file cannot be written.
    */
    bool write(const QString &fileName, qint32 counsellor, QDate from, QDate to, const QTimeZone &zone,
               const QDateTime &stamp, QString *error) const;

private:
    QString m_connectionString;
};

} // namespace Sessara
