// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "qtprinters.h"
#include "recordingsoundservice.h"
#include "scriptedmessageboxes.h"
#include "virtualscheduler.h"
#if defined(OLVAR_TEST_INTERNALS)
#include "virtualdesktop.h"
#endif

#include <QLocale>
#include <QString>
#include <QTemporaryDir>

namespace OlvarTest {

/*! The locale every test starts in. */
QLocale defaultTestLocale();

/*! The time every test starts at: Wednesday 4 March 2026, 09:00. */
OlvarControls::OleDate defaultTestNow();

/*!
    Puts the process back into the pinned test state: en_GB, UTC, a fresh
    VirtualScheduler at defaultTestNow(), fresh ScriptedMessageBoxes, a fresh
    VirtualDesktop (in tests of the internals), a fresh RecordingSoundService,
    default ambient properties and message box title. Runs before and after
    every test.
*/
void resetTestEnvironment();

/*! The virtual scheduler installed for the running test. */
OlvarControls::VirtualScheduler &virtualScheduler();

/*!
    Switches the default locale (QLocale()) for the lifetime of the object and
    restores the previous one afterwards.
*/
class LocaleScope
{
public:
    explicit LocaleScope(const QString &name);
    explicit LocaleScope(const QLocale &locale);
    ~LocaleScope();
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_previous;
};

/*! A temporary folder for one test's files (databases, form files), removed afterwards. */
class TempFolder
{
public:
    TempFolder();
    /*! The absolute path of \a fileName inside the folder. */
    QString filePath(const QString &fileName) const;
    QString path() const;

private:
    QTemporaryDir m_dir;
};

} // namespace OlvarTest
