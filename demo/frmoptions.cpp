// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmoptions.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "formbuttons.h"
#include "msgbox.h"
#include "practiceoptions.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace OlvarControls;

namespace Sessara {

frmOptions::frmOptions(QWidget *parent)
    : QDialog(parent)
    , m_hours(new QLineEdit)
{
    setObjectName(QStringLiteral("frmOptions"));
    setModal(true);
    setWindowTitle(QStringLiteral("Options"));
    m_hours->setObjectName(QStringLiteral("txtMinimumCancellationTime"));
    QDialogButtonBox *buttons = FormButtons::create(this, QStringLiteral("Save"), QStringLiteral("cmdSave"), m_save);
    connect(m_save, &QPushButton::clicked, this, &frmOptions::save);
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Minimum cancellation time (hours)"), m_hours);
    form->addRow(buttons);

    DemoConnection cn;
    DemoRecordset rs = cn.read(PracticeOptions::select(PracticeOptions::minimumCancellationTime()));
    m_rowExists = !rs.eof();
    if (m_rowExists)
        m_hours->setText(basGeneral::TextOf(rs.value(QStringLiteral("Value"))));
}

bool frmOptions::save()
{
    const std::optional<int> hours = PracticeOptions::hours(m_hours->text());
    if (!hours) {
        MsgBox::show(PracticeOptions::hoursRefusal(), MsgBox::Exclamation);
        m_hours->setFocus();
        return false;
    }
    const QString name = PracticeOptions::minimumCancellationTime();
    const QString value = QString::number(*hours);
    DemoConnection cn;
    if (!cn.execute(m_rowExists ? PracticeOptions::update(name, value) : PracticeOptions::insert(name, value))) {
        MsgBox::show(QStringLiteral("The options could not be stored."), MsgBox::Exclamation);
        return false;
    }
    accept();
    return true;
}

} // namespace Sessara
