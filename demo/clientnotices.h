// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

namespace Sessara {

/*!
    Tells Sessara's windows that a client was stored, so that every client
    box lists it as it now is.
*/
class ClientNotices : public QObject
{
    Q_OBJECT

public:
    /*! The program's one notice board. */
    static ClientNotices &instance();

Q_SIGNALS:
    /*! Client \a clientId was added or changed. */
    void clientSaved(qint32 clientId);

private:
    ClientNotices() = default;
};

} // namespace Sessara
