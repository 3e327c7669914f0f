// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "practiceserver.h"

#include "connection.h"
#include "connectionstringparser.h"
#include "field.h"
#include "fields.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "practicedatabase.h"
#include "recordset.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace Sessara {

namespace {

constexpr int rowsPerStatement = 500;

QString literal(const QVariant &value)
{
    if (!value.isValid() || isNullVariant(value))
        return QStringLiteral("Null");
    if (value.metaType() == QMetaType::fromType<OleDate>())
        return QString::number(value.value<OleDate>().value(), 'g', 17);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    default:
        return QLatin1Char('\'') + value.toString().replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
    }
}

QStringList tableNames()
{
    static const QRegularExpression createTable(QStringLiteral("^CREATE TABLE (\\w+)"));
    QStringList tables;
    for (const QString &statement : PracticeServer::schemaStatements()) {
        const QRegularExpressionMatch match = createTable.match(statement);
        if (match.hasMatch())
            tables.append(match.captured(1));
    }
    return tables;
}

// Runs \a work in one transaction on a connection to \a connectionString.
void inTransaction(const QString &connectionString, const std::function<void(Connection &)> &work)
{
    Connection connection(connectionString);
    connection.Open();
    connection.Execute(QStringLiteral("BEGIN"));
    try {
        work(connection);
        connection.Execute(QStringLiteral("COMMIT"));
    } catch (...) {
        connection.Close(); // the server undoes what the transaction wrote
        throw;
    }
    // The planner's statistics, for the day view's load and the conflict checks.
    for (const QString &table : tableNames())
        connection.Execute(QStringLiteral("ANALYZE ") + table);
    connection.Close();
}

void copyTable(Connection &source, Connection &target, const QString &table)
{
    Recordset rows = source.Execute(QStringLiteral("SELECT * FROM ") + table);
    QStringList columns;
    for (int i = 0; i < rows.Fields().Count(); ++i)
        columns.append(rows.Fields(i).Name());
    const QString head = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (")
        + columns.join(QStringLiteral(", ")) + QStringLiteral(") VALUES ");
    QStringList batch;
    const auto flush = [&] {
        if (!batch.isEmpty())
            target.Execute(head + batch.join(QStringLiteral(", ")));
        batch.clear();
    };
    for (; !rows.Eof(); rows.MoveNext()) {
        QStringList values;
        for (int i = 0; i < columns.size(); ++i)
            values.append(literal(rows.Fields(i).Value()));
        batch.append(QLatin1Char('(') + values.join(QStringLiteral(", ")) + QLatin1Char(')'));
        if (batch.size() == rowsPerStatement)
            flush();
    }
    flush();
    rows.Close();
}

void createSchema(Connection &connection)
{
    if (!connection
             .Execute(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() "
                                     "AND lower(table_name) = 'tblsession'"))
             .Eof()) {
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("The database already holds a practice; it is left as it is."));
    }
    for (const QString &statement : PracticeServer::schemaStatements())
        connection.Execute(statement);
}

} // namespace

PracticeServer::PracticeServer(const QString &connectionString)
    : m_connectionString(connectionString)
{
}

bool PracticeServer::isServer(const QString &connectionString)
{
    const QString provider = ConnectionStringParser(connectionString).provider().trimmed().toLower();
    return provider == QLatin1String("postgresql") || provider == QLatin1String("postgres")
        || provider == QLatin1String("pgsql");
}

QStringList PracticeServer::schemaStatements()
{
    QString script;
    for (const QString &line : PracticeDatabase::schemaScript().split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            script += line + QLatin1Char('\n');
    }
    QStringList statements;
    for (const QString &statement : script.split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            statements.append(statement.trimmed());
    }
    return statements;
}

void PracticeServer::create()
{
    inTransaction(m_connectionString, createSchema);
}

void PracticeServer::createSample(QDate day)
{
    QTemporaryDir folder;
    PracticeDatabase file(folder.filePath(QStringLiteral("practice.db")));
    file.create();
    file.fillSample(day);
    createFrom(file);
}

void PracticeServer::createLarge(int sessionCount, QDate firstDay)
{
    QTemporaryDir folder;
    PracticeDatabase file(folder.filePath(QStringLiteral("practice.db")));
    file.create();
    file.fillLarge(sessionCount, firstDay);
    createFrom(file);
}

void PracticeServer::createFrom(const PracticeDatabase &file)
{
    Connection source(file.connectionString());
    source.Open();
    inTransaction(m_connectionString, [&](Connection &target) {
        createSchema(target);
        for (const QString &table : tableNames())
            copyTable(source, target, table);
    });
    source.Close();
}

} // namespace Sessara
