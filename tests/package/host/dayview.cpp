// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Counsellor 1's day from a practice database: a double click on a free slot
// books it, a double click on a session tells its subject.
#include <Olvar/Connection>
#include <Olvar/Hourlet>
#include <Olvar/MsgBox>
#include <Olvar/OleError>

#include <QApplication>

using namespace OlvarControls;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString connectionString =
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + QString::fromLocal8Bit(argv[argc - 1]);
    Hourlet day;
    day.setConnectionString(connectionString);
    day.setResource(1);
    day.setActiveDate(OleDate::fromDate(QDate::currentDate()));
    QObject::connect(&day, &Hourlet::DblClick, &day, [&] {
        if (day.sessionId() > 0)
            return void(MsgBox::show(day.subject(), MsgBox::Information));
        try {
            const qint32 id =
                day.SetAppointment(day.activeDate(), day.GetSelectedAppt(Hourlet::ad6_ApptTimeStart).value<OleDate>(),
                                   day.GetSelectedAppt(Hourlet::ad7_ApptTimeEnd).value<OleDate>(),
                                   QStringLiteral("New session"), QString(), 1, QString());
            if (id == 0)
                return; // the day view has told the user why
            DataAccess::Connection link(connectionString); // the day shows sessions linked to its counsellor
            link.Open();
            link.Execute(QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, 1)")
                             .arg(id));
        } catch (const OleError &error) { // nothing may throw through Qt
            MsgBox::show(error.messageText(), MsgBox::Critical);
        }
        day.UpdateDisplay();
    });
    day.show();
    return app.exec();
}
