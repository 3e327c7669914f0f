// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QString>
#include <QVariant>

namespace Sessara {

/*!
    What the main window hands the session dialog after a double-click in a
    view: the clicked session (negative for a free slot), its texts and its
    times as the dialog's boxes show them.
*/
struct SessionRequest
{
    qint32 sessionId = 0;
    QString selectedDate; //!< the view's date as a general date text
    QString subject;
    QString additionalNotes;
    QString startTime; //!< "h:mm am/pm"
    QString endTime; //!< "h:mm am/pm"
    QString startDate; //!< "dd/mm/yyyy"
    QString endDate; //!< "dd/mm/yyyy"; the next day for a session ending at midnight

    /*!
        The request for session \a sessionId on a view showing \a activeDate,
        with \a subject, \a detail, \a start and \a end as the view's
        GetSelectedAppt() gives them. A free slot (negative \a sessionId) lasts
        one hour from its start.
        Values that are no dates count as midnight; a date out of range leaves
        its texts empty.
    */
    static SessionRequest fromSelection(OlvarControls::OleDate activeDate, qint32 sessionId, const QVariant &subject,
                                        const QVariant &detail, const QVariant &start, const QVariant &end);

    /*! Whether \a endTime (as the end-time box shows it) is midnight. */
    static bool endsAtMidnight(const QString &endTime);
};

} // namespace Sessara
