// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QLoggingCategory>

#include <exception>
#include <utility>

QT_BEGIN_NAMESPACE
class QObject;
QT_END_NAMESPACE

namespace OlvarControls {

/*! Property writes through the meta-object system that a control refused ("olvar.properties"). */
Q_DECLARE_LOGGING_CATEGORY(lcOlvarProperties)
/*! Errors of event handlers, queued calls and timer ticks, which Qt's own frames cannot take ("olvar.events"). */
Q_DECLARE_LOGGING_CATEGORY(lcOlvarEvents)
/*!
    Errors the library goes on past on purpose, such as a failing step of a
    repaint ("olvar.skipped"): logged at debug level, so off unless enabled,
    e.g. with QT_LOGGING_RULES="olvar.*=true".
*/
Q_DECLARE_LOGGING_CATEGORY(lcOlvarSkipped)

/*!
    Where the library's code runs under Qt's own frames (QMetaProperty::write
    from QUiLoader or Qt Designer, queued calls, event handlers, timer ticks):
    nothing it raises may cross them. Typed C++ calls keep raising OleError.
*/
class QtBoundary
{
public:
    QtBoundary() = delete;

    /*!
        Runs \a write, the property \a property of \a object written through the
        meta-object system. A refusal leaves the value as it was and is logged
        under "olvar.properties"; inside a RefusalCapture it is kept there instead.
    */
    template <typename Write>
    static void writeProperty(const QObject *object, const char *property, Write &&write) noexcept
    {
        try {
            std::forward<Write>(write)();
        } catch (...) {
            refused(object, property, std::current_exception());
        }
    }

    /*! Runs \a handler, the library's side of \a what; anything it raises is logged under "olvar.events". */
    template <typename Handler>
    static void run(const QObject *object, const char *what, Handler &&handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
        } catch (...) {
            failed(object, what, std::current_exception());
        }
    }

    /*! Logs under "olvar.skipped" that \a object went on past \a error in \a what. */
    static void skipped(const QObject *object, const char *what, std::exception_ptr error) noexcept;

    /*!
        While it lives, a refused write of the property \a property of \a object
        through the meta-object system is kept here rather than logged, so that
        LateBinding raises it to its caller with its error number.
    */
    class RefusalCapture
    {
    public:
        RefusalCapture(const QObject *object, const char *property);
        ~RefusalCapture();
        RefusalCapture(const RefusalCapture &) = delete;
        RefusalCapture &operator=(const RefusalCapture &) = delete;

        /*! Raises the refusal kept, if any. */
        void rethrow();

    private:
        friend class QtBoundary;
        const QObject *m_object;
        const char *m_property;
        std::exception_ptr m_error;
        RefusalCapture *m_outer;
    };

private:
    static void refused(const QObject *object, const char *property, std::exception_ptr error) noexcept;
    static void failed(const QObject *object, const char *what, std::exception_ptr error) noexcept;
};

} // namespace OlvarControls
