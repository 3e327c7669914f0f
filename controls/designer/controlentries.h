// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace OlvarDesigner {

/*! One control the plugin offers in Qt Designer's widget box. */
struct ControlEntry
{
    QString typeName; //!< the name ControlFactory creates it by
    QString className; //!< the C++ class
    QString includeFile; //!< the header a form's code includes
    QString toolTip; //!< shown in the widget box
    QSize size; //!< the size a new placement gets, in pixels
};

/*! The controls the plugin offers, in widget-box order. */
QList<ControlEntry> controlEntries();

} // namespace OlvarDesigner
