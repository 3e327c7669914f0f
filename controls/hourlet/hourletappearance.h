// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QFont>

namespace OlvarControls {

/*! The colours and the appointment font the day view paints with, each at the value of a newly placed control. */
struct HourletAppearance
{
    OleColor timeScaleBackColor = OleColor::fromOle(0xFFCCCC);
    OleColor timeScaleForeColor = OleColor::fromOle(0x000000);
    OleColor unAvailableColor = OleColor::fromOle(0x8CD5CF);
    OleColor availableColor = OleColor::fromOle(0xB6E4E1);
    OleColor slotLineColor = OleColor::fromOle(0xA7A7A7);
    OleColor barColor = OleColor::fromOle(0xFFFFFF);
    OleColor slotsBorderColor = OleColor::fromOle(0xA7A7A7);
    OleColor highLightColor = OleColor::fromOle(0xFFFFFF);
    OleColor appItemBackColor = OleColor::fromOle(0xFFFFFF);
    OleColor appItemBorderColor = OleColor::fromOle(0x000000);
    OleColor appItemForeColor = OleColor::fromOle(0x000000);
    OleColor appItemBarColor = OleColor::fromOle(0xFF0000);
    OleColor appItemBarBorderColor = OleColor::fromOle(0x000000);
    QFont appItemFont;
};

} // namespace OlvarControls
