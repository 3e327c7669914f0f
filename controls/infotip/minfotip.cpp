// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "minfotip.h"

#include "cinfotip.h"

#include <QCoreApplication>
#include <QPointer>

namespace OlvarControls {

namespace {

struct TimedTip
{
    QPointer<CInfoTip> tip;
    std::shared_ptr<CInfoTip> keepAlive;
};

TimedTip &current()
{
    thread_local TimedTip timedTip;
    return timedTip;
}

void releaseAtExit()
{
    MInfoTip::releaseCurrentTimedTip();
}

} // namespace

void MInfoTip::setCurrentTimedTip(CInfoTip *tip)
{
    static const bool releaseRegistered = [] {
        // A kept tip goes while the application and its windows still exist.
        qAddPostRoutine(releaseAtExit);
        return true;
    }();
    Q_UNUSED(releaseRegistered);
    TimedTip next;
    next.tip = tip;
    if (tip)
        next.keepAlive = tip->weak_from_this().lock();
    // The previous tip may go with the swap; the new one is in place by then.
    std::swap(current(), next);
}

CInfoTip *MInfoTip::currentTimedTip()
{
    return current().tip.data();
}

void MInfoTip::releaseCurrentTimedTip()
{
    TimedTip none;
    std::swap(current(), none);
}

void MInfoTip::timeOut(CInfoTip *tip)
{
    if (tip)
        tip->Hide();
}

} // namespace OlvarControls
