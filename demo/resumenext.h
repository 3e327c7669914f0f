// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oleerror.h"

#include <QLoggingCategory>
#include <QString>

#include <exception>
#include <utility>

namespace Sessara {

Q_DECLARE_LOGGING_CATEGORY(lcSkipped)

/*!
    The demo's way with errors: a routine runs its statements one by one, a
    statement that fails is skipped and the routine goes on with the next.
    Each statement is handed to the call operator. The last failure stays
    with the object, for a routine that asks whether anything failed; every
    skipped failure is logged at debug level under
    "olvar.sessara.skipped", so QT_LOGGING_RULES="olvar.*=true" shows what a
    routine skipped.

    \code
    ResumeNext resume;
    resume([&] { view->setProperty("Resource", id); });
    resume([&] { view->UpdateDisplay(); });
    \endcode
*/
class ResumeNext
{
public:
    /*! Runs \a statement; returns false, and keeps its error, when it fails. */
    template <typename Statement>
    bool operator()(Statement &&statement)
    {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const OlvarControls::OleError &error) {
            skip(error.number(), error.description());
        } catch (const std::exception &error) {
            skip(OlvarControls::ErrorNumber::GeneralFailure, QString::fromLocal8Bit(error.what()));
        }
        return false;
    }

    /*! Whether a statement has failed. */
    bool failed() const { return m_number != 0; }
    /*! The last failure's number; 0 when none. */
    int number() const { return m_number; }
    /*! The last failure's description; empty when none. */
    QString description() const { return m_description; }

private:
    void skip(int number, const QString &description);

    int m_number = 0;
    QString m_description;
};

} // namespace Sessara
