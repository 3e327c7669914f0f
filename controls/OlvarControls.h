// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

/*! \file OlvarControls.h
    Every public header of the Olvar control library in one: the controls,
    their platform services and the data access. A host may include this, or
    only the headers it needs, as <Olvar/Hourlet> or <Olvar/hourlet.h>. */

#include <Olvar/olvarglobal.h>

#include <Olvar/olecolor.h>
#include <Olvar/oledate.h>
#include <Olvar/oleerror.h>

#include <Olvar/ambientproperties.h>
#include <Olvar/controlbase.h>
#include <Olvar/controlfactory.h>
#include <Olvar/latebinding.h>
#include <Olvar/messageboxservice.h>
#include <Olvar/msgbox.h>
#include <Olvar/propertybag.h>
#include <Olvar/scheduler.h>
#include <Olvar/soundservice.h>
#include <Olvar/virtualscheduler.h>

#include <Olvar/analogclock.h>
#include <Olvar/appointmentlistmodel.h>
#include <Olvar/appointmentroles.h>
#include <Olvar/calendar.h>
#include <Olvar/hourlet.h>
#include <Olvar/periodictimer.h>
#include <Olvar/settings.h>
#include <Olvar/weekview.h>

#include <Olvar/command.h>
#include <Olvar/connection.h>
#include <Olvar/dataaccessenums.h>
#include <Olvar/field.h>
#include <Olvar/fields.h>
#include <Olvar/recordset.h>
