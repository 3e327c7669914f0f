// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>
#include <QStringList>

#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
struct QMetaObject;
QT_END_NAMESPACE

namespace OlvarControls {

class ControlBase;

/*!
    Creates controls by their type names ("OlvarControls.Hourlet"), as hosts
    place them. Type names match case-insensitively. Controls register
    themselves with OLVAR_REGISTER_CONTROL in their source file.
*/
class OLVAR_EXPORT ControlFactory
{
public:
    /*! Makes a new control with the given parent. */
    using Creator = std::function<ControlBase *(QWidget *parent)>;

    ControlFactory() = delete;

    /*! A new control of \a typeName with \a parent, or nullptr if no control has that name. */
    static ControlBase *create(const QString &typeName, QWidget *parent = nullptr);

    /*!
        Registers \a creator under \a typeName; \a metaObject, if given, lets
        ControlBase::typeName() find the name. Returns false, and changes
        nothing, for an empty name or one that is taken.
    */
    static bool registerType(const QString &typeName, Creator creator, const QMetaObject *metaObject = nullptr);
    /*! Removes the registration of \a typeName. */
    static void unregisterType(const QString &typeName);

    /*! The registered type names, in registration order. */
    static QStringList typeNames();
    /*! The type name registered for the class \a metaObject; empty if none. */
    static QString typeNameOf(const QMetaObject *metaObject);
};

/*! Registers \a Control for as long as it lives; OLVAR_REGISTER_CONTROL makes one. */
template <typename Control>
class ControlRegistrar
{
public:
    /*! Registers \a Control under \a typeName (ASCII); a taken name leaves the registration as it is. */
    explicit ControlRegistrar(const char *typeName)
        : m_typeName(QString::fromLatin1(typeName))
        , m_registered(ControlFactory::registerType(
              m_typeName, [](QWidget *parent) -> ControlBase * { return new Control(parent); },
              &Control::staticMetaObject))
    {
    }
    ~ControlRegistrar()
    {
        if (m_registered)
            ControlFactory::unregisterType(m_typeName);
    }
    ControlRegistrar(const ControlRegistrar &) = delete;
    ControlRegistrar &operator=(const ControlRegistrar &) = delete;

private:
    QString m_typeName;
    bool m_registered;
};

} // namespace OlvarControls

#define OLVAR_REGISTRAR_CONCAT_(a, b) a##b
#define OLVAR_REGISTRAR_NAME_(line) OLVAR_REGISTRAR_CONCAT_(olvarControlRegistrar, line)

/*!
    Registers the control class \a Class under \a TypeName (a string literal)
    with ControlFactory; written once in the control's source file.
*/
#define OLVAR_REGISTER_CONTROL(Class, TypeName)                                                                        \
    static const ::OlvarControls::ControlRegistrar<Class> OLVAR_REGISTRAR_NAME_(__LINE__)(TypeName)
