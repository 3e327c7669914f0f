// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "oleerror.h"

namespace OlvarControls {

OleError::OleError(int number)
    : OleError(number, standardDescription(number))
{
}

OleError::OleError(int number, const QString &description)
    : m_number(number)
    , m_description(description)
    , m_what((QString::number(number) + QLatin1String(": ") + description).toUtf8())
{
}

QString OleError::messageText() const
{
    return QString::number(m_number) + QLatin1String("\r\n") + m_description;
}

QString OleError::standardDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case ErrorNumber::InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case ErrorNumber::InvalidFileFormat:
        return QStringLiteral("Invalid file format");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case ErrorNumber::ReadOnlyProperty:
        return QStringLiteral("Set not supported (read-only property)");
    case ErrorNumber::SetNotPermitted:
        return QStringLiteral("Set not permitted");
    case ErrorNumber::NotSupported:
        return QStringLiteral("Object doesn't support this property or method");
    case ErrorNumber::InvalidArgument:
        return QStringLiteral("Arguments are of the wrong type, are out of acceptable range, "
                              "or are in conflict with one another.");
    case ErrorNumber::NoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                              "Requested operation requires a current record.");
    case ErrorNumber::ItemNotFound:
        return QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    case ErrorNumber::ObjectClosed:
        return QStringLiteral("Operation is not allowed when the object is closed.");
    case ErrorNumber::ObjectOpen:
        return QStringLiteral("Operation is not allowed when the object is open.");
    case ErrorNumber::ProviderNotFound:
        return QStringLiteral("Provider cannot be found. It may not be properly installed.");
    case ErrorNumber::ConnectionUnusable:
        return QStringLiteral("The connection cannot be used to perform this operation. "
                              "It is either closed or invalid in this context.");
    case ErrorNumber::DataTypeMismatch:
        return QStringLiteral("Data type mismatch in criteria expression.");
    case ErrorNumber::GeneralFailure:
        return QStringLiteral("Unspecified error");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

} // namespace OlvarControls
