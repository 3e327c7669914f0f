#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QFont>

namespace OlvarControls {

/*! The colours and the appointment font the day view paints with, each at the value of a newly placed control. */
struct HourletAppearance
{
    OleColor TimeScaleBackColor = OleColor::fromOle(0xFFCCCC);
    OleColor TimeScaleForeColor = OleColor::fromOle(0x000000);
    OleColor UnAvailableColor = OleColor::fromOle(0x8CD5CF);
    OleColor AvailableColor = OleColor::fromOle(0xB6E4E1);
    OleColor SlotLineColor = OleColor::fromOle(0xA7A7A7);
    OleColor BarColor = OleColor::fromOle(0xFFFFFF);
    OleColor SlotsBorderColor = OleColor::fromOle(0xA7A7A7);
    OleColor HighLightColor = OleColor::fromOle(0xFFFFFF);
    OleColor AppItemBackColor = OleColor::fromOle(0xFFFFFF);
    OleColor AppItemBorderColor = OleColor::fromOle(0x000000);
    OleColor AppItemForeColor = OleColor::fromOle(0x000000);
    OleColor AppItemBarColor = OleColor::fromOle(0xFF0000);
    OleColor AppItemBarBorderColor = OleColor::fromOle(0x000000);
    QFont AppItemFont;
};

} // namespace OlvarControls
