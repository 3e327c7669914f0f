// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

namespace Sessara {

/*!
    The closing notes of a session, one per attending client, in
    tblSessionClientEndNote. A note holds at most maximumLength() characters;
    a longer one is stored only once cut to that length.

    A client's first note is stored trimmed and followed by one blank; later
    edits are stored as typed.
*/
class SessionEndNote
{
public:
    SessionEndNote() = delete;

    /*! The most characters a note holds: 64000. */
    static constexpr int maximumLength() { return 64000; }
    /*! Whether \a note is too long to be stored. */
    static bool isTooLong(const QString &note) { return note.size() > maximumLength(); }
    /*! The part of \a note that can be stored: its first maximumLength() characters. */
    static QString cut(const QString &note) { return note.left(maximumLength()); }

    /*! The query of the clients of the session \a sessionId for the note's client box. */
    static QString clientsQuery(qint32 sessionId);
    /*! The query of the note of the client \a clientId in the session \a sessionId. */
    static QString noteQuery(qint32 clientId, qint32 sessionId);
    /*! The first note \a note of the client \a clientId in the session \a sessionId. */
    static QString insertStatement(qint32 clientId, qint32 sessionId, const QString &note);
    /*! The change of the note of the client \a clientId in the session \a sessionId to \a note. */
    static QString updateStatement(qint32 clientId, qint32 sessionId, const QString &note);

    /*! The stored note of the client \a clientId in the session \a sessionId; nothing when there is none. */
    static std::optional<QString> load(qint32 clientId, qint32 sessionId);
    /*!
        Stores \a note, which must not be too long, as the note of the client
        \a clientId in the session \a sessionId: changes the stored note or
        adds the first one. Returns whether the note was written.
    */
    static bool store(qint32 clientId, qint32 sessionId, const QString &note);
};

} // namespace Sessara
