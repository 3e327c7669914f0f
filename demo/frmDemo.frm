' Sessara's main window: the design settings of the controls it places by type name.

Begin OlvarControls.Hourlet ZOVudeZozo1
OlvarControls.PropertyBag 1
Font: font "Arial,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
BorderStyle: int16 0
VScrollValue: int16 224
ShowTimeScale: bool true
AppItemFont: font "Arial,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
End

Begin OlvarControls.WeekView WeekView1
OlvarControls.PropertyBag 1
Enabled: bool true
Font: font "MS Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
AppItemFont: font "Arial,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
HighLightColor: color 0x00FFFFFF
End

' The refresh tick: once a minute.
Begin OlvarControls.PeriodicTimer PeriodicUpdateDisplay
OlvarControls.PropertyBag 1
MinuteInterval: int16 1
End
