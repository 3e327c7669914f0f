// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "cinfotip.h"

#include "desktop.h"
#include "infotiplayout.h"
#include "infotippainter.h"
#include "infotipwindow.h"
#include "minfotip.h"
#include "msgbox.h"
#include "scheduler.h"

#include <QImage>
#include <QRect>

#include <algorithm>

namespace OlvarControls {

CInfoTip::CInfoTip(QObject *parent)
    : QObject(parent)
{
}

CInfoTip::~CInfoTip()
{
    Hide();
}

qint32 CInfoTip::hWnd() const
{
    return m_window ? qint32(quint32(m_window->winId())) : 0;
}

QWidget *CInfoTip::ownerWidget() const
{
    return m_parenthWnd ? QWidget::find(WId(quint32(m_parenthWnd))) : nullptr;
}

void CInfoTip::Show(const QString &text, const QString &title)
{
    const QString shownText = InfoTipLayout::expandTabs(text.isEmpty() ? m_text : text, m_style.tabSize);
    const QString shownTitle = InfoTipLayout::removeTabs(title.isEmpty() ? m_title : title);
    if (!m_window)
        m_window = new InfoTipWindow(ownerWidget());

    InfoTipPainter painter(m_window->surface(), m_style);
    const InfoTipLayout layout(painter.measure(shownText, shownTitle));
    const Desktop &desktop = Desktop::instance();
    const QPoint pointer = desktop.cursorPos();
    const QRect geometry(layout.position(pointer, desktop.screenGeometry(pointer)),
                         layout.windowSize(m_style.dropShadow));
    // What lies under the shadow margin, taken before the tip covers it.
    const QImage under = m_style.dropShadow ? desktop.grabScreen(geometry) : QImage();

    m_window->setGeometry(geometry);
    m_window->show();
    m_window->raise();
    Scheduler::instance().processEvents();
    if (!m_window)
        return; // hidden while the window showed itself

    painter.paint(layout, shownText, shownTitle);
    if (m_style.dropShadow)
        painter.paintShadow(under);
    m_window->refresh();

    stopTimeOut();
    if (m_style.useTimeOut) {
        MInfoTip::setCurrentTimedTip(this);
        startTimeOut();
    }
}

void CInfoTip::Hide()
{
    stopTimeOut();
    delete m_window.data();
    m_window.clear();
    Q_EMIT Hidden();
}

void CInfoTip::About()
{
    MsgBox::show(QStringLiteral("CInfoTip v") + Version(), MsgBox::OkOnly | MsgBox::Information,
                 QStringLiteral("About CInfoTip"));
}

QString CInfoTip::Version() const
{
    return QString::fromLatin1(VersionText);
}

void CInfoTip::startTimeOut()
{
    m_timerId = Scheduler::instance().startTimer(std::max(1, m_style.timeOut), [this] {
        stopTimeOut();
        MInfoTip::timeOut(this);
    });
}

void CInfoTip::stopTimeOut()
{
    if (m_timerId != 0)
        Scheduler::instance().stopTimer(m_timerId);
    m_timerId = 0;
}

} // namespace OlvarControls
