// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionattendees.h"

#include "basgeneral.h"
#include "bookingconflict.h"
#include "democonnection.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "sessiontexts.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

QString id(qint32 value)
{
    return QString::number(value);
}

QString field(const DemoRecordset &rs, const char *name)
{
    return basGeneral::TextOf(rs.value(QLatin1String(name)));
}

QString counsellorName(const DemoRecordset &rs)
{
    return field(rs, "FirstName") + QLatin1Char(' ') + field(rs, "LastName");
}

QString nameOfClient(const DemoRecordset &rs)
{
    return SessionAttendees::clientName(rs.value(QStringLiteral("OrganisationName")),
                                        rs.value(QStringLiteral("FirstName")), rs.value(QStringLiteral("LastName")));
}

/* Whether \a select finds a row; nothing when it could not be run. */
std::optional<bool> found(DemoConnection &cn, const QString &select)
{
    DemoRecordset rs = cn.read(select);
    const bool any = !rs.eof();
    rs.close();
    if (cn.errors().failed())
        return std::nullopt;
    return any;
}

/* The attendees \a linkTable links to \a sessionId, each read by \a attendee from its link row. */
template <typename ReadAttendee>
QList<SessionAttendees::Attendee> linked(qint32 sessionId, const char *linkTable, ReadAttendee attendee)
{
    QList<SessionAttendees::Attendee> rows;
    if (sessionId < 1)
        return rows;
    DemoConnection cn;
    DemoRecordset links = cn.read(QStringLiteral("select * from ") + QLatin1String(linkTable)
                                  + QStringLiteral(" where sessionID=") + id(sessionId));
    for (; !links.eof(); links.moveNext())
        rows.append(attendee(cn, links));
    return rows;
}

} // namespace

std::optional<qint32> SessionAttendees::identifier(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || !NumberConversion::isWholeNumber(text))
        return std::nullopt;
    return NumberConversion::toInt32(text);
}

QString SessionAttendees::clientName(const QVariant &organisationName, const QVariant &firstName,
                                     const QVariant &lastName)
{
    const QString organisation = basGeneral::TextOf(organisationName);
    if (!organisation.isEmpty())
        return organisation;
    return basGeneral::TextOf(firstName) + QLatin1Char(' ') + basGeneral::TextOf(lastName);
}

QList<SessionAttendees::Attendee> SessionAttendees::clients(qint32 sessionId)
{
    return linked(sessionId, "tblClientSessionLink", [](DemoConnection &cn, const DemoRecordset &link) {
        const QString clientId = field(link, "ClientID");
        DemoRecordset client = cn.executeRead(QStringLiteral("Select * from tblClient where clientID=") + clientId);
        const QString status = field(link, "Status");
        const Attendee row{clientId, nameOfClient(client), status.isEmpty() ? QStringLiteral("No Status") : status};
        client.close();
        return row;
    });
}

QList<SessionAttendees::Attendee> SessionAttendees::counsellors(qint32 sessionId)
{
    return linked(sessionId, "tblCounsellerSessionLink", [](DemoConnection &cn, const DemoRecordset &link) {
        const QString counsellorId = field(link, "CounsellerID");
        DemoRecordset counsellor =
            cn.read(QStringLiteral("Select * from tblCounseller where CounsellerID=") + counsellorId);
        const Attendee row{counsellorId, counsellorName(counsellor), QString()};
        counsellor.close();
        return row;
    });
}

SessionAttendees::Result SessionAttendees::addClient(qint32 sessionId, const QString &typed)
{
    // Attendees belong to a stored session only.
    if (typed.trimmed().isEmpty() || sessionId < 1)
        return {};
    const std::optional<qint32> clientId = identifier(typed);
    if (!clientId)
        return {Outcome::NotFound, {}};
    const QString session = id(sessionId);
    const QString client = id(*clientId);
    DemoConnection cn;
    const std::optional<bool> attending = found(cn,
                                                QStringLiteral("select * from tblClientSessionLink where sessionID=")
                                                    + session + QStringLiteral(" and ClientID=") + client);
    const std::optional<bool> known = attending && !*attending
        ? found(cn, QStringLiteral("select * from tblClient where ClientID=") + client)
        : attending;
    if (!known)
        return {Outcome::Unavailable, {}};
    if (*attending)
        return {Outcome::AlreadyAttending, {}};
    if (!*known)
        return {Outcome::NotFound, {}};
    if (!cn.execute(QStringLiteral("Insert into tblClientSessionLink (ClientID, SessionID, Status) values(") + client
                    + QStringLiteral(", ") + session + QStringLiteral(", 'Booked') "))) {
        return {Outcome::NotStored, {}};
    }
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblClient where ClientID =") + client);
    return {Outcome::Added, {client, nameOfClient(rs), QStringLiteral("Booked")}};
}

