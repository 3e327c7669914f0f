#include "testenvironment.h"

#include <QTimeZone>

#include <cstdlib>
#include <ctime>

namespace OlvarTest {

QLocale defaultTestLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

void resetTestEnvironment()
{
    QLocale::setDefault(defaultTestLocale());
    qputenv("TZ", "UTC");
    tzset();
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
