// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "dialecttranslator.h"

#include <QHash>
#include <QMutex>

#include <optional>

namespace OlvarControls::DataAccess {

/*!
    Translations of statements that do not depend on the database or the locale,
    kept for the process: the day view runs the same load query on every repaint.
    When full, the cache starts again empty.
*/
class TranslationCache
{
public:
    static constexpr qsizetype Capacity = 512;

    /*! The cache shared by every connection. */
    static TranslationCache &instance();

    /*! The translation kept under \a key, if any. */
    std::optional<TranslatedStatement> find(const QString &key) const;
    /*! Keeps \a translated under \a key. */
    void insert(const QString &key, const TranslatedStatement &translated);

private:
    mutable QMutex m_mutex;
    QHash<QString, TranslatedStatement> m_translations;
};

} // namespace OlvarControls::DataAccess
