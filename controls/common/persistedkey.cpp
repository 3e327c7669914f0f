// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "persistedkey_p.h"

#include "oleerror.h"

namespace OlvarControls {

QFont fontOf(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<QFont>())
        throw OleError(ErrorNumber::TypeMismatch);
    return value.value<QFont>();
}

void PersistedKey::readAll(const QList<PersistedKey> &keys, const PropertyBag &bag)
{
    for (const PersistedKey &key : keys) {
        if (key.restore)
            key.restore(bag.ReadProperty(key.key, key.defaultValue));
    }
}

void PersistedKey::writeAll(const QList<PersistedKey> &keys, PropertyBag &bag)
{
    for (const PersistedKey &key : keys)
        bag.WriteProperty(key.key, key.value(), key.alwaysWritten ? QVariant() : key.defaultValue);
}

} // namespace OlvarControls
