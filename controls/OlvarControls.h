#pragma once

/*! \file OlvarControls.h
    The one header a host includes to use the Olvar controls. */

#include "olvarglobal.h"

#include "olecolor.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "gdiobjects.h"
#include "gdisurface.h"
#include "basapi.h"
#include "windowupdatelock.h"
#include "retainedsurface.h"
#include "scrollbarmodel.h"
#include "vscrollbar.h"
#include "twips.h"
