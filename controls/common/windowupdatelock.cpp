// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "windowupdatelock.h"

#include <QCoreApplication>
#include <QWidget>

namespace OlvarControls {

namespace {

struct LockState
{
    QPointer<QWidget> window;
    bool updatePending = false;
};

LockState &lockState()
{
    static LockState state;
    return state;
}

} // namespace

WindowUpdateLock::WindowUpdateLock(QWidget *window)
    : m_window(window)
    , m_held(window && LockWindowUpdate(window))
{
}

WindowUpdateLock::~WindowUpdateLock()
{
    if (isHeld())
        LockWindowUpdate(nullptr);
}

bool WindowUpdateLock::isHeld() const
{
    return m_held && m_window && lockedWindow() == m_window;
}

bool WindowUpdateLock::LockWindowUpdate(QWidget *window)
{
    LockState &state = lockState();
    if (window) {
        if (state.window)
            return false;
        state.window = window;
        state.updatePending = false;
        LockEvent event(true);
        QCoreApplication::sendEvent(window, &event);
        return true;
    }
    const QPointer<QWidget> released = state.window;
    const bool pending = state.updatePending;
    state.window = nullptr;
    state.updatePending = false;
    if (!released)
        return false;
    LockEvent event(false);
    QCoreApplication::sendEvent(released, &event);
    if (pending && released)
        released->update();
    return true;
}

QWidget *WindowUpdateLock::lockedWindow()
{
    return lockState().window;
}

bool WindowUpdateLock::isLocked(const QWidget *widget)
{
    const QWidget *locked = lockedWindow();
    return widget && locked && (widget == locked || locked->isAncestorOf(widget));
}

void WindowUpdateLock::update(QWidget *widget)
{
    if (!widget)
        return;
    if (isLocked(widget))
        lockState().updatePending = true;
    else
        widget->update();
}

QEvent::Type WindowUpdateLock::lockEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

} // namespace OlvarControls
