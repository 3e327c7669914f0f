#pragma once

#include <QObject>

#include <functional>

namespace Sessara {

class SessionControls;

/*!
    The session dialog's look-ups: "Search" of the client to invoice and of
    the attendee clients and counsellors opens the finder and puts the number
    chosen into the box the search belongs to; "Edit" opens the client form
    on the client to invoice (a new client when there is none) and shows the
    client's name as saved.
*/
class SessionFinders : public QObject
{
    Q_OBJECT

public:
    /*! Serves the search and edit buttons of \a ui; \a bookedClientChanged shows the booked client's name again. */
    SessionFinders(SessionControls &ui, std::function<void()> bookedClientChanged, QObject *parent = nullptr);

    /*! cmdClientSearch: the client to invoice. */
    void findBookedClient();
    /*! cmdClientEdit: the client form on the client to invoice. */
    void editBookedClient();
    /*! cmdSearchClientAdendee: a client to add as an attendee. */
    void findClientAttendee();
    /*! cmdSearchCounsellerAdendee: a counsellor to add as an attendee. */
    void findCounsellorAttendee();

private:
    SessionControls &m_ui;
    std::function<void()> m_bookedClientChanged;
};

} // namespace Sessara
