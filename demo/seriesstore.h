// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QList>
#include <QString>

#include <optional>

namespace Sessara {

class DemoConnection;

/*!
    The series a stored session belongs to, as tblSessionSeries keeps it: one
    row per session with its series (the identifier of the series' first
    session) and its position in the series. Sessions deleted since the series
    was booked no longer count.
*/
class SeriesStore
{
public:
    SeriesStore() = delete;

    /*! Where a session stands in its series. */
    struct Place
    {
        qint32 seriesId = 0;
        int position = 0; //!< 1 for the first session still stored
        int total = 0; //!< the sessions of the series still stored
    };

    /*! A session of a series and when it starts. */
    struct Member
    {
        qint32 sessionId = 0;
        std::optional<OlvarControls::OleDate> start; //!< nothing when its date or time cannot be read
    };

    /*! The statement that puts the session \a sessionId at \a position of the series \a seriesId. */
    static QString link(qint32 sessionId, qint32 seriesId, int position);
    /*! The statement that takes the session \a sessionId out of its series. */
    static QString unlink(qint32 sessionId);

    /*! Where the session \a sessionId stands in its series, read on \a cn; nothing outside a series. */
    static std::optional<Place> placeOf(DemoConnection &cn, qint32 sessionId);
    /*! The session \a sessionId and the later sessions of its series, in the series' order, read on \a cn. */
    static QList<Member> thisAndLater(DemoConnection &cn, qint32 sessionId);
};

} // namespace Sessara
