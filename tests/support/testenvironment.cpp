// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "testenvironment.h"

#include "ambientproperties.h"
#include "msgbox.h"
#include "recordingsoundservice.h"

#include <QTimeZone>

#include <cstdlib>
#include <ctime>

namespace OlvarTest {

QLocale defaultTestLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

OlvarControls::OleDate defaultTestNow()
{
    return OlvarControls::OleDate::fromDateAndTime(QDate(2026, 3, 4), QTime(9, 0));
}

void resetTestEnvironment()
{
    QLocale::setDefault(defaultTestLocale());
    qputenv("TZ", "UTC");
    tzset();

    OlvarControls::Scheduler::setInstance(std::make_unique<OlvarControls::VirtualScheduler>(defaultTestNow()));
    OlvarControls::MsgBox::setService(std::make_unique<ScriptedMessageBoxes>());
    OlvarControls::MsgBox::setApplicationTitle(QString());
#if defined(OLVAR_TEST_INTERNALS)
    OlvarControls::Desktop::setInstance(std::make_unique<VirtualDesktop>());
#endif
    OlvarControls::AmbientProperties::resetDefaults();
    OlvarControls::SoundService::setInstance(std::make_unique<RecordingSoundService>());
}

OlvarControls::VirtualScheduler &virtualScheduler()
{
    return dynamic_cast<OlvarControls::VirtualScheduler &>(OlvarControls::Scheduler::instance());
}

LocaleScope::LocaleScope(const QString &name)
    : LocaleScope(QLocale(name))
{
}

LocaleScope::LocaleScope(const QLocale &locale)
    : m_previous(QLocale())
{
    QLocale::setDefault(locale);
}

LocaleScope::~LocaleScope()
{
    QLocale::setDefault(m_previous);
}

TempFolder::TempFolder() = default;

QString TempFolder::filePath(const QString &fileName) const
{
    return m_dir.filePath(fileName);
}

QString TempFolder::path() const
{
    return m_dir.path();
}

} // namespace OlvarTest
