// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "periodictimer.h"

#include "controlfactory.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "periodiccountdown.h"
#include "persistedkey_p.h"
#include "propertybag.h"
#include "twips.h"
#include "windowtimer.h"

#include <QPainter>
#include <QPixmap>

#include <limits>

OLVAR_REGISTER_CONTROL(OlvarControls::PeriodicTimer, "OlvarControls.PeriodicTimer");

namespace OlvarControls {

namespace {

const QString TimerModeKey = QStringLiteral("TimerMode");
const QString IntervalKey = QStringLiteral("Interval");
const QString MinuteIntervalKey = QStringLiteral("MinuteInterval");
const QString HourIntervalKey = QStringLiteral("HourInterval");
const QString EnabledKey = QStringLiteral("Enabled");

constexpr QSize SizeTwips(355, 335);

/* Whether hours and minutes make a period the minute countdown can hold, in milliseconds too. */
bool periodFits(qint64 hours, qint64 minutes)
{
    const qint64 total = 60 * hours + minutes;
    return total >= std::numeric_limits<qint16>::min() && total <= std::numeric_limits<qint16>::max()
        && total * 60000 >= std::numeric_limits<qint32>::min() && total * 60000 <= std::numeric_limits<qint32>::max();
}

void reportInvalidPropertyValue()
{
    MsgBox::showFromLibrary(OleError(ErrorNumber::InvalidPropertyValue).description(), MsgBox::OkOnly);
}

/* The face: a small clock showing nine o'clock, 21 x 23 pixels drawn at the device pixel ratio \a ratio. */
QPixmap drawFace(qreal ratio)
{
    QPixmap face(QSize(21, 23) * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(96, 96, 96));
    painter.drawRect(QRectF(8.5, 0.5, 3, 2)); // the winder
    painter.setBrush(Qt::white);
    const QRectF dial(1.5, 3.5, 17, 17);
    painter.drawEllipse(dial);
    const QPointF centre = dial.center();
    for (int hour = 0; hour < 12; hour += 3) {
        painter.save();
        painter.translate(centre);
        painter.rotate(30.0 * hour);
        painter.drawLine(QPointF(0, -8), QPointF(0, -6.5));
        painter.restore();
    }
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-4.5, 0));
    painter.drawLine(centre, centre + QPointF(0, -6));
    return face;
}

} // namespace

struct OLVAR_NO_EXPORT PeriodicTimer::Private
{
    /*! The persisted values, as they are saved. */
    struct Stored
    {
        qint32 timerMode = 0;
        qint32 interval = 0;
        qint16 minuteInterval = 0;
        qint16 hourInterval = 0;
        bool enabled = true;
    };

    /*! The persisted properties, read into and written from \a stored, in order. */
    static QList<PersistedKey> persistedKeys(Stored &stored)
    {
        return {
            PersistedKey::bound(TimerModeKey, qint32(0), stored.timerMode),
            PersistedKey::bound(IntervalKey, qint32(0), stored.interval),
            PersistedKey::bound(MinuteIntervalKey, qint16(0), stored.minuteInterval),
            PersistedKey::bound(HourIntervalKey, qint16(0), stored.hourInterval),
            PersistedKey::bound(EnabledKey, true, stored.enabled),
        };
    }

    eTimerMode timerMode = Periodic;
    qint32 interval = 0;
    qint16 minuteInterval = 0;
    qint16 hourInterval = 0;
    bool enabled = true;

    PeriodicCountdown countdown;
    WindowTimer *timer1 = nullptr;
    QPixmap face;

    PeriodicCountdown::Period period() const
    {
        return {interval, 60 * hourInterval + minuteInterval, timerMode == OneTime, enabled};
    }

    void applyTimer()
    {
        const PeriodicCountdown::TimerSettings settings = countdown.timer();
        timer1->setEnabled(false);
        timer1->setInterval(settings.interval);
        timer1->setEnabled(settings.enabled);
    }
};

PeriodicTimer::PeriodicTimer(QWidget *parent)
    : ControlBase(parent)
    , d(std::make_unique<Private>())
{
    d->timer1 = new WindowTimer(this);
    d->timer1->setObjectName(QStringLiteral("Timer1"));
    connect(d->timer1, &WindowTimer::Timer, this, &PeriodicTimer::onTick);
    d->face = drawFace(1.0);
    setFixedSize(fixedPixelSize());
}

PeriodicTimer::~PeriodicTimer() = default;

QSize PeriodicTimer::fixedPixelSize()
{
    return Twips::toPixels(SizeTwips);
}

PeriodicTimer::eTimerMode PeriodicTimer::timerMode() const
{
    return d->timerMode;
}

