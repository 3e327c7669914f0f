// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QObject;
QT_END_NAMESPACE

namespace OlvarControls {

/*!
    Properties reached by name at run time, as a host reaches a control it
    only knows as an object: through the meta-object system, with the value
    converted to the property's type as the platform converts it.

    Texts become numbers by NumberConversion (so "12" is 12 and "1e2" 100;
    a text that is no number raises OleError 13, one too large for the type
    OleError 6) and dates by DateText; any number but 0 is true. The
    property's own setter then runs, and whatever it raises reaches the caller.
*/
class OLVAR_EXPORT LateBinding
{
public:
    LateBinding() = delete;

    /*! The property \a name of \a object. OleError 91 without an object, 438 without such a property. */
    static QVariant get(const QObject *object, const QString &name);
    /*!
        Assigns \a value, converted, to the property \a name of \a object.
        OleError 91 without an object, 438 without such a property, 383 for a
        read-only one; the conversion's errors as above.
    */
    static void set(QObject *object, const QString &name, const QVariant &value);
    /*! \a value converted to \a type as set() converts it; raises the conversion's error. */
    static QVariant convert(const QVariant &value, QMetaType type);
};

} // namespace OlvarControls
