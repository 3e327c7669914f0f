// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine.h"

#include <QString>

#include <memory>

namespace OlvarControls::DataAccess {

class ConnectionPrivate
{
public:
    /*! The open session; raises error 3709 when the connection is not open. */
    const std::shared_ptr<EngineSession> &openSession() const;

    QString connectionString;
    std::shared_ptr<EngineSession> session;
};

} // namespace OlvarControls::DataAccess
