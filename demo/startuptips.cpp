// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "startuptips.h"

namespace Sessara {

QStringList StartupTips::all()
{
    return {
        QStringLiteral("Double-click a free time in the day or week view to book a session there."),
        QStringLiteral("Choose a client in the Client ID box first: the counsellors are then ranked by the "
                       "ethnicities and languages they share with the client."),
        QStringLiteral("Search finds a client by part of a name, an organisation, a phone number or a client number, "
                       "as you type."),
        QStringLiteral("Add Booking books the time selected in the view shown, or the next free half hour of today."),
        QStringLiteral("A session can be cancelled only before the practice's minimum cancellation time; set it under "
                       "Maintenance > Options."),
        QStringLiteral(
            "Maintenance > Sessions lists a counsellor's sessions, cancelled ones included; double-click one "
            "to open it."),
    };
}

QString StartupTips::forStart(int start)
{
    const QStringList tips = all();
    const int count = int(tips.size());
    return tips.at(((start % count) + count) % count);
}

} // namespace Sessara
