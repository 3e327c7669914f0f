// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
class QTreeWidget;
QT_END_NAMESPACE

namespace Sessara {

class MultiColumnCombo;

/*!
    The case manager of one client: lstCases lists the client's cases, each
    with its sessions beneath it. "New Case" opens a case described in
    txtCaseDescription, of the type chosen in cboCaseType; "Link Session"
    puts the open session (when there is one) into the case chosen.
*/
class frmCases : public QDialog
{
    Q_OBJECT

public:
    /*! The cases of client \a clientId; \a sessionId is the open session that may be linked (none for 0 or less). */
    frmCases(qint32 clientId, qint32 sessionId, QWidget *parent = nullptr);
    ~frmCases() override;

    QTreeWidget *lstCases() const;
    QLineEdit *txtCaseDescription() const;
    MultiColumnCombo *cboCaseType() const;
    QPushButton *cmdNewCase() const;
    QPushButton *cmdLinkSession() const;

    /*! "New Case": opens the case described; returns its identifier, 0 when none was stored. */
    qint32 newCase();
    /*! "Link Session": links the open session to the case chosen; returns whether it was linked. */
    bool linkSession();

private:
    void fill(qint32 chosenCase = 0);
    qint32 chosenCase() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
