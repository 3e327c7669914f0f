// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sqlitestatement.h"

#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "sqliteerror.h"

#include <sqlite3.h>

namespace OlvarControls::DataAccess {

namespace {

QString columnText(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

bool isBlank(const char *text)
{
    for (; *text; ++text) {
        if (!QChar::isSpace(uchar(*text)) && *text != ';')
            return false;
    }
    return true;
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql, const QList<QVariant> &parameters)
    : m_db(db)
{
    // SQLite ends a statement at a null character and would run what stands before it.
    if (sql.contains(QChar(0)))
        throw OleError(ErrorNumber::SqlError, QStringLiteral("The statement contains a null character."));
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_statement, &tail);
    if (rc != SQLITE_OK)
        SqliteError::raise(db, rc);
    if (!m_statement)
        throw OleError(ErrorNumber::SqlError, QStringLiteral("The statement is empty."));
    try {
        if (tail && !isBlank(tail))
            throw OleError(ErrorNumber::SqlError, QStringLiteral("Characters found after end of SQL statement."));
        for (qsizetype i = 0; i < parameters.size(); ++i)
            bindValue(int(i + 1), parameters.at(i));
    } catch (...) {
        sqlite3_finalize(m_statement);
        throw;
    }

    const int count = sqlite3_column_count(m_statement);
    m_kinds.reserve(count);
    for (int column = 0; column < count; ++column) {
        const char *declared = sqlite3_column_decltype(m_statement, column);
        m_kinds.append(declared ? SchemaInfo::kindOfDeclaredType(QString::fromUtf8(declared))
                                : SchemaInfo::OtherColumn);
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

int SqliteStatement::columnCount() const
{
    return int(m_kinds.size());
}

int SqliteStatement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_statement);
}

QList<ColumnInfo> SqliteStatement::columns(int count) const
{
    QList<ColumnInfo> result;
    result.reserve(count);
    for (int column = 0; column < count; ++column) {
        result.append(ColumnInfo{columnText(sqlite3_column_name(m_statement, column)),
                                 columnText(sqlite3_column_table_name(m_statement, column)),
                                 columnText(sqlite3_column_origin_name(m_statement, column))});
    }
    return result;
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's own changes are undone by SQLite; make it reusable before reporting.
    sqlite3_reset(m_statement);
    SqliteError::raise(m_db, rc);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

void SqliteStatement::bind(int index, qint64 value)
{
    const int rc = sqlite3_bind_int64(m_statement, index, value);
    if (rc != SQLITE_OK)
        SqliteError::raise(m_db, rc);
}

void SqliteStatement::bindValue(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (isNullVariant(value) || !value.isValid())
        rc = sqlite3_bind_null(m_statement, index);
    else if (value.typeId() == QMetaType::Double)
        rc = sqlite3_bind_double(m_statement, index, value.toDouble());
    else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
             || value.typeId() == QMetaType::Bool)
        rc = sqlite3_bind_int64(m_statement, index, value.toLongLong());
    else {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        SqliteError::raise(m_db, rc);
}

QVariant SqliteStatement::value(int column) const
{
    const SchemaInfo::ColumnKind kind = m_kinds.at(column);
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return nullVariant();
    case SQLITE_INTEGER:
        return SchemaInfo::integerValue(sqlite3_column_int64(m_statement, column), kind);
    case SQLITE_FLOAT:
        return SchemaInfo::realValue(sqlite3_column_double(m_statement, column), kind);
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(m_statement, column);
        return QVariant(QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_statement, column)));
    }
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)));
    }
    }
}

QList<QVariant> SqliteStatement::rowValues(int count) const
{
    QList<QVariant> values;
    values.reserve(count);
    for (int column = 0; column < count; ++column)
        values.append(value(column));
    return values;
}

qint64 SqliteStatement::integerValue(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

} // namespace OlvarControls::DataAccess
