// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariant>

namespace Sessara {

/*!
    What Sessara remembers between runs (the main window's place, the tips
    option), in a settings file. Until a file is chosen nothing is read or
    written: reads give their defaults. The program chooses the user's own
    file; tests choose one in their temporary folder.
*/
class DemoSettings
{
public:
    DemoSettings() = delete;

    /*! Chooses the user's settings file of the organisation and program "Sessara". */
    static void useUserSettings();
    /*! Chooses the INI file \a fileName; an empty name remembers nothing. */
    static void setFileName(const QString &fileName);
    /*! The settings file chosen; empty when nothing is remembered. */
    static QString fileName();

    /*! The value remembered under \a key; \a defaultValue when none is, or nothing is remembered. */
    static QVariant value(const QString &key, const QVariant &defaultValue = QVariant());
    /*! Remembers \a value under \a key, when a file is chosen. */
    static void setValue(const QString &key, const QVariant &value);
};

} // namespace Sessara
