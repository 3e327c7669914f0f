// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QDialog;
class QDialogButtonBox;
class QPushButton;
QT_END_NAMESPACE

namespace Sessara {

/*!
    The buttons below a form: the one that does the form's work ("Save",
    "Choose"), pressed by Enter, and "Cancel", which closes the form and is
    pressed only by its click or Escape.
*/
class FormButtons
{
public:
    FormButtons() = delete;

    /*!
        A button box for \a dialog with \a caption (named \a name) as its
        default button and "Cancel" (named "cmdCancel") rejecting the dialog.
        Returns the box; \a accept is the default button.
    */
    static QDialogButtonBox *create(QDialog *dialog, const QString &caption, const QString &name, QPushButton *&accept);
};

} // namespace Sessara