SessionAttendees::Result SessionAttendees::addCounsellor(qint32 sessionId, const QString &typed, const Booking &booking)
{
    if (typed.trimmed().isEmpty() || sessionId < 1)
        return {};
    const std::optional<qint32> counsellorId = identifier(typed);
    if (!counsellorId)
        return {Outcome::NotFound, {}};
    const QString session = id(sessionId);
    const QString counsellor = id(*counsellorId);
    {
        DemoConnection cn;
        const std::optional<bool> attending = found(cn,
                                                    QStringLiteral("select * from tblCounsellerSessionLink where "
                                                                   "sessionID=")
                                                        + session + QStringLiteral(" and CounsellerID=") + counsellor);
        if (!attending)
            return {Outcome::Unavailable, {}};
        if (*attending)
            return {Outcome::AlreadyAttending, {}};
    }
    switch (BookingConflict::CheckForBookingConflict(*counsellorId, booking.date, booking.startTime, booking.endTime,
                                                     sessionId)) {
    case BookingConflict::Check::Conflict:
        return {Outcome::Conflict, {}};
    case BookingConflict::Check::CouldNotRun:
        return {Outcome::Unavailable, {}};
    case BookingConflict::Check::Free:
        break;
    }
    DemoConnection cn;
    const std::optional<bool> known =
        found(cn, QStringLiteral("select * from tblCounseller where CounsellerID=") + counsellor);
    if (!known)
        return {Outcome::Unavailable, {}};
    if (!*known)
        return {Outcome::NotFound, {}};
    if (!cn.execute(QStringLiteral("Insert into tblCounsellerSessionLink (CounsellerID, SessionID) values(")
                    + counsellor + QStringLiteral(", ") + session + QStringLiteral(") "))) {
        return {Outcome::NotStored, {}};
    }
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblCounseller where CounsellerID =") + counsellor);
    return {Outcome::Added, {counsellor, counsellorName(rs), QString()}};
}

SessionAttendees::Removal SessionAttendees::remove(Group group, qint32 sessionId, const QString &attendeeId)
{
    const std::optional<qint32> number = identifier(attendeeId);
    if (!number || sessionId < 1)
        return Removal::Failed;
    const bool clients = group == Group::Clients;
    const QString table = clients ? QStringLiteral("tblClientSessionLink") : QStringLiteral("tblCounsellerSessionLink");
    const QString where = QStringLiteral(" where SessionID=") + id(sessionId);
    DemoConnection cn;
    if (!clients) {
        // A session without a counsellor is in no calendar, out of reach of the views and this dialog.
        DemoRecordset others = cn.read(QStringLiteral("select * from tblCounsellerSessionLink") + where
                                       + QStringLiteral(" and CounsellerID<>") + id(*number));
        if (others.eof())
            return Removal::LastCounsellor;
    }
    const QString column = clients ? QStringLiteral(" and ClientID=") : QStringLiteral(" and CounsellerID=");
    return cn.execute(QStringLiteral("Delete from ") + table + where + column + id(*number)) ? Removal::Removed
                                                                                             : Removal::Failed;
}

QString SessionAttendees::message(Group group, Outcome outcome, const QString &typed)
{
    const QString t = typed.trimmed();
    const bool clients = group == Group::Clients;
    switch (outcome) {
    case Outcome::AlreadyAttending:
        return clients ? QStringLiteral("This client is already an attendee of this session")
                       : QStringLiteral("This Counselor is already an attendee of this session");
    case Outcome::Conflict:
        return QStringLiteral("The Start and End time for this session conflict with another session for Counselor.\r\n"
                              "Counselor .")
            + t + QStringLiteral(" not entered as attendee.");
    case Outcome::NotFound:
        return clients ? QStringLiteral("Did not find ClientID ") + t
                + QStringLiteral(" in Client records. ClientID not entered as attendee.")
                       : QStringLiteral("Did not find CounselorID ") + t
                + QStringLiteral(" in Counselor records. CounselorID not entered as attendee.");
    case Outcome::NotStored:
        return (clients ? QStringLiteral("ClientID ") : QStringLiteral("CounselorID ")) + t
            + QStringLiteral(" could not be entered as attendee.");
    case Outcome::Unavailable:
        return SessionTexts::databaseUnavailableMessage();
    case Outcome::Nothing:
    case Outcome::Added:
        break;
    }
    return QString();
}

int SessionAttendees::messageIcon(Outcome outcome)
{
    return outcome == Outcome::Conflict || outcome == Outcome::NotStored || outcome == Outcome::Unavailable
        ? MsgBox::Exclamation
        : MsgBox::Information;
}

} // namespace Sessara
