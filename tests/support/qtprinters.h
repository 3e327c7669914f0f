// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "messageboxservice.h"

#include <QString>
#include <QVariant>

#include <ostream>

/*! \file qtprinters.h
    Readable GoogleTest output for Qt values. */

void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const QVariant &value, std::ostream *os);

namespace OlvarControls {
void PrintTo(const MessageBoxRequest &request, std::ostream *os);
}
