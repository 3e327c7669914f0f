// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

/*! One message box as the message box service receives it. */
struct OLVAR_EXPORT MessageBoxRequest
{
    QString prompt; //!< the text; CR LF (or CR, or LF) breaks a line
    int buttons = 0; //!< the button set, icon and default button, as MsgBox numbers them
    QString title; //!< the window title, already resolved

    /*! The same text, buttons and title. */
    friend bool operator==(const MessageBoxRequest &a, const MessageBoxRequest &b)
    {
        return a.prompt == b.prompt && a.buttons == b.buttons && a.title == b.title;
    }
    /*! A different text, buttons or title. */
    friend bool operator!=(const MessageBoxRequest &a, const MessageBoxRequest &b) { return !(a == b); }
};

/*!
    Shows message boxes for MsgBox. The production service shows a modal
    QMessageBox; tests install one that answers from a script.
*/
class OLVAR_EXPORT MessageBoxService
{
public:
    virtual ~MessageBoxService();

    /*! Shows \a request and returns the answer: one of MsgBox::Ok to MsgBox::No. */
    virtual int show(const MessageBoxRequest &request) = 0;
};

} // namespace OlvarControls
