#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QFont>

namespace OlvarControls {

/*! The colours and the appointment font the day view paints with, each at the value of a newly placed control. */
struct HourletAppearance
{
    OleColor TimeScaleBackColor = 0xFFCCCC;
    OleColor TimeScaleForeColor = 0x000000;
    OleColor UnAvailableColor = 0x8CD5CF;
    OleColor AvailableColor = 0xB6E4E1;
    OleColor SlotLineColor = 0xA7A7A7;
    OleColor BarColor = 0xFFFFFF;
    OleColor SlotsBorderColor = 0xA7A7A7;
    OleColor HighLightColor = 0xFFFFFF;
    OleColor AppItemBackColor = 0xFFFFFF;
    OleColor AppItemBorderColor = 0x000000;
    OleColor AppItemForeColor = 0x000000;
    OleColor AppItemBarColor = 0xFF0000;
    OleColor AppItemBarBorderColor = 0x000000;
    QFont AppItemFont;
};

} // namespace OlvarControls
