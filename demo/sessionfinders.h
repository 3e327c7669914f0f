// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include <functional>

namespace Sessara {

class SessionControls;

/*!
    The session dialog's look-ups: "Case Manager" opens the cases of the
    client to invoice, to link the session to one; "Search" of the client to invoice and of
    the attendee clients and counsellors opens the finder and puts the number
    chosen into the box the search belongs to; "Edit" opens the client form
    on the client to invoice (a new client when there is none) and shows the
    client's name as saved.
*/
class SessionFinders : public QObject
{
    Q_OBJECT

public:
    /*!
        Serves the search, edit and case buttons of \a ui; \a bookedClientChanged
        shows the booked client's name again, \a casesChanged the session's case line.
    */
    SessionFinders(SessionControls &ui, std::function<void()> bookedClientChanged, std::function<void()> casesChanged,
                   QObject *parent = nullptr);

    /*! cmdClientSearch: the client to invoice. */
    void findBookedClient();
    /*! cmdClientEdit: the client form on the client to invoice. */
    void editBookedClient();
    /*! cmdCase "Case Manager": the booked client's cases, to which the session can be linked. */
    void openCases();
    /*! cmdSearchClientAdendee: a client to add as an attendee. */
    void findClientAttendee();
    /*! cmdSearchCounsellerAdendee: a counsellor to add as an attendee. */
    void findCounsellorAttendee();

private:
    SessionControls &m_ui;
    std::function<void()> m_bookedClientChanged;
    std::function<void()> m_casesChanged;
};

} // namespace Sessara
