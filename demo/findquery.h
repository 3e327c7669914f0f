// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariant>

#include <functional>

namespace Sessara {

/*!
    What the finder searches: clients or counsellors whose name, organisation,
    phone or number holds what was typed. Every word typed must be found in
    one of those columns, without regard to case; a whole number also finds
    the client or counsellor of that number.
*/
class FindQuery
{
public:
    /*! Who is searched. */
    enum class Kind { Clients, Counsellors };

    /*! One match as the list shows it. */
    struct Match
    {
        QString id;
        QString name;
        QString phone;
    };

    FindQuery() = delete;

    /*! The SELECT of the \a kind whose columns hold \a typed; every one of them for nothing typed. */
    static QString statement(Kind kind, const QString &typed);
    /*! The match of a row whose column values \a fieldValue gives. */
    static Match match(Kind kind, const std::function<QVariant(const QString &)> &fieldValue);
    /*! The finder's caption: "Find Client" or "Find Counsellor". */
    static QString caption(Kind kind);
};

} // namespace Sessara
