// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitesession.h"

#include "datetext.h"
#include "dialecttranslator.h"
#include "oleerror.h"
#include "sqlitecursor.h"
#include "sqliteerror.h"
#include "sqlitequerycursor.h"
#include "sqlitestatement.h"
#include "sqlitetablecursor.h"
#include "sqlitetokencheck.h"
#include "translationcache.h"

#include <QFileInfo>
#include <QLocale>

#include <sqlite3.h>

namespace OlvarControls::DataAccess {

namespace {

// Texts written into date/time columns mean what they mean to the user.
std::optional<OleDate> readGeneralDate(const QString &text)
{
    return DateText::tryParse(text, QLocale());
}

// A table name as a caller may write it: bare, [bracketed] or "quoted".
QString bareTableName(const QString &table)
{
    const QString name = table.trimmed();
    if (name.size() >= 2
        && ((name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
            || (name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))))) {
        return name.mid(1, name.size() - 2);
    }
    return name;
}

QString quotedName(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

std::shared_ptr<SqliteSession> SqliteSession::open(const QString &path, int busyTimeout)
{
    const QFileInfo file(path);
    if (!file.exists() || file.isDir())
        throw OleError(ErrorNumber::GeneralFailure, QStringLiteral("Could not find file '%1'.").arg(path));

    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE, nullptr);
    if (rc == SQLITE_OK)
        sqlite3_busy_timeout(db, busyTimeout);
    // Reading the schema at once finds a damaged file or a lock here rather than at the first statement.
    const int checked =
        rc == SQLITE_OK ? sqlite3_exec(db, "SELECT 1 FROM sqlite_schema LIMIT 1", nullptr, nullptr, nullptr) : rc;
    if (checked != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(checked));
        sqlite3_close_v2(db);
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("Cannot open the database '%1': %2").arg(path, message));
    }
    return std::shared_ptr<SqliteSession>(new SqliteSession(db));
}

SqliteSession::SqliteSession(sqlite3 *db)
    : m_db(db)
{
}

SqliteSession::~SqliteSession()
{
    close();
}

void SqliteSession::checkOpen() const
{
    if (!m_db)
        throw OleError(ErrorNumber::ConnectionUnusable);
}

TranslatedStatement SqliteSession::translate(const QString &statement) const
{
    // Month names in date literals may be the user's, so the locale is part of the key.
    const QString key = QLocale().name() + QLatin1Char('\n') + statement;
    if (std::optional<TranslatedStatement> cached = TranslationCache::instance().find(key))
        return *std::move(cached);
    TranslatedStatement translated = DialectTranslator(this, readGeneralDate).translate(statement);
    SqliteTokenCheck::verify(translated);
    if (!translated.dependsOnContext)
        TranslationCache::instance().insert(key, translated);
    return translated;
}

std::unique_ptr<EngineCursor> SqliteSession::execute(const QString &statement, CursorMovement movement)
{
    checkOpen();
    const TranslatedStatement translated = translate(statement);
    auto prepared = std::make_unique<SqliteStatement>(m_db, translated.sql, translated.parameters);
    // SQLite's parser found exactly the parameters the translation binds, or the statement means something else.
    if (prepared->parameterCount() != translated.parameters.size())
        throw OleError(ErrorNumber::SqlError,
                       QStringLiteral("Syntax error in the statement: it cannot be run as it is written."));
    if (prepared->columnCount() == 0) {
        while (prepared->step()) {
        }
        return nullptr;
    }
    return std::make_unique<SqliteQueryCursor>(shared_from_this(), std::move(prepared), movement);
}

bool SqliteSession::hasTable(const QString &name) const
{
    checkOpen();
    SqliteStatement statement(
        m_db,
        QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 "
                       "COLLATE NOCASE"),
        {bareTableName(name)});
    return statement.step();
}

std::unique_ptr<EngineCursor> SqliteSession::openTable(const QString &table, CursorMovement movement)
{
    checkOpen();
    const QString name = bareTableName(table);
    if (movement == CursorMovement::Scrollable
        && sqlite3_table_column_metadata(m_db, nullptr, name.toUtf8().constData(), "rowid", nullptr, nullptr, nullptr,
                                         nullptr, nullptr)
            == SQLITE_OK) {
        return std::make_unique<SqliteTableCursor>(shared_from_this(), quotedName(name));
    }
    // Views and tables without row identifiers are read as a query.
    auto prepared = std::make_unique<SqliteStatement>(m_db, QStringLiteral("SELECT * FROM ") + quotedName(name));
    return std::make_unique<SqliteQueryCursor>(shared_from_this(), std::move(prepared), movement);
}

qint64 SqliteSession::lastInsertId() const
{
    checkOpen();
    return sqlite3_last_insert_rowid(m_db);
}

qint64 SqliteSession::changes() const
{
    checkOpen();
    return sqlite3_changes64(m_db);
}

void SqliteSession::close()
{
    if (!m_db)
        return;
    const QList<SqliteCursor *> cursors = m_cursors;
    for (SqliteCursor *cursor : cursors)
        cursor->close();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void SqliteSession::beginExclusive(const QList<std::pair<int, qint64>> &, int timeoutMs)
{
    checkOpen();
    // A file has one writer at a time: the write lock, taken at once, keeps every other program out.
    sqlite3_busy_timeout(m_db, timeoutMs);
    const int rc = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        SqliteError::raise(m_db, rc, QStringLiteral("The database is busy: "));
}

SchemaInfo::ColumnKind SqliteSession::columnKind(const QString &table, const QString &column) const
{
    const char *declaredType = nullptr;
    if (sqlite3_table_column_metadata(m_db, nullptr, table.toUtf8().constData(), column.toUtf8().constData(),
                                      &declaredType, nullptr, nullptr, nullptr, nullptr)
            != SQLITE_OK
        || !declaredType) {
        return OtherColumn;
    }
    return kindOfDeclaredType(QString::fromUtf8(declaredType));
}

QStringList SqliteSession::columnNames(const QString &table) const
{
    SqliteStatement statement(m_db, QStringLiteral("SELECT name FROM pragma_table_info(?1)"), {table});
    QStringList names;
    while (statement.step())
        names.append(statement.value(0).toString());
    return names;
}

void SqliteSession::registerCursor(SqliteCursor *cursor)
{
    m_cursors.append(cursor);
}

void SqliteSession::unregisterCursor(SqliteCursor *cursor)
{
    m_cursors.removeOne(cursor);
}

} // namespace OlvarControls::DataAccess
