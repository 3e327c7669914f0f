// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlentries.h"

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

namespace OlvarDesigner {

/*!
    One Olvar control in Qt Designer: created by its type name. On a form in
    Designer's form editor it is told that a designer hosts it (ambient user
    mode false, the form's font) and given its new-placement defaults; a form
    loaded at run time through QUiLoader gets it as a program makes it in code.
*/
class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    /*! Runs once per form editor, when the first control of the plugin is initialised. */
    using Initializer = std::function<void(QDesignerFormEditorInterface *core)>;

    ControlPlugin(const ControlEntry &entry, Initializer initializer, QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

    /*! The widget-box group of every Olvar control. */
    static QString groupName();

private:
    ControlEntry m_entry;
    Initializer m_initializer;
    bool m_initialized = false;
};

} // namespace OlvarDesigner
