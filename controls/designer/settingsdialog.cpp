// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "settingsdialog.h"

#include "designervalues.h"
#include "msgbox.h"
#include "oleerror.h"
#include "settings.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace OlvarDesigner {

using namespace OlvarControls;

SettingsDialog::SettingsDialog(QWidget *control, QWidget *parent)
    : QDialog(parent)
    , m_control(control)
    , m_page(new Settings(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(m_page->windowTitle());
    auto *layout = new QVBoxLayout(this);
    m_page->setMinimumSize(m_page->size());
    layout->addWidget(m_page);
    layout->addWidget(m_buttons);

    QPushButton *applyButton = m_buttons->button(QDialogButtonBox::Apply);
    connect(m_page, &Settings::changedChanged, applyButton, &QPushButton::setEnabled);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    try {
        m_page->setSelectedControls({control});
    } catch (const OleError &error) {
        MsgBox::showFromLibrary(error.messageText(), MsgBox::Exclamation);
    }
    applyButton->setEnabled(m_page->changed());
}

bool SettingsDialog::apply()
{
    if (!m_control)
        return false;
    bool applied = true;
    try {
        m_page->ApplyChanges();
    } catch (const OleError &error) {
        MsgBox::showFromLibrary(error.messageText(), MsgBox::Exclamation);
        applied = false;
    }
    handToForm(); // what was written before a failure is kept, so the form hears of it too
    return applied;
}

void SettingsDialog::handToForm()
{
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    if (!form || !form->cursor())
        return;
    for (const QString &name : Settings::propertyNames()) {
        const QVariant value = DesignerValues::toDesigner(m_control->property(name.toLatin1().constData()));
        form->cursor()->setWidgetProperty(m_control, name, value);
    }
}

} // namespace OlvarDesigner
