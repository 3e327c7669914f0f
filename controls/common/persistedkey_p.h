#pragma once

#include "propertybag.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace OlvarControls {

/*! One persisted property of a control: its key, its default, and how it is read from and stored into the control. */
struct PersistedKey
{
    QString key;
    QVariant defaultValue;
    std::function<QVariant()> value;
    std::function<void(const QVariant &)> restore;

    /*! Restores every key of \a keys from \a bag, in order; a missing key restores its default. */
    static void readAll(const QList<PersistedKey> &keys, const PropertyBag &bag)
    {
        for (const PersistedKey &key : keys)
            key.restore(bag.ReadProperty(key.key, key.defaultValue));
    }
    /*! Writes every key of \a keys to \a bag, in order, against its default. */
    static void writeAll(const QList<PersistedKey> &keys, PropertyBag &bag)
    {
        for (const PersistedKey &key : keys)
            bag.WriteProperty(key.key, key.value(), key.defaultValue);
    }
};

} // namespace OlvarControls
