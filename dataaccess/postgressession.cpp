// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgressession.h"

#include "datetext.h"
#include "dialecttranslator.h"
#include "oleerror.h"
#include "olevariant.h"
#include "postgrescursor.h"
#include "postgresdialect.h"
#include "translationcache.h"

#include <QHash>
#include <QLocale>
#include <QMutex>

#include <QLoggingCategory>
#include <algorithm>

#include <libpq-fe.h>

namespace OlvarControls::DataAccess {

namespace {

Q_LOGGING_CATEGORY(lcPostgres, "olvar.dataaccess.postgres", QtWarningMsg)

// The server's notices ("table does not exist, skipping") are for the log, not the terminal.
void logNotice(void *, const char *message)
{
    qCDebug(lcPostgres) << QString::fromUtf8(message).trimmed();
}

// The tables and columns of the schema first on the search path, with their types and keys.
const char *const catalogQuery =
    "SELECT c.oid, c.relname, a.attnum, a.attname, t.typname, a.attidentity <> '', "
    "COALESCE(a.attnum = ANY (i.indkey), false) "
    "FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid JOIN pg_type t ON t.oid = a.atttypid "
    "LEFT JOIN pg_index i ON i.indrelid = c.oid AND i.indisprimary "
    "WHERE c.relnamespace = current_schema()::regnamespace AND c.relkind IN ('r', 'v', 'm', 'p') "
    "AND a.attnum > 0 AND NOT a.attisdropped ORDER BY c.oid, a.attnum";

// The domains the desktop types are stored in, and case-blind text.
const char *const typesScript =
    "DO $$BEGIN "
    "IF to_regtype('olvar_datetime') IS NULL THEN CREATE DOMAIN olvar_datetime AS double precision; END IF; "
    "IF to_regtype('olvar_boolean') IS NULL THEN CREATE DOMAIN olvar_boolean AS smallint; END IF; "
    "IF to_regtype('citext') IS NULL THEN CREATE EXTENSION citext; END IF; "
    "END$$";

// The catalogs read so far, by connection: every operation opens its own, and
// reading the schema each time would double its cost.
QMutex catalogMutex;
QHash<QString, std::shared_ptr<const PostgresCatalog>> catalogs;

std::optional<OleDate> readGeneralDate(const QString &text)
{
    return DateText::tryParse(text, QLocale());
}

QString serverMessage(const char *text)
{
    return QString::fromUtf8(text).trimmed();
}

// SQLSTATE classes: 42 syntax and unknown names, 22 data exceptions. A value of
// the wrong type for its column is refused as a file's CHECK constraints refuse it.
int errorNumberOf(const char *sqlState)
{
    if (!sqlState || qstrcmp(sqlState, "42804") == 0)
        return ErrorNumber::GeneralFailure;
    if (qstrncmp(sqlState, "42", 2) == 0)
        return ErrorNumber::SqlError;
    if (qstrncmp(sqlState, "22", 2) == 0)
        return ErrorNumber::DataTypeMismatch;
    return ErrorNumber::GeneralFailure;
}

} // namespace

std::shared_ptr<PostgresSession> PostgresSession::open(const QList<std::pair<QByteArray, QByteArray>> &keywords)
{
    QList<const char *> keys;
    QList<const char *> values;
    for (const auto &[key, value] : keywords) {
        keys.append(key.constData());
        values.append(value.constData());
    }
    keys.append(nullptr);
    values.append(nullptr);
    PGconn *connection = PQconnectdbParams(keys.constData(), values.constData(), 0);
    if (!connection || PQstatus(connection) != CONNECTION_OK) {
        const QString message =
            connection ? serverMessage(PQerrorMessage(connection)) : QStringLiteral("out of memory");
        PQfinish(connection);
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("Cannot connect to the PostgreSQL server: %1").arg(message));
    }
    PQsetNoticeProcessor(connection, logNotice, nullptr);
    std::shared_ptr<PostgresSession> session(new PostgresSession(connection));
    QStringList key;
    for (const auto &[name, value] : keywords)
        key.append(QString::fromUtf8(name + '=' + value));
    key.sort();
    session->m_catalogKey = key.join(QLatin1Char('\n'));
    {
        const QMutexLocker locker(&catalogMutex);
        session->m_catalog = catalogs.value(session->m_catalogKey);
    }
    if (!session->m_catalog)
        session->loadCatalog();
    return session;
}

PostgresSession::PostgresSession(PGconn *connection)
    : m_connection(connection)
{
}

PostgresSession::~PostgresSession()
{
    close();
}

void PostgresSession::checkOpen() const
{
    if (!m_connection)
        throw OleError(ErrorNumber::ConnectionUnusable);
}

