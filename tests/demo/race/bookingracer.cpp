// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// bookingracer: books a counsellor's slots as the session dialog does, for the race test.
//
//   bookingracer CONNECTION COUNSELLOR ROOM ATTEMPTS
//
// Each attempt books the next quarter hour from 7:00 on Sunday 8 March 2026 for the
// counsellor in the room: a booking unit, the counsellor's and the room's
// conflict checks, the day view's insert, the link row and the completing
// update. It prints one line per attempt ("stored 3", "refused 3 <message>",
// "unavailable 3 <why>") and a last line "stored N refused M unavailable K".

#include "appointment.h"
#include "basgeneral.h"
#include "bookingconflict.h"
#include "bookingunit.h"
#include "connection.h"
#include "democonnection.h"
#include "oledate.h"
#include "oleerror.h"
#include "sessionstatements.h"
#include "sessionupdate.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTime>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;
using Sessara::BookingConflict;

namespace {

const QString conflictMessage = QStringLiteral("The Start and End time for this booking conflict with another.");

QString dialogTime(QTime time)
{
    return time.toString(QStringLiteral("h:mm ap")).toLower();
}

// One attempt; returns the line to print.
QString book(const QString &connection, qint32 counsellor, qint32 room, int slot)
{
    const QTime start = QTime(7, 0).addSecs(15 * 60 * slot);
    const QTime end = start.addSecs(15 * 60);
    const QString day = QStringLiteral("08/03/2026");
    const QString number = QString::number(slot);
    try {
        BookingUnit unit(connection, {counsellor}, {room});
        const BookingConflict::Check counsellorCheck =
            BookingConflict::CheckForBookingConflict(counsellor, day, dialogTime(start), dialogTime(end), -1);
        const BookingConflict::Check roomCheck =
            BookingConflict::CheckForRoomConflict(room, day, dialogTime(start), dialogTime(end), -1);
        if (counsellorCheck == BookingConflict::Check::CouldNotRun || roomCheck == BookingConflict::Check::CouldNotRun)
            return QStringLiteral("unavailable ") + number + QStringLiteral(" a check could not run");
        if (counsellorCheck != BookingConflict::Check::Free || roomCheck != BookingConflict::Check::Free)
            return QStringLiteral("refused ") + number + QLatin1Char(' ') + conflictMessage;
        Appointment record;
        record.ApptDate = OleDate::fromDate(QDate(2026, 3, 8));
        record.ApptTimeStart = OleDate::fromTime(start);
        record.ApptTimeEnd = OleDate::fromTime(end);
        record.ApptSubject = QStringLiteral("Race ") + number;
        record.ApptType = 1;
        qint32 id = 0;
        {
            Connection view(connection);
            view.Open();
            view.Execute(SessionStatements::insertStatement(record));
            id = qint32(view.LastInsertId());
            view.Close();
        }
        const Sessara::SessionUpdate::Fields fields{QStringLiteral("1"), QString(), QString::number(room),
                                                    QString(),           QString(), QString()};
        Sessara::DemoConnection cn(connection);
        if (!cn.execute(Sessara::SessionUpdate::counsellorLink(id, counsellor))
            || !cn.execute(Sessara::SessionUpdate::forNewSession(fields, id))) {
            return QStringLiteral("unavailable ") + number + QLatin1Char(' ') + cn.errors().description();
        }
        unit.commit();
        return QStringLiteral("stored ") + number;
    } catch (const OleError &error) {
        return QStringLiteral("unavailable ") + number + QLatin1Char(' ') + error.description();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        QTextStream(stderr) << "usage: bookingracer CONNECTION COUNSELLOR ROOM ATTEMPTS\n";
        return 2;
    }
    const QString connection = args.at(1);
    Sessara::basGeneral::strConnectionString = connection;
    QTextStream out(stdout);
    int stored = 0, refused = 0, unavailable = 0;
    for (int slot = 0; slot < args.at(4).toInt(); ++slot) {
        const QString line = book(connection, args.at(2).toInt(), args.at(3).toInt(), slot);
        stored += line.startsWith(QLatin1String("stored"));
        refused += line.startsWith(QLatin1String("refused"));
        unavailable += line.startsWith(QLatin1String("unavailable"));
        out << line << '\n';
    }
    out << "stored " << stored << " refused " << refused << " unavailable " << unavailable << '\n';
    return 0;
}
