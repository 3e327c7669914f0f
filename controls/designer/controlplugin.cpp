// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlplugin.h"

#include "ambientproperties.h"
#include "controlbase.h"
#include "controlfactory.h"

#include <QApplication>
#include <QIcon>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace OlvarDesigner {

using namespace OlvarControls;

ControlPlugin::ControlPlugin(const ControlEntry &entry, Initializer initializer, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
    , m_initializer(std::move(initializer))
{
}

QString ControlPlugin::groupName()
{
    return QStringLiteral("Olvar");
}

QString ControlPlugin::name() const
{
    return m_entry.className;
}
QString ControlPlugin::group() const
{
    return groupName();
}
QString ControlPlugin::toolTip() const
{
    return m_entry.toolTip;
}
QString ControlPlugin::whatsThis() const
{
    return m_entry.toolTip;
}
QString ControlPlugin::includeFile() const
{
    return m_entry.includeFile;
}
QIcon ControlPlugin::icon() const
{
    return QIcon();
}
bool ControlPlugin::isContainer() const
{
    return false;
}
bool ControlPlugin::isInitialized() const
{
    return m_initialized;
}

QWidget *ControlPlugin::createWidget(QWidget *parent)
{
    ControlBase *control = ControlFactory::create(m_entry.typeName, parent);
    if (!control) {
        qWarning("Olvar Designer plugin: no control is registered as %s", qPrintable(m_entry.typeName));
        return nullptr;
    }
    // QUiLoader and Designer's preview load forms with this plugin too: there the
    // control runs as one made in code would. Only the form editor designs it.
    if (!QDesignerFormWindowInterface::findFormWindow(parent))
        return control;
    AmbientProperties ambient;
    ambient.userMode = false;
    ambient.font = parent ? parent->font() : QApplication::font();
    control->setAmbientProperties(ambient);
    control->InitProperties();
    return control;
}

void ControlPlugin::initialize(QDesignerFormEditorInterface *core)
{
    // The plugin registers its extensions once per form editor, whichever control comes first.
    m_initialized = true;
    if (m_initializer)
        m_initializer(core);
}

QString ControlPlugin::domXml() const
{
    QString objectName = m_entry.className.section(QStringLiteral("::"), -1);
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(m_entry.className, objectName)
        .arg(m_entry.size.width())
        .arg(m_entry.size.height());
}

} // namespace OlvarDesigner
