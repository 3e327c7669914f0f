// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace OlvarControls {

/*!
    The analog clock's panel: its twelve elements, their sizes and their
    places in a client area, in twips, and the height below which the panel
    is hidden.

    The alarm elements sit along the top, the stopwatch at the bottom left and
    the chime boxes at the bottom right; \c Label1 and \c txtAlarmTime keep
    their places at the top left whatever the size.
*/
class ClockPanelLayout
{
public:
    /*! The lowest control height, in twips, at which the panel is shown. */
    static constexpr int ShowHeight = 3015;

    /*! The element names, in the order the panel shows them. */
    static QStringList elementNames();

    /*! Whether a control \a height twips high shows its panel. */
    static bool showsPanel(int height) { return height >= ShowHeight; }

    /*! The size of element \a name in twips; empty for a name not on the panel. */
    static QSize elementSize(const QString &name);

    /*! Places every element in a client area of \a client twips. */
    static QHash<QString, QRect> layOut(QSize client);
};

} // namespace OlvarControls
