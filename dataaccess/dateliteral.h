// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QStringView>

#include <optional>

namespace OlvarControls::DataAccess {

/*!
    Reads the date and time literals the desktop dialect writes between "#"
    characters. The reading is fixed and does not follow the user's locale:

    - numeric dates in month/day/year order (#03/07/2026# is 7 March 2026), with
      "/", "-" or "." between the numbers; a first number above 12 that cannot be a
      month makes the date day/month/year; a four-digit first number makes it
      year/month/day; two-digit years 00 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999;
    - dates with a month name, in English (full or abbreviated to at least three
      letters) or as any of the user's language's month names, even those that hold
      blanks or are one letter long (#07/Mar/2026#, #March 7, 2026#, #09/3月/2026#);
    - times alone, on day 0 (#10:00:00#, #9:30 PM#);
    - dates followed by a time.
*/
class DateLiteral
{
public:
    /*! The date that \a text (without the "#" delimiters) means, or nothing when it is no date. */
    static std::optional<OleDate> parse(QStringView text);
};

} // namespace OlvarControls::DataAccess
