// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "frmsession.h"
#include "hourlet.h"
#include "sessarafixture.h"

#include <QDate>
#include <QTime>

#include <memory>

/*!
    The session dialog on the sample practice, opened as the main window opens
    it: a day view of counsellor 1 on bookingDay() as the target, the clicked
    session or free slot, and its subject, notes, times and dates filled in.
*/
class SessionDialogFixture : public SessaraFixture
{
protected:
    SessionDialogFixture();

    /*! Saturday 7 March 2026: no sample sessions, so each test books its own. */
    static QDate bookingDay() { return QDate(2026, 3, 7); }

    /*! Opens the dialog on \a sessionId (negative for a free slot) from \a start to \a end on \a day. */
    Sessara::frmSession &open(qint32 sessionId, QTime start, QTime end, QDate day = bookingDay());
    /*! Chooses the row of \a box (a multi-column box of the dialog) that shows \a text. */
    void choose(const char *box, const QString &text);
    /*! Presses "Save". */
    void pressSave();
    /*! The number of sessions stored. */
    int sessionCount();

    std::unique_ptr<OlvarControls::Hourlet> dayView;
    std::unique_ptr<Sessara::frmSession> dialog;
};
