// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QRect>
#include <QSize>

namespace OlvarControls {

/*!
    The layout of a date entry, in twips: the text box fills the control; the
    up-down arrows and the drop button sit over its right end, 30 twips from
    its top, bottom and right edges. Hiding either leaves the other in place.
*/
class DateEntryLayout
{
public:
    /*! The narrowest a date entry gets. */
    static constexpr int MinimumWidth = 1380;
    /*! The width of the arrows and of the drop button. */
    static constexpr int ButtonWidth = 240;
    /*! The gap between the buttons and the text box's edges. */
    static constexpr int Margin = 30;

    /*! The layout of a control of \a size; a width below MinimumWidth is widened to it. */
    explicit DateEntryLayout(QSize size);

    /*! The control's size after widening. */
    QSize size() const { return m_size; }
    /*! \c TxtDate's geometry. */
    QRect text() const { return QRect(QPoint(0, 0), m_size); }
    /*! \c UpDown's geometry. */
    QRect upDown() const;
    /*! \c btnDropCalendar's geometry. */
    QRect dropButton() const;

private:
    QSize m_size;
};

} // namespace OlvarControls
