// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ambientproperties.h"
#include "olvarglobal.h"

#include <QWidget>

namespace OlvarControls {

class PropertyBag;

/*!
    The base of every Olvar control: the component host's side of a control.

    A control's life: construction (\c Initialize), then either InitProperties()
    when a host places it for the first time or ReadProperties() when it restores
    a saved form; WriteProperties() whenever the host saves. Setters call
    propertyChanged() so that the host knows it has to save again.

    Ambient properties come from the nearest of the control itself and its
    ancestors that has them set (see setAmbientProperties()), else from
    AmbientProperties::defaults().
*/
class OLVAR_EXPORT ControlBase : public QWidget
{
    Q_OBJECT

public:
    /*! A control with no properties set yet; the host calls InitProperties() or ReadProperties() next. */
    explicit ControlBase(QWidget *parent = nullptr);
    ~ControlBase() override;

    /*! The name the control is registered under, such as "OlvarControls.Hourlet"; empty if none. */
    QString typeName() const;

    /*! First placement on a form: sets the properties to their defaults. Does nothing here. */
    virtual void InitProperties();
    /*! Restore: reads the properties from \a bag. Does nothing here. */
    virtual void ReadProperties(const PropertyBag &bag);
    /*! Save: writes the properties to \a bag. Does nothing here. */
    virtual void WriteProperties(PropertyBag &bag);

    /*! The ambient properties this control sees. */
    AmbientProperties ambientProperties() const;
    /*! Whether the program runs (true) or a designer edits the form (false). */
    bool ambientUserMode() const;
    /*! The container's font. */
    QFont ambientFont() const;

    /*! Sets the ambient properties that this control and its child controls see. */
    void setAmbientProperties(const AmbientProperties &ambient);
    /*! Sets the ambient properties that the controls in \a host see; \a host may be any widget. */
    static void setAmbientProperties(QWidget *host, const AmbientProperties &ambient);
    /*! Removes what setAmbientProperties() set on \a host. */
    static void clearAmbientProperties(QWidget *host);
    /*! The ambient properties a control placed at \a widget sees. */
    static AmbientProperties ambientPropertiesAt(const QWidget *widget);

Q_SIGNALS:
    /*! The change notice: the property \a name has changed and the host should save again. */
    void PropertyChanged(const QString &name);

protected:
    /*! Sends the change notice for \a name, and the property's change signal. */
    void propertyChanged(const QString &name);
    /*! Emits the change signal (NOTIFY) of the property \a name with its value, without a change notice. */
    void emitPropertyNotify(const QString &name);
    /*! Handles \a event as QWidget does; what the control's handlers or queued calls raise is logged, never passed to Qt. */
    bool event(QEvent *event) override;
};

} // namespace OlvarControls
