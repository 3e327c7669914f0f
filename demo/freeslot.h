// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QPair>
#include <QTime>

#include <optional>

namespace Sessara {

/*! Where "Add Booking" books when no slot is selected: the next free half hour of the working day. */
class FreeSlot
{
public:
    FreeSlot() = delete;

    /*! A session's start and end on the day. */
    using Busy = QPair<QTime, QTime>;

    /*!
        The start of the first half hour from \a now on (rounded up to a whole
        half hour) that lies within \a dayStart to \a dayEnd and overlaps none
        of \a busy; nothing when the working day has none left.
    */
    static std::optional<QTime> nextFreeHalfHour(QTime now, const QList<Busy> &busy, QTime dayStart = QTime(9, 0),
                                                 QTime dayEnd = QTime(17, 0));
};

} // namespace Sessara
