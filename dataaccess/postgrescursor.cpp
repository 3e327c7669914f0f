// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "postgrescursor.h"

#include "olevariant.h"
#include "postgressession.h"

#include <libpq-fe.h>

namespace OlvarControls::DataAccess {

namespace {

// Type identifiers of PostgreSQL's built-in types (pg_type.oid).
enum : Oid {
    BoolOid = 16,
    ByteaOid = 17,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    Float4Oid = 700,
    Float8Oid = 701,
    NumericOid = 1700,
};

} // namespace

PostgresCursor::PostgresCursor(std::shared_ptr<PostgresSession> session, PGresult *result)
    : m_session(std::move(session))
    , m_result(result)
    , m_rowCount(PQntuples(result))
{
    const int count = PQnfields(result);
    for (int column = 0; column < count; ++column) {
        const PostgresTable *table = m_session->catalog().table(unsigned(PQftable(result, column)));
        const auto index = table ? table->byNumber.value(PQftablecol(result, column), -1) : -1;
        const PostgresColumn *origin = index >= 0 ? &table->columns.at(index) : nullptr;
        m_columns.append(ColumnInfo{QString::fromUtf8(PQfname(result, column)), origin ? table->name : QString(),
                                    origin ? origin->name : QString()});
        m_kinds.append(origin ? origin->kind : SchemaInfo::OtherColumn);
        m_types.append(PQftype(result, column));
    }
}

PostgresCursor::~PostgresCursor()
{
    close();
}

void PostgresCursor::close()
{
    if (!m_result)
        return;
    PQclear(m_result);
    m_result = nullptr;
    m_session->unregisterCursor(this);
}

bool PostgresCursor::moveFirst()
{
    m_row = 0;
    return m_row < m_rowCount;
}

bool PostgresCursor::moveNext()
{
    if (m_row < m_rowCount)
        ++m_row;
    return m_row < m_rowCount;
}

bool PostgresCursor::moveLast()
{
    m_row = m_rowCount > 0 ? m_rowCount - 1 : 0;
    return m_rowCount > 0;
}

qint64 PostgresCursor::position()
{
    return m_row + 1;
}

QVariant PostgresCursor::value(int column) const
{
    if (PQgetisnull(m_result, m_row, column))
        return nullVariant();
    const char *text = PQgetvalue(m_result, m_row, column);
    const SchemaInfo::ColumnKind kind = m_kinds.at(column);
    switch (m_types.at(column)) {
    case BoolOid:
        return QVariant(text[0] == 't');
    case Int2Oid:
    case Int4Oid:
    case Int8Oid:
        return SchemaInfo::integerValue(QByteArray(text).toLongLong(), kind);
    case Float4Oid:
    case Float8Oid:
    case NumericOid:
        return SchemaInfo::realValue(QByteArray(text).toDouble(), kind);
    case ByteaOid: {
        size_t length = 0;
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text), &length);
        const QByteArray data(reinterpret_cast<const char *>(bytes), qsizetype(length));
        PQfreemem(bytes);
        return QVariant(data);
    }
    default:
        return QVariant(QString::fromUtf8(text, PQgetlength(m_result, m_row, column)));
    }
}

} // namespace OlvarControls::DataAccess
