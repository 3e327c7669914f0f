// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlpropertysheet.h"

#include "controlbase.h"
#include "designervalues.h"
#include "oleerror.h"

#include <QMetaProperty>
#include <QScopedValueRollback>
#include <QtDesigner/QExtensionManager>

namespace OlvarDesigner {

ControlPropertySheet::ControlPropertySheet(QObject *control, QObject *inner, QObject *parent)
    : QObject(parent)
    , m_control(control)
    , m_innerObject(inner)
    , m_inner(qobject_cast<QDesignerPropertySheetExtension *>(inner))
{
}

int ControlPropertySheet::count() const
{
    return m_innerObject ? m_inner->count() : 0;
}
int ControlPropertySheet::indexOf(const QString &name) const
{
    return m_innerObject ? m_inner->indexOf(name) : -1;
}
QString ControlPropertySheet::propertyName(int index) const
{
    return m_inner->propertyName(index);
}
QString ControlPropertySheet::propertyGroup(int index) const
{
    return m_inner->propertyGroup(index);
}
void ControlPropertySheet::setPropertyGroup(int index, const QString &group)
{
    m_inner->setPropertyGroup(index, group);
}
bool ControlPropertySheet::hasReset(int index) const
{
    return m_inner->hasReset(index);
}
bool ControlPropertySheet::reset(int index)
{
    return m_inner->reset(index);
}
bool ControlPropertySheet::isVisible(int index) const
{
    return m_inner->isVisible(index);
}
void ControlPropertySheet::setVisible(int index, bool visible)
{
    m_inner->setVisible(index, visible);
}
bool ControlPropertySheet::isAttribute(int index) const
{
    return m_inner->isAttribute(index);
}
void ControlPropertySheet::setAttribute(int index, bool attribute)
{
    m_inner->setAttribute(index, attribute);
}
bool ControlPropertySheet::isChanged(int index) const
{
    return m_inner->isChanged(index);
}
void ControlPropertySheet::setChanged(int index, bool changed)
{
    m_inner->setChanged(index, changed);
}
bool ControlPropertySheet::isEnabled(int index) const
{
    return m_inner->isEnabled(index);
}

QVariant ControlPropertySheet::property(int index) const
{
    return DesignerValues::toDesigner(m_inner->property(index));
}

void ControlPropertySheet::setProperty(int index, const QVariant &value)
{
    QVariant converted = value;
    if (m_control) {
        const QMetaObject *meta = m_control->metaObject();
        const int found = meta->indexOfProperty(m_inner->propertyName(index).toLatin1().constData());
        if (found >= 0) {
            try {
                converted = DesignerValues::toControl(value, meta->property(found).metaType());
            } catch (const OlvarControls::OleError &error) {
                qWarning("Olvar Designer plugin: %s keeps its value: %s", qPrintable(m_inner->propertyName(index)),
                         error.what());
                return;
            }
        }
    }
    try {
        m_inner->setProperty(index, converted);
    } catch (const std::exception &error) {
        // A setter's refusal must not escape into Designer.
        qWarning("Olvar Designer plugin: %s was refused: %s", qPrintable(m_inner->propertyName(index)), error.what());
    }
}

ControlPropertySheetFactory::ControlPropertySheetFactory(QExtensionManager *parent)
    : QExtensionFactory(parent)
{
}

QObject *ControlPropertySheetFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    if (m_asking || iid != Q_TYPEID(QDesignerPropertySheetExtension)
        || !qobject_cast<OlvarControls::ControlBase *>(object))
        return nullptr;
    QObject *inner = nullptr;
    {
        const QScopedValueRollback<bool> asking(m_asking, true);
        inner = extensionManager()->extension(object, iid);
    }
    if (!qobject_cast<QDesignerPropertySheetExtension *>(inner))
        return nullptr;
    return new ControlPropertySheet(object, inner, parent);
}

} // namespace OlvarDesigner
