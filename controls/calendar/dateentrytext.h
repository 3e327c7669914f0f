// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace OlvarControls {

/*!
    The texts of a date entry: how a value is written into its text box with
    the control's \c DateFormat, and how the text box's own text is read back.

    The text box holds what the control wrote with its \c DateFormat, so it is
    read in that pattern's order where the pattern writes the day before the
    month ("dd/mm/yyyy" reads "05/03/2024" as 5 March in every locale), and in
    the locale's order otherwise or when that gives no date.
*/
class DateEntryText
{
public:
    /*! The text of an empty date mask: "  /  /    ". */
    static QString emptyMask();

    /*! The date that the text box's \a text names, read as described above, or nothing. */
    static std::optional<OleDate> read(const QString &text, const QString &dateFormat);

    /*!
        \a value written with \a dateFormat: Empty, Null and an empty text give
        an empty text; a date, or a number taken as one, is formatted; a text
        that reads as a date in the user's locale is formatted as that date;
        any other text stands as it is. Throws OleError 5 for a date out of range.
    */
    static QString format(const QVariant &value, const QString &dateFormat);
    /*! The date \a value holds as an OleDate, QDate or QDateTime, or nothing. */
    static std::optional<OleDate> dateValue(const QVariant &value);
    /*! \a date written with \a dateFormat; an empty pattern gives the general date text. */
    static QString format(OleDate date, const QString &dateFormat);

    /*! Whether \a dateFormat writes the day as a number before the month as a number. */
    static bool writesDayFirst(const QString &dateFormat);
};

} // namespace OlvarControls
