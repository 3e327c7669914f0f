// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clientnotices.h"

namespace Sessara {

ClientNotices &ClientNotices::instance()
{
    static ClientNotices notices;
    return notices;
}

} // namespace Sessara
