// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "qtboundary_p.h"

#include <QObject>

namespace OlvarControls {

Q_LOGGING_CATEGORY(lcOlvarProperties, "olvar.properties")
Q_LOGGING_CATEGORY(lcOlvarEvents, "olvar.events")
Q_LOGGING_CATEGORY(lcOlvarSkipped, "olvar.skipped", QtWarningMsg)

namespace {

thread_local QtBoundary::RefusalCapture *currentCapture = nullptr;

QByteArray describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception &e) {
        return e.what();
    } catch (...) {
        return "an unknown error";
    }
}

QByteArray nameOf(const QObject *object)
{
    if (!object)
        return "(no object)";
    QByteArray name = object->metaObject()->className();
    if (!object->objectName().isEmpty())
        name += " \"" + object->objectName().toUtf8() + '"';
    return name;
}

} // namespace

QtBoundary::RefusalCapture::RefusalCapture(const QObject *object, const char *property)
    : m_object(object)
    , m_property(property)
    , m_outer(currentCapture)
{
    currentCapture = this;
}

QtBoundary::RefusalCapture::~RefusalCapture()
{
    currentCapture = m_outer;
}

void QtBoundary::RefusalCapture::rethrow()
{
    if (m_error)
        std::rethrow_exception(std::exchange(m_error, nullptr));
}

void QtBoundary::refused(const QObject *object, const char *property, std::exception_ptr error) noexcept
{
    if (currentCapture && !currentCapture->m_error && currentCapture->m_object == object
        && qstrcmp(currentCapture->m_property, property) == 0) {
        currentCapture->m_error = std::move(error);
        return;
    }
    qCWarning(lcOlvarProperties, "%s: %s keeps its value: %s", nameOf(object).constData(), property,
              describe(std::move(error)).constData());
}

void QtBoundary::failed(const QObject *object, const char *what, std::exception_ptr error) noexcept
{
    qCWarning(lcOlvarEvents, "%s: %s failed: %s", nameOf(object).constData(), what,
              describe(std::move(error)).constData());
}

void QtBoundary::skipped(const QObject *object, const char *what, std::exception_ptr error) noexcept
{
    qCDebug(lcOlvarSkipped, "%s: %s skipped: %s", nameOf(object).constData(), what,
            describe(std::move(error)).constData());
}

} // namespace OlvarControls
