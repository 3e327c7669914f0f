// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlbase.h"
#include "olvarglobal.h"

#include <memory>

namespace OlvarControls {

class WindowTimer;

/*!
    \c OlvarControls.PeriodicTimer: raises Timer() after \c HourInterval hours,
    \c MinuteInterval minutes and \c Interval milliseconds, once or
    periodically (\c TimerMode), far beyond what one window timer counts.

    It works on its constituent window timer \c Timer1: a one-millisecond first
    tick, the millisecond phase, then one tick a minute while the minutes are
    counted down. In \c Periodic mode the next period starts when the host's
    Timer() handler returns. Property changes start the timer only while the
    host runs (ambient user mode). Invalid values are refused with the message
    box of error 380. The control keeps a fixed size of 355 x 335 twips.
*/
class OLVAR_EXPORT PeriodicTimer : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(
        OlvarControls::PeriodicTimer::eTimerMode TimerMode READ timerMode WRITE setTimerMode NOTIFY TimerModeChanged)
    Q_PROPERTY(qint32 Interval READ interval WRITE setInterval NOTIFY IntervalChanged)
    Q_PROPERTY(qint16 MinuteInterval READ minuteInterval WRITE setMinuteInterval NOTIFY MinuteIntervalChanged)
    Q_PROPERTY(qint16 HourInterval READ hourInterval WRITE setHourInterval NOTIFY HourIntervalChanged)
    Q_PROPERTY(bool Enabled READ isTimerEnabled WRITE setTimerEnabled NOTIFY EnabledChanged)

public:
    /*! Whether the timer fires every period or once. */
    enum eTimerMode : qint32 {
        Periodic = 0, //!< fires every period
        OneTime = 1, //!< fires once, until armed again
    };
    Q_ENUM(eTimerMode)

    /*! The longest \c Interval accepted, plus one. */
    static constexpr qint32 IntervalLimit = 60000;
    /*! The largest \c MinuteInterval accepted, plus one. */
    static constexpr qint16 MinuteLimit = 60;

    /*! A periodic timer with no period yet; it ticks once a period is set, only outside a designer. */
    explicit PeriodicTimer(QWidget *parent = nullptr);
    ~PeriodicTimer() override;

    /*! Periodic (default) or one-time. An unknown mode is reported as error 380 and kept. */
    eTimerMode timerMode() const;
    /*! Sets \c TimerMode. */
    void setTimerMode(eTimerMode mode);

    /*! Milliseconds of the period, 0 to 59999; 0 by default. */
    qint32 interval() const;
    /*! Sets \c Interval. */
    void setInterval(qint32 ms);

    /*! Minutes of the period, 0 to 59; 0 by default. */
    qint16 minuteInterval() const;
    /*! Sets \c MinuteInterval. */
    void setMinuteInterval(qint16 minutes);

    /*! Hours of the period; 0 by default. With the minutes the period stays within 32767 minutes. */
    qint16 hourInterval() const;
    /*! Sets \c HourInterval. */
    void setHourInterval(qint16 hours);

    /*! Whether the timer runs; true by default. */
    bool isTimerEnabled() const;
    /*! Sets \c Enabled. */
    void setTimerEnabled(bool enabled);

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    /*! The size the control keeps, in pixels. */
    static QSize fixedPixelSize();

Q_SIGNALS:
    /*! A period has elapsed. */
    void Timer();
    /*! Published for hosts; never raised. */
    void MinuteAlarm(qint16 MinuteMark);
    /*! Published for hosts; never raised. */
    void HourAlarm(qint16 HourMark);

    // The change signals of the writable properties (their NOTIFY signals).
    /*! TimerMode has changed to \a TimerMode. */
    void TimerModeChanged(OlvarControls::PeriodicTimer::eTimerMode TimerMode);
    /*! Interval has changed to \a Interval. */
    void IntervalChanged(qint32 Interval);
    /*! MinuteInterval has changed to \a MinuteInterval. */
    void MinuteIntervalChanged(qint16 MinuteInterval);
    /*! HourInterval has changed to \a HourInterval. */
    void HourIntervalChanged(qint16 HourInterval);
    /*! Enabled has changed to \a Enabled. */
    void EnabledChanged(bool Enabled);

protected:
    //! \cond internal
    void paintEvent(QPaintEvent *event) override;
    //! \endcond

private:
    void onTick();
    void arm(bool afterFiring);
    void armInRunMode();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
