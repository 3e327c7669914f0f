// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "findquery.h"

#include "basgeneral.h"
#include "sessionattendees.h"

#include <QStringList>

namespace Sessara {

namespace {

struct Searched
{
    QString table;
    QString idColumn;
    QStringList textColumns;
    QStringList phoneColumns;
    QString order;
};

Searched searched(FindQuery::Kind kind)
{
    if (kind == FindQuery::Kind::Clients) {
        return {QStringLiteral("tblClient"),
                QStringLiteral("ClientID"),
                {QStringLiteral("FirstName"), QStringLiteral("LastName"), QStringLiteral("OrganisationName"),
                 QStringLiteral("WorkPhone"), QStringLiteral("Mobile"), QStringLiteral("Fax")},
                {QStringLiteral("WorkPhone"), QStringLiteral("Mobile")},
                QStringLiteral(" order by LastName, OrganisationName, FirstName")};
    }
    return {QStringLiteral("tblCounseller"),
            QStringLiteral("CounsellerID"),
            {QStringLiteral("FirstName"), QStringLiteral("LastName"), QStringLiteral("Phone"),
             QStringLiteral("WorkPhone"), QStringLiteral("HomePhone"), QStringLiteral("Mobile")},
            {QStringLiteral("Phone"), QStringLiteral("WorkPhone"), QStringLiteral("Mobile")},
            QStringLiteral(" order by LastName, FirstName")};
}

} // namespace

QString FindQuery::statement(Kind kind, const QString &typed)
{
    const Searched s = searched(kind);
    QStringList conditions;
    for (const QString &word : typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList alternatives;
        const QString pattern = QStringLiteral(" like '%") + basGeneral::QuoteForSql(word) + QStringLiteral("%'");
        for (const QString &column : s.textColumns)
            alternatives << column + pattern;
        if (const std::optional<qint32> number = SessionAttendees::identifier(word))
            alternatives << s.idColumn + QStringLiteral(" = ") + QString::number(*number);
        conditions << QLatin1Char('(') + alternatives.join(QStringLiteral(" or ")) + QLatin1Char(')');
    }
    QString select = QStringLiteral("Select * from ") + s.table;
    if (!conditions.isEmpty())
        select += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    return select + s.order;
}

FindQuery::Match FindQuery::match(Kind kind, const std::function<QVariant(const QString &)> &fieldValue)
{
    const Searched s = searched(kind);
    const auto text = [&](const char *column) {
        return basGeneral::TextOf(fieldValue(QLatin1String(column))).trimmed();
    };
    Match found;
    found.id = basGeneral::TextOf(fieldValue(s.idColumn));
    found.name = kind == Kind::Clients ? text("OrganisationName") : QString();
    if (found.name.isEmpty()) {
        const QString name = text("FirstName") + QLatin1Char(' ') + text("LastName");
        found.name = name.trimmed();
    }
    for (const QString &column : s.phoneColumns) {
        found.phone = basGeneral::TextOf(fieldValue(column)).trimmed();
        if (!found.phone.isEmpty())
            break;
    }
    return found;
}

QString FindQuery::caption(Kind kind)
{
    return kind == Kind::Clients ? QStringLiteral("Find Client") : QStringLiteral("Find Counsellor");
}

} // namespace Sessara
