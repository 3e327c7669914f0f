// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sessionattendees.h"

#include <QObject>

#include <functional>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QTreeWidget;
QT_END_NAMESPACE

namespace Sessara {

class SessionControls;

/*!
    The session dialog's "Attendees" tab: the lists of the session's clients
    and counsellors, adding one by its typed identifier and removing the one
    selected. The session is basGeneral::lngSessionID.
*/
class AttendeesTab : public QObject
{
    Q_OBJECT

public:
    /*!
        Serves the attendee controls of \a ui; \a clientsChanged runs after a
        client was added or removed (the end-note choices follow the clients).
    */
    AttendeesTab(SessionControls &ui, std::function<void()> clientsChanged, QObject *parent = nullptr);

    /*! Adds the session's clients to lstAttendeeClients. */
    void BuildClientAttendee();
    /*! Lists the session's counsellors afresh in lstAttendeeCounsellers. */
    void BuildCounsellerAttendee();

    /*! "Add" of the clients: links the client typed in txtClientAttendeeAdd. */
    void addClient();
    /*! "Add" of the counsellors: links the counsellor typed in txtCounsellerAttendeeAdd unless booked elsewhere. */
    void addCounsellor();
    /*! "Remove" of the clients: unlinks the selected client once the user agrees. */
    void removeClient();
    /*! "Remove" of the counsellors: unlinks the selected counsellor once the user agrees. */
    void removeCounsellor();

private:
    void add(SessionAttendees::Group group, QLineEdit *typed, QTreeWidget *list);
    void remove(SessionAttendees::Group group, QTreeWidget *list);

    SessionControls &m_ui;
    std::function<void()> m_clientsChanged;
};

} // namespace Sessara
