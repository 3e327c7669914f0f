// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QObject>

namespace OlvarControls {

/*!
    The platform's window timer, the constituent timer of the controls: raises
    Timer() every \c Interval milliseconds while \c Enabled, on the current
    Scheduler.

    Setting either property starts the countdown afresh. An \c Interval of 0
    leaves the timer inactive; values outside 0 to 65535 raise OleError 380.
*/
class WindowTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)

public:
    /*! The longest interval a window timer counts, in milliseconds. */
    static constexpr int MaximumInterval = 65535;

    explicit WindowTimer(QObject *parent = nullptr);
    ~WindowTimer() override;

    /*! The interval in milliseconds; 0 (the default) means inactive. */
    int interval() const { return m_interval; }
    void setInterval(int ms);

    /*! Whether ticks are delivered; true by default. */
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    /*! Whether the timer is counting down: enabled with a non-zero interval. */
    bool isActive() const { return m_timerId != 0; }

Q_SIGNALS:
    /*! The interval has elapsed. */
    void Timer();

private:
    void restart();

    int m_interval = 0;
    bool m_enabled = true;
    int m_timerId = 0;
};

} // namespace OlvarControls
