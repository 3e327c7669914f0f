// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessiontexts.h"

#include "basgeneral.h"

namespace Sessara {

QString SessionTexts::BuildDefaultSubject(const QString &clientType, const QString &sessionType,
                                          const QString &location, const QString &fullName)
{
    return clientType + QLatin1Char(' ') + sessionType + QStringLiteral(" (") + location + QStringLiteral(") (")
        + fullName + QLatin1Char(')');
}

QString SessionTexts::followingSubject(const QString &subject, const QString &lastDefault, const QString &newDefault)
{
    return subject.isEmpty() || subject == lastDefault ? newDefault : subject;
}

QString SessionTexts::bookedClientName(const QVariant &organisationName, const QVariant &salutation,
                                       const QVariant &firstName, const QVariant &lastName)
{
    const QString organisation = basGeneral::TextOf(organisationName);
    if (!organisation.isEmpty())
        return organisation;
    return basGeneral::TextOf(salutation).trimmed() + QLatin1Char(' ') + basGeneral::TextOf(firstName).trimmed()
        + QLatin1Char(' ') + basGeneral::TextOf(lastName).trimmed();
}

QString SessionTexts::caseLine(const QVariant &caseId, const QVariant &currentPosition, const QVariant &sessionsInCase)
{
    return QStringLiteral("Case Number: ") + basGeneral::TextOf(caseId) + QStringLiteral("     Session: ")
        + basGeneral::TextOf(currentPosition) + QLatin1Char('/') + basGeneral::TextOf(sessionsInCase);
}

QString SessionTexts::chargeableStatus(bool chargeable)
{
    return chargeable ? QStringLiteral("Session is chargeable") : QStringLiteral("Session is non-chargeable");
}

QString SessionTexts::chargeableButtonCaption(bool chargeable)
{
    return chargeable ? QStringLiteral("Non-Chargeable") : QStringLiteral("Chargeable");
}

QString SessionTexts::unreadableTimeMessage()
{
    return QStringLiteral("You have typed a date or time in a format that is not understood by this software. "
                          "Unable to process inputted data. Please use correct format.");
}

QString SessionTexts::nullCharacterMessage(const QList<std::pair<QString, QString>> &fields)
{
    for (const auto &[caption, text] : fields) {
        if (text.contains(QChar(0)))
            return QStringLiteral("The %1 contains a null character, which cannot be stored.\r\nPlease remove it.")
                .arg(caption);
    }
    return QString();
}

QString SessionTexts::databaseUnavailableMessage()
{
    return QStringLiteral("The database is busy or cannot be reached, so nothing was saved.\r\n"
                          "Please try again in a moment.");
}

} // namespace Sessara
