// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "latebinding.h"

#include "numberconversion.h"
#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "qtboundary_p.h"

#include <QMetaProperty>
#include <QObject>

namespace OlvarControls {

namespace {

QMetaProperty propertyOf(const QObject *object, const QString &name)
{
    if (!object)
        throw OleError(ErrorNumber::ObjectNotSet);
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0)
        throw OleError(ErrorNumber::NotSupported);
    return meta->property(index);
}

} // namespace

QVariant LateBinding::get(const QObject *object, const QString &name)
{
    return propertyOf(object, name).read(object);
}

void LateBinding::set(QObject *object, const QString &name, const QVariant &value)
{
    const QMetaProperty property = propertyOf(object, name);
    if (!property.isWritable())
        throw OleError(ErrorNumber::ReadOnlyProperty);
    const QMetaType type = property.isEnumType() ? QMetaType::fromType<qint32>() : property.metaType();
    // The setter's own error reaches the caller with its number.
    QtBoundary::RefusalCapture refusal(object, property.name());
    if (!property.write(object, convert(value, type)))
        throw OleError(ErrorNumber::TypeMismatch);
    refusal.rethrow();
}

QVariant LateBinding::convert(const QVariant &value, QMetaType type)
{
    if (type == QMetaType::fromType<QVariant>() || value.metaType() == type)
        return value;
    if (type == QMetaType::fromType<QString>())
        return value.toString();
    if (type == QMetaType::fromType<bool>())
        return NumberConversion::toBoolean(value);
    if (type == QMetaType::fromType<qint16>())
        return QVariant::fromValue(NumberConversion::toInt16(value));
    if (type == QMetaType::fromType<qint32>())
        return QVariant::fromValue(NumberConversion::toInt32(value));
    if (type == QMetaType::fromType<double>())
        return NumberConversion::toDouble(value);
    if (type == QMetaType::fromType<OleDate>())
        return QVariant::fromValue(NumberConversion::toDate(value));
    if (type == QMetaType::fromType<OleColor>())
        return QVariant::fromValue(NumberConversion::toColor(value));
    QVariant converted = value;
    if (!converted.convert(type))
        throw OleError(ErrorNumber::TypeMismatch);
    return converted;
}

} // namespace OlvarControls
