// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "qtscheduler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTimerEvent>

#include <map>

namespace OlvarControls {

/* Runs the timers as Qt timers of one object, so that a handler may stop any of them. */
class QtScheduler::TimerHost : public QObject
{
public:
    void start(int timerId, int intervalMs, std::function<void()> handler)
    {
        const int qtId = QObject::startTimer(intervalMs, Qt::PreciseTimer);
        if (qtId == 0)
            return; // no event loop to run on; Qt has said why
        m_handlers[qtId] = {timerId, std::move(handler)};
        m_qtIds[timerId] = qtId;
    }

    void stop(int timerId)
    {
        const auto found = m_qtIds.find(timerId);
        if (found == m_qtIds.end())
            return;
        killTimer(found->second);
        m_handlers.erase(found->second);
        m_qtIds.erase(found);
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        const auto found = m_handlers.find(event->timerId());
        if (found == m_handlers.end())
            return;
        const std::function<void()> handler = found->second.handler; // the handler may stop its timer
        handler();
    }

private:
    struct Timer
    {
        int timerId;
        std::function<void()> handler;
    };
    std::map<int, Timer> m_handlers; // by Qt's timer id
    std::map<int, int> m_qtIds; // Qt's timer id by ours
};

QtScheduler::QtScheduler()
    : d(std::make_unique<TimerHost>())
{
}

QtScheduler::~QtScheduler() = default;

OleDate QtScheduler::now() const
{
    return OleDate::fromDateTime(QDateTime::currentDateTime());
}

quint32 QtScheduler::tickCount() const
{
    return quint32(QDeadlineTimer::current().deadline());
}

void QtScheduler::processEvents()
{
    QCoreApplication::processEvents();
}

void QtScheduler::scheduleTimer(int timerId, int intervalMs, std::function<void()> handler)
{
    d->start(timerId, intervalMs, std::move(handler));
}

void QtScheduler::cancelTimer(int timerId)
{
    d->stop(timerId);
}

void QtScheduler::wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace OlvarControls
