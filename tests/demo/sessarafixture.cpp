// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessarafixture.h"

#include "basgeneral.h"
#include "connection.h"
#include "demosettings.h"
#include "msgbox.h"
#include "oledate.h"
#include "recordset.h"
#include "screenareas.h"

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;
using Sessara::basGeneral;

SessaraFixture::SessaraFixture()
    : database(folder.filePath(QStringLiteral("DIV97.mdb")))
{
    database.create();
    database.fillSample(sampleDay());
    basGeneral::resetState();
    Sessara::DemoSettings::setFileName(QString());
    Sessara::ScreenAreas::setAreas(std::nullopt);
    basGeneral::strConnectionString = basGeneral::ConnectionStringFor(folder.path());
    MsgBox::setApplicationTitle(basGeneral::applicationTitle());
}

SessaraFixture::~SessaraFixture()
{
    basGeneral::resetState();
    Sessara::DemoSettings::setFileName(QString());
    Sessara::ScreenAreas::setAreas(std::nullopt);
}

void SessaraFixture::run(const QString &statement)
{
    Connection connection(database.connectionString());
    connection.Open();
    connection.Execute(statement);
    connection.Close();
}

QVariant SessaraFixture::first(const QString &select, const QString &field)
{
    Connection connection(database.connectionString());
    connection.Open();
    Recordset rs = connection.Execute(select);
    const QVariant value = rs.Eof() ? QVariant() : rs.Fields(field).Value();
    connection.Close();
    return value;
}

int SessaraFixture::count(const QString &select)
{
    Connection connection(database.connectionString());
    connection.Open();
    Recordset rs = connection.Execute(select);
    int rows = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++rows;
    connection.Close();
    return rows;
}

int SessaraFixture::addSession(QDate day, QTime start, QTime end, int counsellor, int location, bool cancelled,
                               bool invoiced)
{
    Connection connection(database.connectionString());
    connection.Open();
    connection.Execute(
        QStringLiteral("INSERT INTO tblSession (SessionDate, StartTime, EndTime, SessionDescription, "
                       "SessionTypeID, LocationID, Cancelled, Invoiced) VALUES (%1, %2, %3, 'Booked', 2, "
                       "%4, %5, %6)")
            .arg(OleDate::fromDate(day).value())
            .arg(OleDate::fromTime(start).value(), 0, 'g', 17)
            .arg(OleDate::fromTime(end).value(), 0, 'g', 17)
            .arg(location)
            .arg(cancelled ? 1 : 0)
            .arg(invoiced ? 1 : 0));
    const int id = int(connection.LastInsertId());
    if (counsellor > 0) {
        connection.Execute(
            QStringLiteral("INSERT INTO tblCounsellerSessionLink (CounsellerID, SessionID) VALUES (%1, %2)")
                .arg(counsellor)
                .arg(id));
    }
    connection.Close();
    return id;
}
