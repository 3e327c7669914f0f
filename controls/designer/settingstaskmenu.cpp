// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "settingstaskmenu.h"

#include "settings.h"
#include "settingsdialog.h"

#include <QAction>

namespace OlvarDesigner {

SettingsTaskMenu::SettingsTaskMenu(QWidget *control, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_action(new QAction(tr("Settings..."), this))
{
    connect(m_action, &QAction::triggered, this, &SettingsTaskMenu::editSettings);
}

QAction *SettingsTaskMenu::preferredEditAction() const
{
    return m_action;
}

QList<QAction *> SettingsTaskMenu::taskActions() const
{
    return {m_action};
}

void SettingsTaskMenu::editSettings()
{
    if (!m_control)
        return;
    SettingsDialog dialog(m_control, m_control->window());
    dialog.exec();
}

SettingsTaskMenuFactory::SettingsTaskMenuFactory(QExtensionManager *parent)
    : QExtensionFactory(parent)
{
}

QObject *SettingsTaskMenuFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension) || !widget || !OlvarControls::Settings::canEdit(widget))
        return nullptr;
    return new SettingsTaskMenu(widget, parent);
}

} // namespace OlvarDesigner
