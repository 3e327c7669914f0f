// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// sessara-makedb: writes a practice database for the Sessara demo.
//
//   sessara-makedb [--day YYYY-MM-DD] FILE        the sample practice around the day (default today)
//   sessara-makedb --sessions N [--from YYYY-MM-DD] FILE   a large practice of N sessions
//   sessara-makedb [options] --connection "Provider=PostgreSQL;Host=...;Database=..."
//                                                 the same on a database server (or a file named by Data Source)

#include "connectionstringparser.h"
#include "oleerror.h"
#include "practicedatabase.h"
#include "practiceserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QDate dateOption(const QCommandLineParser &parser, const QString &name, QDate fallback)
{
    if (!parser.isSet(name))
        return fallback;
    const QDate date = QDate::fromString(parser.value(name), Qt::ISODate);
    if (!date.isValid())
        throw OlvarControls::OleError(OlvarControls::ErrorNumber::InvalidArgument,
                                      QStringLiteral("--%1 wants a date written YYYY-MM-DD.").arg(name));
    return date;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sessara-makedb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a practice database for the Sessara demo. "
                                                    "An existing file is never overwritten."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("day"), QStringLiteral("The day the sample fortnight is around (default today)."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("sessions"), QStringLiteral("Write a large practice of this many sessions."),
                      QStringLiteral("count")});
    parser.addOption({QStringLiteral("from"),
                      QStringLiteral("The first day of the large practice (default 2015-01-05)."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("connection"),
                      QStringLiteral("Write the practice where this connection string points: a PostgreSQL "
                                     "database (Provider=PostgreSQL;Host=...;Port=...;Database=...;User ID=...;"
                                     "Password=...) or a file (Data Source=...)."),
                      QStringLiteral("string")});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file to create."));
    parser.process(app);

    QTextStream err(stderr);
    const QStringList files = parser.positionalArguments();
    const bool byConnection = parser.isSet(QStringLiteral("connection"));
    if (files.size() != (byConnection ? 0 : 1)) {
        err << parser.helpText();
        return 2;
    }
    try {
        const QString connection = parser.value(QStringLiteral("connection"));
        const bool server = byConnection && Sessara::PracticeServer::isServer(connection);
        const QString file =
            byConnection ? OlvarControls::DataAccess::ConnectionStringParser(connection).dataSource() : files.first();
        if (!server && file.isEmpty()) {
            err << "The connection string names no server (Provider=PostgreSQL) and no file (Data Source).\n";
            return 2;
        }
        Sessara::PracticeDatabase database(file);
        Sessara::PracticeServer practice(connection);
        if (parser.isSet(QStringLiteral("sessions"))) {
            bool valid = false;
            const int sessions = parser.value(QStringLiteral("sessions")).toInt(&valid);
            if (!valid || sessions < 0) {
                err << "--sessions wants a number of sessions.\n";
                return 2;
            }
            const QDate from = dateOption(parser, QStringLiteral("from"), QDate(2015, 1, 5));
            if (server) {
                practice.createLarge(sessions, from);
            } else {
                database.create();
                database.fillLarge(sessions, from);
            }
        } else {
            const QDate day = dateOption(parser, QStringLiteral("day"), QDate::currentDate());
            if (server) {
                practice.createSample(day);
            } else {
                database.create();
                database.fillSample(day);
            }
        }
    } catch (const OlvarControls::OleError &error) {
        err << error.description() << '\n';
        return 1;
    }
    return 0;
}
