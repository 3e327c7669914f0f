// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

namespace Sessara {

/*! One counsellor as the ranking lists it. */
struct RankedCounsellor
{
    int position = 0; //!< 1-based place in the ranking
    qint32 counsellorId = 0;
    QString lastName; //!< empty when the column holds nothing
    QString firstName;
    QString rank; //!< the rank as text: "2.01", "0"
};

/*!
    Ranks the practice's counsellors for one client: each kind of match the
    counsellor shares with the client (ethnicity, language) scores 0.99 plus a
    hundredth per shared item; no match of a kind scores 0. Every counsellor is
    listed once, best first; those without any match come last with rank 0.
*/
class CounsellorRanking
{
public:
    /*!
        The ranking query for the client box's text \a clientText (the chosen
        ClientID), which is spliced in as it stands.
    */
    static QString statement(const QString &clientText);

    /*!
        Runs the ranking for \a clientText on the database \a connectionString
        names. Raises OleError 13 for a text that is no whole number, and the
        data-access error when the database or the query fails.
    */
    static QList<RankedCounsellor> read(const QString &connectionString, const QString &clientText);
};

} // namespace Sessara
