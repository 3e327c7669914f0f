// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace Sessara {

/*!
    "Options": the practice's settings (tblConfig). txtMinimumCancellationTime
    holds the minimum cancellation time in hours; "Save" checks it is a whole
    number of hours and stores it, adding the row when there is none.
*/
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget *parent = nullptr);

    QLineEdit *txtMinimumCancellationTime() const { return m_hours; }
    QPushButton *cmdSave() const { return m_save; }
    /*! "Save": returns whether the settings were stored. */
    bool save();

private:
    QLineEdit *m_hours;
    QPushButton *m_save;
    bool m_rowExists = false;
};

} // namespace Sessara