void PostgresSession::raise(PGresult *result) const
{
    const int number = errorNumberOf(result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr);
    QString message = serverMessage(result ? PQresultErrorMessage(result) : PQerrorMessage(m_connection));
    if (message.isEmpty())
        message = serverMessage(PQerrorMessage(m_connection));
    PQclear(result);
    if (PQstatus(m_connection) != CONNECTION_OK)
        message = QStringLiteral("The connection to the PostgreSQL server is lost: ") + message;
    throw OleError(number, message);
}

PGresult *PostgresSession::exec(const QByteArray &sql, const QList<QVariant> &parameters)
{
    QList<QByteArray> texts(parameters.size());
    QList<const char *> values(parameters.size(), nullptr);
    QList<Oid> types(parameters.size(), 0);
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QVariant &parameter = parameters.at(i);
        if (isNullVariant(parameter) || !parameter.isValid())
            continue;
        const int type = parameter.typeId();
        if (type == QMetaType::Double) {
            texts[i] = QByteArray::number(parameter.toDouble(), 'g', 17);
            types[i] = 701; // float8
        } else {
            texts[i] = parameter.toString().toUtf8();
            types[i] = type == QMetaType::Int || type == QMetaType::LongLong ? 20 : 0; // int8, or as the statement says
        }
        values[i] = texts.at(i).constData();
    }
    PGresult *result = PQexecParams(m_connection, sql.constData(), int(parameters.size()), types.constData(),
                                    values.constData(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        raise(result);
    return result;
}

void PostgresSession::run(const QByteArray &sql, const QList<QByteArray> &parameters)
{
    checkOpen();
    QList<QVariant> values;
    for (const QByteArray &parameter : parameters)
        values.append(QString::fromUtf8(parameter));
    PQclear(exec(sql, values));
}

void PostgresSession::loadCatalog()
{
    auto catalog = std::make_shared<PostgresCatalog>();
    PGresult *result = exec(catalogQuery, {});
    for (int row = 0; row < PQntuples(result); ++row) {
        PostgresColumn column{QString::fromUtf8(PQgetvalue(result, row, 3)),
                              PostgresCatalog::kindOfType(QString::fromUtf8(PQgetvalue(result, row, 4))),
                              PQgetvalue(result, row, 5)[0] == 't', PQgetvalue(result, row, 6)[0] == 't'};
        catalog->addColumn(QByteArray(PQgetvalue(result, row, 0)).toUInt(),
                           QString::fromUtf8(PQgetvalue(result, row, 1)),
                           QByteArray(PQgetvalue(result, row, 2)).toInt(), column);
    }
    PQclear(result);
    m_catalog = catalog;
    m_catalogFresh = true;
    const QMutexLocker locker(&catalogMutex);
    catalogs.insert(m_catalogKey, catalog);
}

void PostgresSession::prepareTypes()
{
    if (m_typesReady)
        return;
    PQclear(exec(typesScript, {}));
    m_typesReady = true;
}

std::unique_ptr<EngineCursor> PostgresSession::execute(const QString &statement, CursorMovement)
{
    checkOpen();
    const QString key = QLocale().name() + QLatin1Char('\n') + statement;
    std::optional<TranslatedStatement> translated = TranslationCache::instance().find(key);
    if (!translated) {
        translated = DialectTranslator(this, readGeneralDate).translate(statement);
        if (!translated->dependsOnContext)
            TranslationCache::instance().insert(key, *translated);
    }
    PostgresStatement postgres;
    PGresult *result = execTranslated(statement, *translated, &postgres);
    // An insert, update or delete says how many rows it wrote; other statements leave the count as it was.
    if (const char *rows = PQcmdTuples(result); rows && *rows)
        m_changes = QByteArray(rows).toLongLong();
    if (postgres.changesSchema)
        loadCatalog();
    if (!postgres.renumberTable.isEmpty()) {
        const PostgresTable *table = m_catalog->table(postgres.renumberTable);
        const QString column = table->identityColumn()->name;
        // Numbers given by hand move the numbering past them, as a file's row identifiers do.
        run(QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), "
                           "GREATEST((SELECT max(\"%1\") FROM \"%2\"), 1))")
                .arg(QString(column).replace(QLatin1Char('"'), QLatin1String("\"\"")),
                     QString(table->name).replace(QLatin1Char('"'), QLatin1String("\"\"")))
                .toUtf8(),
            {QByteArray('"' + table->name.toUtf8() + '"'), column.toUtf8()});
    }
    if (postgres.returnsInsertId) {
        const int rows = PQntuples(result);
        if (rows > 0)
            m_lastInsertId = QByteArray(PQgetvalue(result, rows - 1, 0)).toLongLong();
        PQclear(result);
        return nullptr;
    }
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        PQclear(result);
        return nullptr;
    }
    return cursorFor(result);
}

