// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QVariant>

#include <cstddef>

namespace OlvarControls {

/*! \file olevariant.h
    Variants as the platform has them: Empty (an invalid QVariant), Null (a
    QVariant holding std::nullptr_t) and values. An empty text is a value. */

/*! The Null variant: a database column without a value. */
inline QVariant nullVariant()
{
    return QVariant::fromValue(nullptr);
}

/*! Whether \a value is Null (not merely empty). */
inline bool isNullVariant(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<std::nullptr_t>();
}

/*! Whether \a value is Empty: never assigned, an omitted optional argument. */
inline bool isEmptyVariant(const QVariant &value)
{
    return !value.isValid();
}

} // namespace OlvarControls
