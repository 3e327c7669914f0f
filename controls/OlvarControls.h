#pragma once

/*! \file OlvarControls.h
    The one header a host includes to use the Olvar controls. */

#include "olvarglobal.h"

#include "olecolor.h"
#include "oledate.h"
#include "datetext.h"
#include "dateformatter.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "olevariant.h"

#include "ambientproperties.h"
#include "controlbase.h"
#include "controlfactory.h"
#include "desktop.h"
#include "messageboxservice.h"
#include "msgbox.h"
#include "propertybag.h"
#include "qtscheduler.h"
#include "scheduler.h"
#include "virtualscheduler.h"
#include "windowtimer.h"
#include "gdiobjects.h"
#include "gdisurface.h"
#include "basapi.h"
#include "windowupdatelock.h"
#include "retainedsurface.h"
#include "scrollbarmodel.h"
#include "vscrollbar.h"
#include "twips.h"

#include "calendar.h"
#include "periodictimer.h"

#include "command.h"
#include "connection.h"
#include "connectionstringparser.h"
#include "dataaccessenums.h"
#include "datalink.h"
#include "field.h"
#include "fields.h"
#include "recordset.h"
