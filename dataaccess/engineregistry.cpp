// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "engineregistry.h"

#include "engine.h"
#include "oleerror.h"
#include "postgresengine.h"
#include "sqliteengine.h"

#include <QHash>
#include <QMutex>

namespace OlvarControls::DataAccess {

namespace {

struct Registry
{
    QMutex mutex;
    QHash<QString, std::shared_ptr<Engine>> engines;
    std::shared_ptr<Engine> defaultEngine;

    Registry()
    {
        auto sqlite = std::make_shared<SqliteEngine>();
        defaultEngine = sqlite;
        for (const char *provider : {"sqlite", "microsoft.jet.oledb.3.51", "microsoft.jet.oledb.4.0"})
            engines.insert(QLatin1String(provider), sqlite);
        auto postgres = std::make_shared<PostgresEngine>();
        for (const char *provider : {"postgresql", "postgres", "pgsql"})
            engines.insert(QLatin1String(provider), postgres);
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

Engine &EngineRegistry::engineFor(const QString &provider)
{
    Registry &r = registry();
    const QMutexLocker locker(&r.mutex);
    const QString key = provider.trimmed().toLower();
    if (key.isEmpty())
        return *r.defaultEngine;
    const auto found = r.engines.constFind(key);
    if (found == r.engines.cend()) {
        throw OleError(ErrorNumber::ProviderNotFound,
                       OleError::standardDescription(ErrorNumber::ProviderNotFound)
                           + QStringLiteral(" (Provider=%1)").arg(provider));
    }
    return **found;
}

} // namespace OlvarControls::DataAccess
