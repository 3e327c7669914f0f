// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "propertybag.h"

#include <QList>
#include <QString>

namespace Sessara {

/*! One control of a form: its type name, its name on the form and its saved properties. */
struct FormControl
{
    QString typeName; //!< such as "OlvarControls.Hourlet"
    QString name; //!< such as "ZOVudeZozo1"
    OlvarControls::PropertyBag properties; //!< the design settings
};

/*!
    A form's saved controls as text: per control a "Begin <type name> <name>"
    line followed by the text of its property bag, which ends with its own
    "End" line. Blank lines and lines starting with "'" between controls are
    ignored.
*/
class FormFile
{
public:
    /*! The controls \a text describes; a damaged text raises OleError 321 naming the line. */
    static QList<FormControl> fromText(const QString &text);
    /*! The controls saved in \a fileName (UTF-8); raises OleError 53, 75 or 321 when it cannot be read. */
    static QList<FormControl> load(const QString &fileName);
    /*! The text form of \a controls. */
    static QString toText(const QList<FormControl> &controls);
};

} // namespace Sessara
