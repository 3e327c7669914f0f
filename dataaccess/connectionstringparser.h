// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace OlvarControls::DataAccess {

/*!
    The keys and values of a connection string: a list of \c key=value pairs
    separated by semicolons. Keys are case-insensitive and blanks around keys and
    values do not count; a value may be put between double or single quotes (the
    quote doubled inside stands for itself), so that it can hold a semicolon.
*/
class ConnectionStringParser
{
public:
    /*! Parses \a connectionString; raises error -2147467259 for a part that is no \c key=value pair. */
    explicit ConnectionStringParser(const QString &connectionString);

    /*! Whether \a key is given. */
    bool contains(const QString &key) const;
    /*! The value of \a key, or \a defaultValue when it is not given. A key given twice keeps its last value. */
    QString value(const QString &key, const QString &defaultValue = QString()) const;

    /*! Every key given, in its comparable form (normalizedKey()). */
    QStringList keys() const { return m_values.keys(); }
    /*! The "Provider" value. */
    QString provider() const { return value(QStringLiteral("Provider")); }
    /*! The "Data Source" value with every "\" turned into "/". */
    QString dataSource() const;

    /*! A key in its comparable form: lower case, inner runs of blanks as one blank. */
    static QString normalizedKey(const QString &key);

private:
    void addPair(const QString &connectionString, const QString &key, const QString &value);

    QHash<QString, QString> m_values;
};

} // namespace OlvarControls::DataAccess
