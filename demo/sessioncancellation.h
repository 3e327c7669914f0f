// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace Sessara {

/*!
    Whether a stored session may be cancelled now: the practice's minimum
    notice, tblConfig's 'MinimumCancellationTime' in hours, must lie between
    now and the session's start. Hours are counted as hour boundaries crossed
    (9:59 to 10:00 is one hour), not as time elapsed. Un-cancelling is never
    refused.
*/
class SessionCancellation
{
public:
    SessionCancellation() = delete;

    /*! What the rule found. */
    enum class Verdict {
        Allowed, //!< the session may be cancelled
        NoConfiguration, //!< no minimum notice is configured, or it is no number
        Unreadable, //!< the session's start date or time cannot be read
        Expired, //!< the session has started or is over
        NoticePeriod, //!< the session starts within the minimum notice
    };

    /*! The caption of cmdCancel while a press cancels. */
    static QString cancelCaption() { return QStringLiteral("Cancel Session"); }
    /*! The caption of cmdCancel while a press un-cancels. */
    static QString uncancelCaption() { return QStringLiteral("Uncancel"); }

    /*!
        The verdict on cancelling, at \a now, a session starting at \a start
        (nothing when it cannot be read) with \a minimumHours the configured
        Value (Empty when no row is configured).
    */
    static Verdict check(const QVariant &minimumHours, std::optional<OlvarControls::OleDate> start,
                         OlvarControls::OleDate now);
    /*! The refusal message of \a verdict with \a minimumHours as configured; empty for Allowed. */
    static QString refusal(Verdict verdict, const QVariant &minimumHours);
    /*! The icon of that message. */
    static int refusalIcon(Verdict verdict);

    /*! The read of the configured minimum notice. */
    static QString configurationQuery();
    /*! The update that marks the session \a sessionId cancelled, or not. */
    static QString statement(qint32 sessionId, bool cancelled);
    /*! The message after the session \a sessionId was cancelled, or un-cancelled. */
    static QString done(qint32 sessionId, bool cancelled);
};

} // namespace Sessara
