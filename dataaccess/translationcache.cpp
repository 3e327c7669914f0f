// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "translationcache.h"

namespace OlvarControls::DataAccess {

TranslationCache &TranslationCache::instance()
{
    static TranslationCache cache;
    return cache;
}

std::optional<TranslatedStatement> TranslationCache::find(const QString &key) const
{
    const QMutexLocker locker(&m_mutex);
    const auto found = m_translations.constFind(key);
    if (found == m_translations.cend())
        return std::nullopt;
    return *found;
}

void TranslationCache::insert(const QString &key, const TranslatedStatement &translated)
{
    const QMutexLocker locker(&m_mutex);
    if (m_translations.size() >= Capacity)
        m_translations.clear();
    m_translations.insert(key, translated);
}

} // namespace OlvarControls::DataAccess
