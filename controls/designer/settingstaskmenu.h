// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE

namespace OlvarDesigner {

/*! The "Settings..." entry of a control's context menu in Designer: opens the Settings page on it. */
class SettingsTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    SettingsTaskMenu(QWidget *control, QObject *parent);

    QAction *preferredEditAction() const override;
    QList<QAction *> taskActions() const override;

    /*! Opens the page on the control, modally. */
    void editSettings();

private:
    QPointer<QWidget> m_control;
    QAction *m_action;
};

/*! Gives every widget with the page's eight properties the "Settings..." entry. */
class SettingsTaskMenuFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit SettingsTaskMenuFactory(QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};

} // namespace OlvarDesigner
