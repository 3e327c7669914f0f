// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "messageboxservice.h"
#include "olvarglobal.h"

#include <QList>
#include <QString>

#include <memory>

namespace OlvarControls {

/*!
    Message boxes with the platform's numbering: \c buttons adds a button set,
    an icon and a default button; the answer names the button pressed.

    \code
    if (MsgBox::show(text, MsgBox::YesNo | MsgBox::Question, title) == MsgBox::Yes)
        ...
    \endcode

    Every box goes through one replaceable MessageBoxService.
*/
class OLVAR_EXPORT MsgBox
{
public:
    // Button sets
    static constexpr int OkOnly = 0; //!< an OK button
    static constexpr int OkCancel = 1; //!< OK and Cancel
    static constexpr int AbortRetryIgnore = 2; //!< Abort, Retry and Ignore
    static constexpr int YesNoCancel = 3; //!< Yes, No and Cancel
    static constexpr int YesNo = 4; //!< Yes and No
    static constexpr int RetryCancel = 5; //!< Retry and Cancel
    // Icons
    static constexpr int Critical = 16; //!< the critical (stop) icon
    static constexpr int Question = 32; //!< the question icon
    static constexpr int Exclamation = 48; //!< the warning icon
    static constexpr int Information = 64; //!< the information icon
    // Default button (the first one unless given)
    static constexpr int DefaultButton1 = 0; //!< the first button is the default
    static constexpr int DefaultButton2 = 256; //!< the second button is the default
    static constexpr int DefaultButton3 = 512; //!< the third button is the default

    static constexpr int ButtonSetMask = 0x00F; //!< the bits of the button set
    static constexpr int IconMask = 0x0F0; //!< the bits of the icon
    static constexpr int DefaultButtonMask = 0xF00; //!< the bits of the default button

    // Answers
    static constexpr int Ok = 1; //!< OK was chosen
    static constexpr int Cancel = 2; //!< Cancel was chosen, or the box closed
    static constexpr int Abort = 3; //!< Abort was chosen
    static constexpr int Retry = 4; //!< Retry was chosen
    static constexpr int Ignore = 5; //!< Ignore was chosen
    static constexpr int Yes = 6; //!< Yes was chosen
    static constexpr int No = 7; //!< No was chosen

    MsgBox() = delete;

    /*!
        Shows \a prompt with \a buttons and returns the answer. An empty \a title
        shows the application title. Invalid \a buttons raise OleError 5.
    */
    static int show(const QString &prompt, int buttons = OkOnly, const QString &title = QString());
    /*! As show(), for the library's own boxes: an empty \a title shows libraryTitle(). */
    static int showFromLibrary(const QString &prompt, int buttons = OkOnly, const QString &title = QString());

    /*! Sets the title of boxes that give none; an empty \a title follows the application name again. */
    static void setApplicationTitle(const QString &title);
    /*! The title of boxes that give none: as set, else QCoreApplication::applicationName(). */
    static QString applicationTitle();
    /*! The title of the library's own boxes that give none: "OlvarControls". */
    static QString libraryTitle();

    /*! The answers of the buttons of \a buttons, in the order the buttons are shown. */
    static QList<int> answersFor(int buttons);
    /*! The answer of the button that \a buttons makes the default. */
    static int defaultAnswer(int buttons);

    /*! Installs \a service for every later box; nullptr puts back the production service. */
    static void setService(std::unique_ptr<MessageBoxService> service);
    /*! The installed service. */
    static MessageBoxService &service();
};

} // namespace OlvarControls
