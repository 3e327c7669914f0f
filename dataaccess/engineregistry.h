// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace OlvarControls::DataAccess {

class Engine;

/*!
    Finds the engine for a connection string's provider. The SQLite engine is
    registered for "SQLite", "Microsoft.Jet.OLEDB.3.51" and
    "Microsoft.Jet.OLEDB.4.0", and serves connection strings that name no provider.
*/
class EngineRegistry
{
public:
    /*! The engine for \a provider (case-insensitive); raises error 3706 for a provider no engine serves. */
    static Engine &engineFor(const QString &provider);
};

} // namespace OlvarControls::DataAccess
