// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "clientrecord.h"

#include <QList>
#include <QString>

#include <optional>

namespace Sessara {

/*!
    The client form's reads and writes: a client's row, its ethnicities and
    languages (which feed the counsellor ranking), and the lists to choose
    them from. Each call is one operation on its own connection.
*/
class ClientStore
{
public:
    ClientStore() = delete;

    /*! One ethnicity or language to choose. */
    struct Choice
    {
        qint32 id = 0;
        QString description;
    };
    /*! The ethnicities (tblEthnecity) or the languages (tblLanguage). */
    enum class Kind { Ethnicities, Languages };

    /*! Everything there is to choose of \a kind, by description. */
    static QList<Choice> choices(Kind kind);
    /*! The identifiers of \a kind linked to client \a clientId. */
    static QList<qint32> linked(Kind kind, qint32 clientId);
    /*! Client \a clientId's row; nothing when there is no such client. */
    static std::optional<ClientRecord> load(qint32 clientId);
    /*!
        Stores \a record as client \a clientId (a new client for 0 or less) with
        the ethnicities \a ethnicities and languages \a languages. Returns the
        client's identifier; 0 when the row could not be written.
    */
    static qint32 save(const ClientRecord &record, qint32 clientId, const QList<qint32> &ethnicities,
                       const QList<qint32> &languages);
};

} // namespace Sessara
