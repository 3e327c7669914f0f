// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QDateEdit;
class QTreeWidget;
QT_END_NAMESPACE

namespace Sessara {

class MultiColumnCombo;

/*!
    "Sessions": the sessions of the counsellor chosen in cboCounseller from
    dtpFrom to dtpTo, cancelled ones included and marked, in lstSessions. A
    double-click on a session opens it in the session dialog; the list is
    read again when the dialog closes.
*/
class frmSessionList : public QDialog
{
    Q_OBJECT

public:
    /*! Opens session \a sessionId of counsellor \a counsellorId in the session dialog. */
    using SessionOpener = std::function<void(qint32 sessionId, qint32 counsellorId)>;

    /*! The list of counsellor \a counsellorId's sessions in the week of \a day; \a opener opens one. */
    frmSessionList(qint32 counsellorId, QDate day, SessionOpener opener, QWidget *parent = nullptr);
    ~frmSessionList() override;

    MultiColumnCombo *cboCounseller() const;
    QDateEdit *dtpFrom() const;
    QDateEdit *dtpTo() const;
    QTreeWidget *lstSessions() const;

    /*! Lists the sessions from \a from to \a to. */
    void setRange(QDate from, QDate to);
    /*! Lists the chosen counsellor's sessions in the chosen days afresh. */
    void fill();
    /*! Opens the session of list row \a row. */
    void openRow(int row);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
