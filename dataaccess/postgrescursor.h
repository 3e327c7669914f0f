// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"
#include "schemainfo.h"

#include <memory>

struct pg_result;

namespace OlvarControls::DataAccess {

class PostgresSession;

/*!
    The rows of a PostgreSQL result, all received at once, so that the cursor
    moves freely whichever movement was asked for. Values come back as SQLite's
    do: Null, int or qint64, double, QString, QByteArray, and OleDate and bool
    for the columns declared as dates and Booleans.
*/
class PostgresCursor : public EngineCursor
{
public:
    /*! A cursor over \a result, which it frees; \a session is kept alive and closes it. */
    PostgresCursor(std::shared_ptr<PostgresSession> session, pg_result *result);
    ~PostgresCursor() override;

    const QList<ColumnInfo> &columns() const override { return m_columns; }
    bool isOpen() const override { return m_result != nullptr; }
    void close() override;

    bool moveFirst() override;
    bool moveNext() override;
    bool moveLast() override;
    qint64 position() override;
    QVariant value(int column) const override;

private:
    std::shared_ptr<PostgresSession> m_session;
    pg_result *m_result;
    QList<ColumnInfo> m_columns;
    QList<SchemaInfo::ColumnKind> m_kinds;
    QList<unsigned> m_types;
    int m_rowCount = 0;
    int m_row = -1;
};

} // namespace OlvarControls::DataAccess
