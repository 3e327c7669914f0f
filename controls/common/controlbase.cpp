// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlbase.h"

#include "controlfactory.h"
#include "qtboundary_p.h"

#include <QMetaProperty>

namespace OlvarControls {

namespace {

/* The ambient properties set on a widget, kept as its child so that they go with it. */
class AmbientCarrier final : public QObject
{
public:
    AmbientCarrier(QWidget *host, const AmbientProperties &ambient)
        : QObject(host)
        , ambient(ambient)
    {
    }

    AmbientProperties ambient;
};

AmbientCarrier *carrierOf(const QWidget *widget)
{
    for (QObject *child : widget->children()) {
        if (auto *carrier = dynamic_cast<AmbientCarrier *>(child))
            return carrier;
    }
    return nullptr;
}

} // namespace

ControlBase::ControlBase(QWidget *parent)
    : QWidget(parent)
{
}

ControlBase::~ControlBase() = default;

QString ControlBase::typeName() const
{
    return ControlFactory::typeNameOf(metaObject());
}

void ControlBase::InitProperties() { }

void ControlBase::ReadProperties(const PropertyBag &) { }

void ControlBase::WriteProperties(PropertyBag &) { }

AmbientProperties ControlBase::ambientProperties() const
{
    return ambientPropertiesAt(this);
}

bool ControlBase::ambientUserMode() const
{
    return ambientProperties().userMode;
}

QFont ControlBase::ambientFont() const
{
    return ambientProperties().font;
}

void ControlBase::setAmbientProperties(const AmbientProperties &ambient)
{
    setAmbientProperties(this, ambient);
}

void ControlBase::setAmbientProperties(QWidget *host, const AmbientProperties &ambient)
{
    if (AmbientCarrier *carrier = carrierOf(host))
        carrier->ambient = ambient;
    else
        new AmbientCarrier(host, ambient);
}

void ControlBase::clearAmbientProperties(QWidget *host)
{
    delete carrierOf(host);
}

AmbientProperties ControlBase::ambientPropertiesAt(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const AmbientCarrier *carrier = carrierOf(widget))
            return carrier->ambient;
    }
    return AmbientProperties::defaults();
}

bool ControlBase::event(QEvent *event)
{
    bool handled = true;
    QtBoundary::run(this, "event handling", [this, event, &handled] { handled = QWidget::event(event); });
    return handled;
}

void ControlBase::propertyChanged(const QString &name)
{
    Q_EMIT PropertyChanged(name);
    emitPropertyNotify(name);
}

void ControlBase::emitPropertyNotify(const QString &name)
{
    const QMetaObject *meta = metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(name.toLatin1().constData()));
    if (!property.isValid() || !property.hasNotifySignal())
        return;
    const QVariant value = property.read(this);
    property.notifySignal().invoke(this, Qt::DirectConnection, QGenericArgument(value.typeName(), value.constData()));
}

} // namespace OlvarControls
