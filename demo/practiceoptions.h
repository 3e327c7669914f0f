// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

namespace Sessara {

/*!
    The practice's settings in tblConfig as the Options form edits them. The
    minimum cancellation time is a whole number of hours, 0 or more.
*/
class PracticeOptions
{
public:
    PracticeOptions() = delete;

    /*! The Description of the minimum cancellation time's row. */
    static QString minimumCancellationTime() { return QStringLiteral("MinimumCancellationTime"); }
    /*! The hours \a typed holds; nothing when it is no whole number from 0 to 8760 (a year). */
    static std::optional<int> hours(const QString &typed);
    /*! The message for hours that are not a whole number. */
    static QString hoursRefusal();
    /*! The statement that reads the row of \a description. */
    static QString select(const QString &description);
    /*! The statement that gives the row of \a description the value \a value. */
    static QString update(const QString &description, const QString &value);
    /*! The statement that adds a row of \a description with \a value. */
    static QString insert(const QString &description, const QString &value);
};

} // namespace Sessara
