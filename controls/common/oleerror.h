// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

#include <exception>

namespace OlvarControls {

/*! Error numbers the controls raise or report, as the component platform numbers them. */
namespace ErrorNumber {
enum : int {
    InvalidProcedureCall = 5, //!< "Invalid procedure call or argument"
    Overflow = 6, //!< "Overflow"
    OutOfMemory = 7, //!< "Out of memory"
    TypeMismatch = 13, //!< "Type mismatch"
    FileNotFound = 53, //!< "File not found"
    PathFileAccessError = 75, //!< "Path/File access error"
    ObjectNotSet = 91, //!< "Object variable or With block variable not set"
    InvalidUseOfNull = 94, //!< "Invalid use of Null"
    InvalidFileFormat = 321, //!< "Invalid file format"
    InvalidPropertyValue = 380, //!< "Invalid property value"
    ReadOnlyProperty = 383, //!< "Set not supported (read-only property)"
    SetNotPermitted = 387, //!< "Set not permitted"
    NotSupported = 438, //!< "Object doesn't support this property or method"
    InvalidArgument = 3001, //!< a data-access argument out of its range
    NoCurrentRecord = 3021, //!< no current row in a recordset
    ItemNotFound = 3265, //!< no field of that name or ordinal
    ObjectClosed = 3704, //!< a closed recordset or connection was used
    ObjectOpen = 3705, //!< an open object was opened again
    ProviderNotFound = 3706, //!< unknown data provider
    ConnectionUnusable = 3709, //!< a command or recordset without an open connection
    GeneralFailure = -2147467259, //!< 0x80004005, e.g. a database that cannot be opened
    SqlError = -2147217900, //!< 0x80040E14, an invalid statement
    DataTypeMismatch = -2147217913, //!< 0x80040E07, a value of the wrong type for its column
};
}

/*!
    An error raised by a control or by data access: a number and a description,
    as the platform reports them to a host.
*/
class OLVAR_EXPORT OleError : public std::exception
{
public:
    /*! Creates the error \a number with the platform's usual description. */
    explicit OleError(int number);
    /*! Creates the error \a number with its own \a description. */
    OleError(int number, const QString &description);

    /*! The error number. */
    int number() const noexcept { return m_number; }
    /*! The error's description. */
    QString description() const { return m_description; }
    /*! The text a control shows for this error: the decimal number, CR LF, the description. */
    QString messageText() const;

    /*! "number: description" in UTF-8. */
    const char *what() const noexcept override { return m_what.constData(); }

    /*! The platform's usual description of \a number; a generic text for numbers it has none for. */
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace OlvarControls
