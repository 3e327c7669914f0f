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

#include "command.h"
#include "connection.h"
#include "connectionstringparser.h"
#include "dataaccessenums.h"
#include "datalink.h"
#include "field.h"
#include "fields.h"
#include "recordset.h"
