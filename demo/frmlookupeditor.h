// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "lookuptable.h"

#include <QDialog>

#include <memory>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

namespace Sessara {

/*!
    The editor of one of the practice's lists ("Location", "Session Types",
    "Case Types"): lstItems lists the entries; cmdAdd adds the description
    typed in txtDescription, cmdRename gives it to the entry chosen, and
    cmdDelete deletes the entry chosen once the user agrees, unless it is in
    use, when it says where.
*/
class frmLookupEditor : public QDialog
{
    Q_OBJECT

public:
    explicit frmLookupEditor(LookupTable::Kind kind, QWidget *parent = nullptr);
    ~frmLookupEditor() override;

    QListWidget *lstItems() const;
    QLineEdit *txtDescription() const;
    /*! The button captioned \a caption: "Add", "Rename", "Delete" or "Close". */
    QPushButton *button(const QString &caption) const;

    void add();
    void renameChosen();
    void deleteChosen();

private:
    void fill(qint32 chosenId = 0);
    bool taken(const QString &description, qint32 except) const;
    qint32 chosenId() const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