void PeriodicTimer::setTimerMode(eTimerMode mode)
{
    if (mode < Periodic || mode > OneTime)
        reportInvalidPropertyValue();
    if (mode != d->timerMode) {
        d->timerMode = mode;
        propertyChanged(TimerModeKey);
    }
    if (ambientUserMode() && d->countdown.oneShotFinished())
        arm(false);
}

qint32 PeriodicTimer::interval() const
{
    return d->interval;
}

void PeriodicTimer::setInterval(qint32 ms)
{
    if (ms == d->interval || ms >= IntervalLimit)
        return;
    if (ms < 0) {
        reportInvalidPropertyValue();
        return;
    }
    d->interval = ms;
    propertyChanged(IntervalKey);
    armInRunMode();
}

qint16 PeriodicTimer::minuteInterval() const
{
    return d->minuteInterval;
}

void PeriodicTimer::setMinuteInterval(qint16 minutes)
{
    if (minutes == d->minuteInterval)
        return;
    if (minutes < 0 || !periodFits(d->hourInterval, minutes)) {
        reportInvalidPropertyValue();
        return;
    }
    if (minutes >= MinuteLimit)
        return;
    d->minuteInterval = minutes;
    propertyChanged(MinuteIntervalKey);
    armInRunMode();
}

qint16 PeriodicTimer::hourInterval() const
{
    return d->hourInterval;
}

void PeriodicTimer::setHourInterval(qint16 hours)
{
    if (hours == d->hourInterval)
        return;
    if (hours < 0 || !periodFits(hours, d->minuteInterval)) {
        reportInvalidPropertyValue();
        return;
    }
    d->hourInterval = hours;
    propertyChanged(HourIntervalKey);
    armInRunMode();
}

bool PeriodicTimer::isTimerEnabled() const
{
    return d->enabled;
}

void PeriodicTimer::setTimerEnabled(bool enabled)
{
    if (enabled == d->enabled)
        return;
    d->enabled = enabled;
    propertyChanged(EnabledKey);
    armInRunMode();
}

void PeriodicTimer::InitProperties()
{
    d->timerMode = Periodic;
    d->interval = 0;
    d->minuteInterval = 0;
    d->hourInterval = 0;
    d->enabled = true;
}

void PeriodicTimer::ReadProperties(const PropertyBag &bag)
{
    // Read whole before any is taken, so that a value that cannot be read leaves the timer as it was.
    Private::Stored saved;
    PersistedKey::readAll(Private::persistedKeys(saved), bag);

    d->timerMode = eTimerMode(saved.timerMode);
    // A value the properties would refuse reads as its default, so that no
    // saved form starts a timer that cannot count.
    d->interval = saved.interval >= 0 && saved.interval < IntervalLimit ? saved.interval : 0;
    d->minuteInterval = saved.minuteInterval >= 0 && saved.minuteInterval < MinuteLimit ? saved.minuteInterval : 0;
    const bool hoursFit = saved.hourInterval >= 0 && periodFits(saved.hourInterval, d->minuteInterval);
    d->hourInterval = hoursFit ? saved.hourInterval : 0;
    d->enabled = saved.enabled;

    if (ambientUserMode() && d->enabled)
        arm(false);
}

void PeriodicTimer::WriteProperties(PropertyBag &bag)
{
    Private::Stored current{qint32(d->timerMode), d->interval, d->minuteInterval, d->hourInterval, d->enabled};
    PersistedKey::writeAll(Private::persistedKeys(current), bag);
}

void PeriodicTimer::paintEvent(QPaintEvent *)
{
    if (d->face.devicePixelRatio() != devicePixelRatio())
        d->face = drawFace(devicePixelRatio());
    QPainter painter(this);
    const QSize face = d->face.deviceIndependentSize().toSize();
    painter.drawPixmap((width() - face.width()) / 2, 0, d->face);
}

void PeriodicTimer::onTick()
{
    if (!d->timer1->isEnabled())
        return;
    const bool due = d->countdown.tick(d->period());
    d->applyTimer();
    if (!due)
        return;
    try {
        Q_EMIT Timer();
    } catch (const OleError &error) {
        // The host's handler failed; the timer reports it and goes on.
        MsgBox::showFromLibrary(error.messageText(), MsgBox::OkOnly | MsgBox::Critical);
    }
    arm(true);
}

void PeriodicTimer::arm(bool afterFiring)
{
    d->countdown.arm(d->period(), afterFiring);
    d->applyTimer();
}

void PeriodicTimer::armInRunMode()
{
    if (ambientUserMode())
        arm(false);
}

} // namespace OlvarControls
