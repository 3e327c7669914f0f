// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "infotipwindow.h"

namespace OlvarControls {

InfoTipWindow::InfoTipWindow(QWidget *owner)
    : QWidget(owner ? owner->window() : nullptr,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_surface(this)
{
    setObjectName(QStringLiteral("InfoTipWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

InfoTipWindow::~InfoTipWindow() = default;

void InfoTipWindow::paintEvent(QPaintEvent *event)
{
    m_surface.paint(event);
}

} // namespace OlvarControls
