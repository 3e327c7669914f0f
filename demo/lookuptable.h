// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

namespace Sessara {

/*!
    A list the practice keeps for itself (rooms, session types, case types):
    its table, and the statements and messages of adding, renaming and
    deleting an entry. An entry that is in use is never deleted; the message
    says where it is used.
*/
class LookupTable
{
public:
    /*! The lists there are. */
    enum class Kind { Locations, SessionTypes, CaseTypes };

    /*! Where an entry can be used: a column of another table, and what its rows are called. */
    struct Usage
    {
        QString table;
        QString column;
        QString rows; //!< "sessions", "cases"
    };

    /*! The list of \a kind. */
    static LookupTable of(Kind kind);

    QString caption() const { return m_caption; }
    QString table() const { return m_table; }
    QString idColumn() const { return m_idColumn; }
    QList<Usage> usages() const { return m_usages; }

    /*! Every entry, by description. */
    QString selectAll() const;
    /*! The entries described \a description (without regard to case). */
    QString selectDescribed(const QString &description) const;
    /*! Adds an entry described \a description. */
    QString insert(const QString &description) const;
    /*! Describes entry \a id as \a description. */
    QString rename(qint32 id, const QString &description) const;
    /*! Deletes entry \a id. */
    QString remove(qint32 id) const;
    /*! Counts, as "Uses", the rows of \a usage that use entry \a id. */
    static QString countUses(const Usage &usage, qint32 id);

    /*! Why \a description cannot be stored; empty when it can. \a taken tells whether another entry has it. */
    static QString refusal(const QString &description, bool taken);
    /*! The message for entry \a description, used by \a uses rows of \a usage. */
    static QString inUse(const QString &description, int uses, const Usage &usage);

private:
    QString m_caption;
    QString m_table;
    QString m_idColumn;
    QList<Usage> m_usages;
};

} // namespace Sessara
