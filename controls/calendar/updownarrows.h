// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QToolButton;
QT_END_NAMESPACE

namespace OlvarControls {

/*!
    A pair of small arrow buttons, up over down, that report their clicks
    separately. They never take the focus.
*/
class UpDownArrows : public QWidget
{
    Q_OBJECT

public:
    explicit UpDownArrows(QWidget *parent = nullptr);

Q_SIGNALS:
    /*! The up arrow was clicked. */
    void UpClick();
    /*! The down arrow was clicked. */
    void DownClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};

} // namespace OlvarControls
