// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "practiceupgrade.h"

#include "connection.h"
#include "oleerror.h"
#include "recordset.h"

#include <QLoggingCategory>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

Q_LOGGING_CATEGORY(lcUpgrade, "olvar.sessara.upgrade")

namespace Sessara {

namespace {

// Each addition: a statement that runs only once it has been made, and the addition itself.
struct Addition
{
    const char *probe;
    const char *statement;
};

constexpr Addition additions[] = {
    {"SELECT CaseTypeID FROM tblCaseType WHERE 1 = 0",
     "CREATE TABLE tblCaseType (CaseTypeID INTEGER PRIMARY KEY AUTOINCREMENT, Description TEXT COLLATE NOCASE)"},
    {"SELECT CaseTypeID FROM tblClientCase WHERE 1 = 0", "ALTER TABLE tblClientCase ADD COLUMN CaseTypeID INTEGER"},
    {"SELECT SessionID FROM tblSessionSeries WHERE 1 = 0",
     "CREATE TABLE tblSessionSeries (SessionID INTEGER PRIMARY KEY, SeriesID INTEGER NOT NULL, Position INTEGER NOT "
     "NULL, UNIQUE (SeriesID, Position))"},
};

bool runs(Connection &connection, const char *statement)
{
    try {
        connection.Execute(QString::fromLatin1(statement)).Close();
        return true;
    } catch (const OleError &) {
        return false;
    }
}

} // namespace

int PracticeUpgrade::apply(const QString &connectionString)
{
    int made = 0;
    try {
        Connection connection;
        connection.Open(connectionString);
        for (const Addition &addition : additions) {
            if (runs(connection, addition.probe))
                continue;
            connection.Execute(QString::fromLatin1(addition.statement));
            ++made;
        }
        connection.Close();
    } catch (const OleError &error) {
        // A missing, locked or damaged database is reported by the statements that need it.
        qCInfo(lcUpgrade).noquote() << "the practice database was not upgraded:" << error.number()
                                    << error.description();
    }
    return made;
}

} // namespace Sessara
