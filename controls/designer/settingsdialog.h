// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>
#include <QPointer>

QT_BEGIN_NAMESPACE
class QDialogButtonBox;
QT_END_NAMESPACE

namespace OlvarControls {
class Settings;
}

namespace OlvarDesigner {

/*!
    The Settings page on one control of a Designer form, with OK, Cancel and
    Apply. Apply writes the page to the control and hands the eight values to
    the form, so that Designer saves them and can undo them; a value the
    control refuses is reported in a message box and the page stays open.
*/
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *control, QWidget *parent = nullptr);

    OlvarControls::Settings *page() const { return m_page; }
    QDialogButtonBox *buttons() const { return m_buttons; }

    /*! Applies the page; false when the control refused a value. */
    bool apply();

private:
    void handToForm();

    QPointer<QWidget> m_control;
    OlvarControls::Settings *m_page;
    QDialogButtonBox *m_buttons;
};

} // namespace OlvarDesigner
