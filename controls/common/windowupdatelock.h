// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QEvent>
#include <QPointer>

class QWidget;

namespace OlvarControls {

/*!
    Holds back the screen updates of one window and its children, so that a
    long series of drawing calls reaches the screen once.

    One window at a time can be locked. While it is locked, update() of it or
    of one of its children only remembers that the screen is out of date;
    releasing the lock updates the window once if anything asked for it. The
    window receives an event of lockEventType() when the lock is taken and
    when it is released, so that it can keep showing what it showed before.

    Use the explicit pair LockWindowUpdate(window) / LockWindowUpdate(nullptr),
    or an object of this class, which releases the lock it took when it goes
    out of scope.
*/
class WindowUpdateLock
{
public:
    /*! Locks \a window; isHeld() tells whether that succeeded. */
    explicit WindowUpdateLock(QWidget *window);
    /*! Releases the lock if this object took it and it is still in place. */
    ~WindowUpdateLock();
    WindowUpdateLock(const WindowUpdateLock &) = delete;
    WindowUpdateLock &operator=(const WindowUpdateLock &) = delete;

    /*! Whether this object holds the lock. */
    bool isHeld() const;

    /*!
        Locks \a window; false when a window is locked already. With no window,
        releases the lock (false when there is none) and updates the window it
        held if an update was asked for meanwhile.
    */
    static bool LockWindowUpdate(QWidget *window);
    /*! The locked window, if any. */
    static QWidget *lockedWindow();
    /*! Whether \a widget is the locked window or one of its children. */
    static bool isLocked(const QWidget *widget);
    /*! Updates \a widget now, or when the lock is released if it is locked. */
    static void update(QWidget *widget);

    /*! The type of the event a window receives when it is locked and released. */
    static QEvent::Type lockEventType();

    /*! The event sent to a window when its lock is taken or released. */
    class LockEvent : public QEvent
    {
    public:
        explicit LockEvent(bool locked)
            : QEvent(lockEventType())
            , m_locked(locked)
        {
        }
        /*! Whether the lock has been taken (true) or released (false). */
        bool isLocked() const { return m_locked; }

    private:
        bool m_locked;
    };

private:
    QPointer<QWidget> m_window;
    bool m_held = false;
};

} // namespace OlvarControls
