// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlfactory.h"

#include "controlbase.h"

#include <QList>

namespace OlvarControls {

namespace {

struct Registration
{
    QString typeName;
    ControlFactory::Creator creator;
    const QMetaObject *metaObject;
};

QList<Registration> &registry()
{
    static QList<Registration> registrations;
    return registrations;
}

const Registration *findRegistration(const QString &typeName)
{
    for (const Registration &registration : registry()) {
        if (registration.typeName.compare(typeName, Qt::CaseInsensitive) == 0)
            return &registration;
    }
    return nullptr;
}

} // namespace

ControlBase *ControlFactory::create(const QString &typeName, QWidget *parent)
{
    const Registration *registration = findRegistration(typeName);
    if (!registration)
        return nullptr;
    const Creator creator = registration->creator; // a control may register others while it is made
    return creator(parent);
}

bool ControlFactory::registerType(const QString &typeName, Creator creator, const QMetaObject *metaObject)
{
    if (typeName.isEmpty() || !creator || findRegistration(typeName)) {
        qWarning("ControlFactory: cannot register the control type \"%s\"", qPrintable(typeName));
        return false;
    }
    registry().append({typeName, std::move(creator), metaObject});
    return true;
}

void ControlFactory::unregisterType(const QString &typeName)
{
    registry().removeIf([&](const Registration &registration) {
        return registration.typeName.compare(typeName, Qt::CaseInsensitive) == 0;
    });
}

QStringList ControlFactory::typeNames()
{
    QStringList names;
    for (const Registration &registration : registry())
        names.append(registration.typeName);
    return names;
}

QString ControlFactory::typeNameOf(const QMetaObject *metaObject)
{
    for (const Registration &registration : registry()) {
        if (metaObject && registration.metaObject == metaObject)
            return registration.typeName;
    }
    return QString();
}

} // namespace OlvarControls
