// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

namespace Sessara {

/*!
    The client form, "Client": a new client, or an existing one to edit, with
    the columns of tblClient in groups (name or organisation, contact,
    details, postal and physical address) and the client's ethnicities and
    languages, which the counsellor ranking matches.

    "Save" refuses a client with neither a last name nor an organisation name,
    stores the client, tells the client boxes (ClientNotices) and closes;
    "Cancel" closes. Every field is named "txt" and its column ("txtLastName");
    the lists are "lstEthnecity" and "lstLanguage".
*/
class frmClient : public QDialog
{
    Q_OBJECT

public:
    /*! The form on client \a clientId; a new client for 0 or less, or for an identifier with no client. */
    explicit frmClient(qint32 clientId = 0, QWidget *parent = nullptr);
    ~frmClient() override;

    /*! The client shown: 0 until a new client is saved. */
    qint32 clientId() const;
    /*! The field of column \a column ("LastName"); nullptr when there is none. */
    QLineEdit *field(const QString &column) const;
    QListWidget *lstEthnecity() const;
    QListWidget *lstLanguage() const;
    QPushButton *cmdSave() const;

    /*! "Save": checks, stores and closes; returns whether the client was stored. */
    bool save();

private:
    void build();
    void load(qint32 clientId);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
