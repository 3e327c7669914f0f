// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

namespace OlvarControls::DataAccess {

/*!
    Reads data-link files: text files (UTF-16LE with a byte-order mark, or UTF-8)
    that hold an "[oledb]" section, comment lines starting with ";" and the
    connection string on a line of its own.
*/
class DataLink
{
public:
    /*!
        The connection string stored in the data-link file \a path. A missing or
        unreadable file, or one that holds no connection string, raises error
        -2147467259 naming the file.
    */
    static QString readConnectionString(const QString &path);

    /*! The connection string in the data-link text \a contents (bytes as stored); empty when there is none. */
    static QString connectionStringFromContents(const QByteArray &contents);
};

} // namespace OlvarControls::DataAccess
