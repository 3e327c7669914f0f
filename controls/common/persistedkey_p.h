// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numberconversion.h"
#include "olecolor.h"
#include "oledate.h"
#include "propertybag.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace OlvarControls {

/*! The font \a value holds; any other type raises OleError 13 (type mismatch). */
QFont fontOf(const QVariant &value);

/*!
    How a value of type T is read back from a property bag: each reader checks
    the stored type and raises the error the platform gives for a value it
    cannot take (13 for a mismatch, 6 for an overflow).
*/
template <typename T>
T persistedValue(const QVariant &value);
template <>
inline bool persistedValue<bool>(const QVariant &value)
{
    return NumberConversion::toBoolean(value);
}
template <>
inline qint16 persistedValue<qint16>(const QVariant &value)
{
    return NumberConversion::toInt16(value);
}
template <>
inline qint32 persistedValue<qint32>(const QVariant &value)
{
    return NumberConversion::toInt32(value);
}
template <>
inline OleColor persistedValue<OleColor>(const QVariant &value)
{
    return NumberConversion::toColor(value);
}
template <>
inline OleDate persistedValue<OleDate>(const QVariant &value)
{
    return NumberConversion::toDate(value);
}
template <>
inline QFont persistedValue<QFont>(const QVariant &value)
{
    return fontOf(value);
}
template <>
inline QString persistedValue<QString>(const QVariant &value)
{
    return value.toString();
}
template <>
inline QVariant persistedValue<QVariant>(const QVariant &value)
{
    return value;
}

/*!
    One persisted property of a control: its key, its default, and how it is
    read from and stored into the control. A control lists its keys once, in
    the order they are written; reading goes through the same list.
*/
struct PersistedKey
{
    QString key;
    QVariant defaultValue;
    std::function<QVariant()> value;
    /*! Takes the stored value back; a key without one is written only. */
    std::function<void(const QVariant &)> restore;
    /*! Written even when it equals its default (which then only serves reading). */
    bool alwaysWritten = false;

    /*! A key whose value of type T goes through \a get and \a set. */
    template <typename T, typename Get, typename Set>
    static PersistedKey of(const QString &key, const T &defaultValue, Get get, Set set)
    {
        return PersistedKey{key, QVariant::fromValue(defaultValue), [get] { return QVariant::fromValue(T(get())); },
                            [set](const QVariant &stored) { set(persistedValue<T>(stored)); }};
    }
    /*! A key stored straight from and into \a field. */
    template <typename T>
    static PersistedKey bound(const QString &key, const T &defaultValue, T &field)
    {
        return of<T>(
            key, defaultValue, [&field] { return field; }, [&field](const T &value) { field = value; });
    }
    /*! bound() with the key given as Latin-1 text. */
    template <typename T>
    static PersistedKey bound(const char *key, const T &defaultValue, T &field)
    {
        return bound<T>(QString::fromLatin1(key), defaultValue, field);
    }

    /*! Restores every key of \a keys from \a bag, in order; a missing key restores its default. */
    static void readAll(const QList<PersistedKey> &keys, const PropertyBag &bag);
    /*! Writes every key of \a keys to \a bag, in order, against its default. */
    static void writeAll(const QList<PersistedKey> &keys, PropertyBag &bag);
};

} // namespace OlvarControls
