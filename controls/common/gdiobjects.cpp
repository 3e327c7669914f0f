// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "gdiobjects.h"

#include <atomic>

namespace OlvarControls {

quint32 GdiObject::nextHandle()
{
    static std::atomic<quint32> next{FirstCreatedHandle};
    quint32 handle = next.fetch_add(1, std::memory_order_relaxed);
    while (handle < FirstCreatedHandle) // after wrapping round
        handle = next.fetch_add(1, std::memory_order_relaxed);
    return handle;
}

} // namespace OlvarControls
