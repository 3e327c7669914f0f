// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clientrecord.h"

#include "basgeneral.h"
#include "numberconversion.h"
#include "oledate.h"
#include "resumenext.h"
#include "sessiontime.h"

using namespace OlvarControls;

namespace Sessara {

namespace {

const QString FirstContact = QStringLiteral("FirstContact");

} // namespace

const QList<ClientRecord::Column> &ClientRecord::columns()
{
    static const QList<Column> list = {
        {"Salutation", "Salutation", "Name"},
        {"FirstName", "First Name", "Name"},
        {"LastName", "Last Name", "Name"},
        {"OrganisationName", "Organisation", "Name"},
        {"WorkPhone", "Work Phone", "Contact"},
        {"Mobile", "Mobile", "Contact"},
        {"Fax", "Fax", "Contact"},
        {"Email", "Email", "Contact"},
        {"Gender", "Gender", "Details"},
        {"Occupation", "Occupation", "Details"},
        {"Ancestry", "Ancestry", "Details"},
        {"FirstContact", "First Contact", "Details"},
        {"PostAddr1", "Address", "Postal Address"},
        {"PostAddr2", "", "Postal Address"},
        {"PostAddr3", "", "Postal Address"},
        {"PostPcode", "Postcode", "Postal Address"},
        {"PhysAddr1", "Address", "Physical Address"},
        {"PhysAddr2", "", "Physical Address"},
        {"PhysAddr3", "", "Physical Address"},
        {"PhysPcode", "Postcode", "Physical Address"},
    };
    return list;
}

QStringList ClientRecord::groups()
{
    QStringList names;
    for (const Column &column : columns()) {
        if (!names.contains(QLatin1String(column.group)))
            names << QLatin1String(column.group);
    }
    return names;
}

ClientRecord ClientRecord::fromRow(const std::function<QVariant(const QString &)> &fieldValue)
{
    ClientRecord record;
    for (const Column &column : columns()) {
        const QString name = QLatin1String(column.name);
        const QVariant value = fieldValue(name);
        if (name != FirstContact) {
            record.setValue(name, basGeneral::TextOf(value));
            continue;
        }
        QString text;
        if (!basGeneral::TextOf(value).isEmpty())
            ResumeNext()([&] { text = NumberConversion::toDate(value).date().toString(QStringLiteral("dd/MM/yyyy")); });
        record.setValue(name, text);
    }
    return record;
}

std::optional<double> ClientRecord::dayNumber(const QString &text)
{
    const std::optional<OleDate> date = SessionTime::dayMonthYear(text.trimmed());
    if (!date)
        return std::nullopt;
    return date->datePart().value();
}

QString ClientRecord::refusal() const
{
    if (value(QStringLiteral("LastName")).trimmed().isEmpty()
        && value(QStringLiteral("OrganisationName")).trimmed().isEmpty()) {
        return QStringLiteral("Enter a last name or an organisation name.");
    }
    const QString firstContact = value(FirstContact).trimmed();
    if (!firstContact.isEmpty() && !dayNumber(firstContact))
        return QStringLiteral("First Contact must be a date written dd/mm/yyyy.");
    return QString();
}

QString ClientRecord::sqlValue(const Column &column) const
{
    const QString text = value(QLatin1String(column.name)).trimmed();
    if (QLatin1String(column.name) == FirstContact) {
        const std::optional<double> day = dayNumber(text);
        return day ? QString::number(*day, 'g', 17) : QStringLiteral("Null");
    }
    return QLatin1Char('\'') + basGeneral::QuoteForSql(text) + QLatin1Char('\'');
}

QString ClientRecord::insertStatement() const
{
    QStringList names;
    QStringList values;
    for (const Column &column : columns()) {
        names << QLatin1String(column.name);
        values << sqlValue(column);
    }
    return QStringLiteral("Insert into tblClient (") + names.join(QStringLiteral(", ")) + QStringLiteral(") values (")
        + values.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString ClientRecord::updateStatement(qint32 clientId) const
{
    QStringList assignments;
    for (const Column &column : columns())
        assignments << QLatin1String(column.name) + QStringLiteral(" = ") + sqlValue(column);
    return QStringLiteral("Update tblClient set ") + assignments.join(QStringLiteral(", "))
        + QStringLiteral(" where ClientID = ") + QString::number(clientId);
}

QString ClientRecord::displayName() const
{
    const QString organisation = value(QStringLiteral("OrganisationName")).trimmed();
    if (!organisation.isEmpty())
        return organisation;
    const QString name =
        value(QStringLiteral("FirstName")).trimmed() + QLatin1Char(' ') + value(QStringLiteral("LastName")).trimmed();
    return name.trimmed();
}

} // namespace Sessara
