// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "olvardesignerplugin.h"

#include "controlplugin.h"
#include "controlpropertysheet.h"
#include "settingstaskmenu.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace OlvarDesigner {

OlvarDesignerPlugin::OlvarDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    for (const ControlEntry &entry : controlEntries()) {
        m_widgets << new ControlPlugin(
            entry, [this](QDesignerFormEditorInterface *core) { registerExtensions(core); }, this);
    }
}

QList<QDesignerCustomWidgetInterface *> OlvarDesignerPlugin::customWidgets() const
{
    return m_widgets;
}

void OlvarDesignerPlugin::registerExtensions(QDesignerFormEditorInterface *core)
{
    if (!core || m_cores.contains(core))
        return;
    QExtensionManager *manager = core->extensionManager();
    if (!manager)
        return;
    m_cores.insert(core);
    QObject::connect(core, &QObject::destroyed, this, [this, core] { m_cores.remove(core); });
    manager->registerExtensions(new ControlPropertySheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
    manager->registerExtensions(new SettingsTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

} // namespace OlvarDesigner