PGresult *PostgresSession::execTranslated(const QString &statement, const TranslatedStatement &translated,
                                          PostgresStatement *postgres)
{
    *postgres = PostgresDialect::translate(translated.sql, *m_catalog);
    if (postgres->changesSchema)
        prepareTypes();
    const bool idle = PQtransactionStatus(m_connection) == PQTRANS_IDLE;
    try {
        return exec(postgres->sql.toUtf8(), translated.parameters);
    } catch (const OleError &) {
        // Another program may have changed the schema since it was read: read it again and retry once.
        if (m_catalogFresh || !idle || PQstatus(m_connection) != CONNECTION_OK)
            throw;
    }
    loadCatalog();
    const TranslatedStatement again = DialectTranslator(this, readGeneralDate).translate(statement);
    *postgres = PostgresDialect::translate(again.sql, *m_catalog);
    return exec(postgres->sql.toUtf8(), again.parameters);
}

std::unique_ptr<EngineCursor> PostgresSession::cursorFor(PGresult *result)
{
    auto cursor = std::make_unique<PostgresCursor>(shared_from_this(), result);
    m_cursors.append(cursor.get());
    return cursor;
}

bool PostgresSession::hasTable(const QString &name) const
{
    checkOpen();
    QString bare = name.trimmed();
    if (bare.size() >= 2 && (bare.startsWith(QLatin1Char('[')) || bare.startsWith(QLatin1Char('"'))))
        bare = bare.mid(1, bare.size() - 2);
    return m_catalog->table(bare) != nullptr;
}

std::unique_ptr<EngineCursor> PostgresSession::openTable(const QString &table, CursorMovement)
{
    checkOpen();
    QString bare = table.trimmed();
    if (bare.size() >= 2 && (bare.startsWith(QLatin1Char('[')) || bare.startsWith(QLatin1Char('"'))))
        bare = bare.mid(1, bare.size() - 2);
    const PostgresTable *found = m_catalog->table(bare);
    if (!found)
        throw OleError(ErrorNumber::SqlError, QStringLiteral("no such table: %1").arg(bare));
    const auto quote = [](QString name) -> QString {
        return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    };
    // A server table has no row order: its rows come in the order of its primary key.
    QString sql = QStringLiteral("SELECT * FROM ") + quote(found->name);
    QStringList key = found->primaryKey();
    for (QString &column : key)
        column = quote(column);
    if (!key.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + key.join(QStringLiteral(", "));
    return cursorFor(exec(sql.toUtf8(), {}));
}

qint64 PostgresSession::lastInsertId() const
{
    checkOpen();
    return m_lastInsertId;
}

qint64 PostgresSession::changes() const
{
    checkOpen();
    return m_changes;
}

void PostgresSession::close()
{
    if (!m_connection)
        return;
    const QList<PostgresCursor *> cursors = m_cursors;
    for (PostgresCursor *cursor : cursors)
        cursor->close();
    PQfinish(m_connection);
    m_connection = nullptr;
}

void PostgresSession::beginExclusive(const QList<std::pair<int, qint64>> &keys, int timeoutMs)
{
    checkOpen();
    // Advisory locks per key, taken in one order so that two desks never wait for each other.
    QList<std::pair<int, qint64>> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    PQclear(exec("BEGIN", {}));
    try {
        PQclear(exec("SELECT set_config('lock_timeout', $1, true)", {QString::number(timeoutMs)}));
        for (const auto &[kind, number] : sorted)
            PQclear(exec("SELECT pg_advisory_xact_lock($1)", {(qint64(kind) << 48) + number}));
    } catch (const OleError &error) {
        if (PQstatus(m_connection) == CONNECTION_OK)
            PQclear(PQexec(m_connection, "ROLLBACK"));
        throw OleError(ErrorNumber::GeneralFailure, QStringLiteral("The database is busy: ") + error.description());
    }
}

SchemaInfo::ColumnKind PostgresSession::columnKind(const QString &table, const QString &column) const
{
    const PostgresTable *found = m_catalog->table(table);
    if (!found)
        return OtherColumn;
    for (const PostgresColumn &entry : found->columns) {
        if (entry.name.compare(column, Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return OtherColumn;
}

QStringList PostgresSession::columnNames(const QString &table) const
{
    QStringList names;
    if (const PostgresTable *found = m_catalog->table(table)) {
        for (const PostgresColumn &entry : found->columns)
            names.append(entry.name);
    }
    return names;
}

void PostgresSession::unregisterCursor(PostgresCursor *cursor)
{
    m_cursors.removeOne(cursor);
}

} // namespace OlvarControls::DataAccess
