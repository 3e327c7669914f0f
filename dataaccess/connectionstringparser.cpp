// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "connectionstringparser.h"

#include "oleerror.h"

namespace OlvarControls::DataAccess {

namespace {

[[noreturn]] void raiseMalformed(const QString &connectionString)
{
    throw OleError(ErrorNumber::GeneralFailure,
                   QStringLiteral("The connection string is not a list of key=value pairs: ") + connectionString);
}

} // namespace

ConnectionStringParser::ConnectionStringParser(const QString &connectionString)
{
    const qsizetype length = connectionString.size();
    qsizetype i = 0;
    while (i < length) {
        const qsizetype equals = connectionString.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = connectionString.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A part without "=": only blanks may stand there.
            const qsizetype end = semicolon < 0 ? length : semicolon;
            if (!connectionString.mid(i, end - i).trimmed().isEmpty())
                raiseMalformed(connectionString);
            i = end + 1;
            continue;
        }
        const QString key = connectionString.mid(i, equals - i);
        i = equals + 1;
        while (i < length && connectionString.at(i).isSpace())
            ++i;

        QString value;
        const QChar quote = i < length ? connectionString.at(i) : QChar();
        if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < length) {
                const QChar c = connectionString.at(i++);
                if (c != quote) {
                    value += c;
                } else if (i < length && connectionString.at(i) == quote) {
                    value += c;
                    ++i;
                } else {
                    closed = true;
                    break;
                }
            }
            while (i < length && connectionString.at(i).isSpace())
                ++i;
            if (!closed || (i < length && connectionString.at(i) != QLatin1Char(';')))
                raiseMalformed(connectionString);
            ++i;
        } else {
            const qsizetype end = connectionString.indexOf(QLatin1Char(';'), i);
            value = connectionString.mid(i, (end < 0 ? length : end) - i).trimmed();
            i = end < 0 ? length : end + 1;
        }
        addPair(connectionString, key, value);
    }
}

void ConnectionStringParser::addPair(const QString &connectionString, const QString &key, const QString &value)
{
    const QString normalized = normalizedKey(key);
    if (normalized.isEmpty())
        raiseMalformed(connectionString);
    m_values.insert(normalized, value);
}

bool ConnectionStringParser::contains(const QString &key) const
{
    return m_values.contains(normalizedKey(key));
}

QString ConnectionStringParser::value(const QString &key, const QString &defaultValue) const
{
    return m_values.value(normalizedKey(key), defaultValue);
}

QString ConnectionStringParser::dataSource() const
{
    QString path = value(QStringLiteral("Data Source"));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString ConnectionStringParser::normalizedKey(const QString &key)
{
    return key.simplified().toLower();
}

} // namespace OlvarControls::DataAccess
