// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"

namespace OlvarControls::DataAccess {

/*!
    The embedded engine: opens the SQLite database file named by "Data Source".
    "Busy Timeout" gives, in milliseconds, how long a statement waits for a lock
    held by another process (2000 when not given).
*/
class SqliteEngine : public Engine
{
public:
    std::shared_ptr<EngineSession> open(const ConnectionStringParser &connectionString) override;
};

} // namespace OlvarControls::DataAccess
