// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QChar>
#include <QString>

#include <optional>

namespace OlvarControls {

/*!
    The characters a date entry's text box lets through: digits as they are,
    the separators ".", ":", "/" and "\" as "/", and backspace. Everything
    else is swallowed.
*/
class DateKeyFilter
{
public:
    /*! The character \a typed becomes, or nothing when it is swallowed. */
    static std::optional<QChar> filter(QChar typed);
    /*! \a typed with every character filtered. */
    static QString filter(const QString &typed);
};

} // namespace OlvarControls
