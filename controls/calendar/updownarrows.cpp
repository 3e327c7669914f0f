// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "updownarrows.h"

#include <QToolButton>

namespace OlvarControls {

namespace {

QToolButton *makeArrow(QWidget *parent, Qt::ArrowType arrow, const QString &name, const QString &accessibleName)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

} // namespace

UpDownArrows::UpDownArrows(QWidget *parent)
    : QWidget(parent)
    , m_up(makeArrow(this, Qt::UpArrow, QStringLiteral("UpArrow"), QStringLiteral("Next day")))
    , m_down(makeArrow(this, Qt::DownArrow, QStringLiteral("DownArrow"), QStringLiteral("Previous day")))
{
    connect(m_up, &QToolButton::clicked, this, &UpDownArrows::UpClick);
    connect(m_down, &QToolButton::clicked, this, &UpDownArrows::DownClick);
}

void UpDownArrows::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

} // namespace OlvarControls
