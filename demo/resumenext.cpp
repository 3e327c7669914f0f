// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "resumenext.h"

namespace Sessara {

Q_LOGGING_CATEGORY(lcSkipped, "olvar.sessara.skipped", QtWarningMsg)

void ResumeNext::skip(int number, const QString &description)
{
    qCDebug(lcSkipped).noquote() << "skipped error" << number << description;
    m_number = number;
    m_description = description;
}

} // namespace Sessara
