// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "demosettings.h"

#include <QSettings>

namespace Sessara {

namespace {

QString &chosenFile()
{
    static QString file;
    return file;
}

} // namespace

void DemoSettings::useUserSettings()
{
    chosenFile() =
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sessara"), QStringLiteral("Sessara"))
            .fileName();
}

void DemoSettings::setFileName(const QString &fileName)
{
    chosenFile() = fileName;
}

QString DemoSettings::fileName()
{
    return chosenFile();
}

QVariant DemoSettings::value(const QString &key, const QVariant &defaultValue)
{
    if (chosenFile().isEmpty())
        return defaultValue;
    return QSettings(chosenFile(), QSettings::IniFormat).value(key, defaultValue);
}

void DemoSettings::setValue(const QString &key, const QVariant &value)
{
    if (chosenFile().isEmpty())
        return;
    QSettings settings(chosenFile(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

} // namespace Sessara
