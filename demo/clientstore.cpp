// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clientstore.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "numberconversion.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

struct LinkTable
{
    QString table; // the client's links
    QString column; // the linked identifier
    QString names; // the table of what is linked
};

LinkTable linkTable(ClientStore::Kind kind)
{
    if (kind == ClientStore::Kind::Ethnicities)
        return {QStringLiteral("tblClientEthnecityLink"), QStringLiteral("EthnecityID"),
                QStringLiteral("tblEthnecity")};
    return {QStringLiteral("tblClientLanguageLink"), QStringLiteral("LanguageID"), QStringLiteral("tblLanguage")};
}

bool writeLinks(DemoConnection &cn, ClientStore::Kind kind, qint32 clientId, const QList<qint32> &ids)
{
    const LinkTable link = linkTable(kind);
    const QString client = QString::number(clientId);
    bool written =
        cn.execute(QStringLiteral("Delete from ") + link.table + QStringLiteral(" where ClientID=") + client);
    for (const qint32 id : ids) {
        written = cn.execute(QStringLiteral("Insert into ") + link.table + QStringLiteral(" (ClientID, ") + link.column
                             + QStringLiteral(") values (") + client + QStringLiteral(", ") + QString::number(id)
                             + QLatin1Char(')'))
            && written;
    }
    return written;
}

} // namespace

QList<ClientStore::Choice> ClientStore::choices(Kind kind)
{
    const LinkTable link = linkTable(kind);
    QList<Choice> list;
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from ") + link.names + QStringLiteral(" order by Description"));
    for (; !rs.eof(); rs.moveNext())
        list << Choice{basGeneral::Int32Of(rs.value(link.column)),
                       basGeneral::TextOf(rs.value(QStringLiteral("Description")))};
    return list;
}

QList<qint32> ClientStore::linked(Kind kind, qint32 clientId)
{
    const LinkTable link = linkTable(kind);
    QList<qint32> ids;
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from ") + link.table + QStringLiteral(" where ClientID=")
                               + QString::number(clientId));
    for (; !rs.eof(); rs.moveNext())
        ids << basGeneral::Int32Of(rs.value(link.column));
    return ids;
}

std::optional<ClientRecord> ClientStore::load(qint32 clientId)
{
    DemoConnection cn;
    DemoRecordset rs = cn.read(QStringLiteral("Select * from tblClient where ClientID=") + QString::number(clientId));
    if (rs.eof())
        return std::nullopt;
    return ClientRecord::fromRow([&rs](const QString &column) { return rs.value(column); });
}

qint32 ClientStore::save(const ClientRecord &record, qint32 clientId, const QList<qint32> &ethnicities,
                         const QList<qint32> &languages)
{
    DemoConnection cn;
    if (clientId > 0) {
        if (!cn.execute(record.updateStatement(clientId)))
            return 0;
    } else {
        if (!cn.execute(record.insertStatement()))
            return 0;
        clientId = qint32(cn.lastInsertId());
        if (clientId <= 0)
            return 0;
    }
    writeLinks(cn, Kind::Ethnicities, clientId, ethnicities);
    writeLinks(cn, Kind::Languages, clientId, languages);
    return clientId;
}

} // namespace Sessara
