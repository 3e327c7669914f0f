// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "formbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace Sessara {

QDialogButtonBox *FormButtons::create(QDialog *dialog, const QString &caption, const QString &name,
                                      QPushButton *&accept)
{
    auto *buttons = new QDialogButtonBox(dialog);
    accept = buttons->addButton(caption, QDialogButtonBox::AcceptRole);
    accept->setObjectName(name);
    accept->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace Sessara
