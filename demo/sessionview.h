// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QPointer>
#include <QString>
#include <QVariant>

#include <optional>

namespace Sessara {

/*!
    A calendar view the session dialog stores sessions through, reached by
    the names of its members so that the day view and the week view both
    serve: SetAppointment(), DeleteAppointment() and UpdateDisplay(). A view that has an
    ActiveControl (the week view) is refreshed through that focused column.

    Calls raise OleError 91 when there is no view (or no focused column) and
    438 when the view lacks the member.
*/
class SessionView
{
public:
    /*! The view \a view; nullptr for none. */
    explicit SessionView(QObject *view = nullptr);

    /*! The view. */
    QObject *view() const { return m_view; }

    /*!
        Stores an appointment through the view's SetAppointment: a new one
        when \a ApptID is Empty or not positive, else the stored one. Returns
        the view's result, the session's identifier or 0.
    */
    qint32 SetAppointment(const OlvarControls::OleDate &ApptDate, const OlvarControls::OleDate &TimeBegin,
                          const OlvarControls::OleDate &TimeEnd, const QString &DisplayText, const QString &ApptDetail,
                          qint32 ApptType, const QString &Location, const QVariant &ApptID = QVariant()) const;
    /*! Deletes the session \a RecordNumber through the view; returns the view's result, 1 when deleted, else 0. */
    quint8 DeleteAppointment(qint32 RecordNumber) const;
    /*! Reloads and redraws the view, or the focused column of a view with an ActiveControl. */
    void UpdateDisplay() const;
    /*!
        Shows \a date in the view that adds new sessions, the focused column of
        a view with an ActiveControl, since a new session is added on the date
        shown. Returns the date shown before, to be shown again afterwards;
        nothing, and no move, when there is no such view, it has no
        ActiveDate, it already shows that day, or \a date is out of range. Raises OleError 91 when there
        is no view at all.
    */
    std::optional<OlvarControls::OleDate> showDate(OlvarControls::OleDate date) const;

private:
    QObject *object() const;
    QObject *column() const;

    QPointer<QObject> m_view;
};

} // namespace Sessara
