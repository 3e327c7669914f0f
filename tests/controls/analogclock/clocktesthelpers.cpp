// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clocktesthelpers.h"

#include "controlfactory.h"
#include "testenvironment.h"
#include "twips.h"

#include <QTest>

using namespace OlvarControls;

namespace OlvarTest {

ClockHost::ClockHost()
{
    m_host.resize(800, 800);
    m_clock.reset(
        qobject_cast<AnalogClock *>(ControlFactory::create(QStringLiteral("OlvarControls.AnalogClock"), &m_host)));
    m_host.show();
}

ClockHost::~ClockHost() = default;

void ClockHost::resizeTwips(int width, int height)
{
    m_clock->resize(Twips::toPixels(QSize(width, height)));
}

QSize ClockHost::sizeTwips() const
{
    return Twips::fromPixels(m_clock->size());
}

void ClockHost::setTime(QTime time)
{
    virtualScheduler().setNow(OleDate::fromDateAndTime(defaultTestNow().date(), time));
}

void ClockHost::advance(int ms)
{
    virtualScheduler().advance(ms);
}

void ClockHost::clickSurface()
{
    QTest::mouseClick(m_clock.get(), Qt::LeftButton, {}, QPoint(2, m_clock->height() / 2));
}

} // namespace OlvarTest
