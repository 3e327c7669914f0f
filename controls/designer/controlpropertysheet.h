// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>

namespace OlvarDesigner {

/*!
    The property sheet of an Olvar control in Qt Designer: Designer's own
    sheet for the control, with the values shown and taken as DesignerValues
    gives them, so that colour properties edit as colours.
*/
class ControlPropertySheet : public QObject, public QDesignerPropertySheetExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

public:
    /*! The sheet of \a control over Designer's own sheet \a inner (an extension object of its sheet interface). */
    ControlPropertySheet(QObject *control, QObject *inner, QObject *parent = nullptr);

    int count() const override;
    int indexOf(const QString &name) const override;
    QString propertyName(int index) const override;
    QString propertyGroup(int index) const override;
    void setPropertyGroup(int index, const QString &group) override;
    bool hasReset(int index) const override;
    bool reset(int index) override;
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override;
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant &value) override;
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override;

private:
    QPointer<QObject> m_control;
    QPointer<QObject> m_innerObject;
    QDesignerPropertySheetExtension *m_inner;
};

/*! Makes a ControlPropertySheet for each Olvar control, over the sheet Designer would have given it. */
class ControlPropertySheetFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit ControlPropertySheetFactory(QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;

private:
    mutable bool m_asking = false; //!< asking the manager for Designer's own sheet
};

} // namespace OlvarDesigner
