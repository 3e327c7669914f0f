// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

namespace Sessara {

/*! The texts the session dialog composes from its fields and the stored rows. */
class SessionTexts
{
public:
    SessionTexts() = delete;

    /*!
        The subject a session gets from its fields: client type, session type,
        location and name, as in "Adult Assessment (Room 2) (Ms Ann Lee)".
    */
    static QString BuildDefaultSubject(const QString &clientType, const QString &sessionType, const QString &location,
                                       const QString &fullName);
    /*!
        The subject after a field it is built from was left: \a newDefault while
        \a subject is empty or still \a lastDefault (the default last put
        there), else the subject the receptionist typed, \a subject.
    */
    static QString followingSubject(const QString &subject, const QString &lastDefault, const QString &newDefault);
    /*!
        The booked client's name: the organisation's name when there is one,
        else salutation, first and last name, each trimmed, with one blank
        between them.
    */
    static QString bookedClientName(const QVariant &organisationName, const QVariant &salutation,
                                    const QVariant &firstName, const QVariant &lastName);
    /*! The case line: "Case Number: 7     Session: 3/5". */
    static QString caseLine(const QVariant &caseId, const QVariant &currentPosition, const QVariant &sessionsInCase);
    /*! The status label's caption for a session whose Chargeable is \a chargeable. */
    static QString chargeableStatus(bool chargeable);
    /*! The caption of the button that would switch the charging of a session whose Chargeable is \a chargeable. */
    static QString chargeableButtonCaption(bool chargeable);
    /*! The message for a date or time text that cannot be read. */
    static QString unreadableTimeMessage();
    /*!
        The message that refuses the first of \a fields (caption, text) whose
        text holds a null character, which no statement can carry; empty when
        none does.
    */
    static QString nullCharacterMessage(const QList<std::pair<QString, QString>> &fields);
    /*! The message for a save refused because the database could not be reached or stayed locked. */
    static QString databaseUnavailableMessage();
};

} // namespace Sessara
