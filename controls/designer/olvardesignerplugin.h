// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSet>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

QT_BEGIN_NAMESPACE
class QDesignerFormEditorInterface;
QT_END_NAMESPACE

namespace OlvarDesigner {

/*!
    The Olvar controls for Qt Designer, in the widget-box group "Olvar".
    For each form editor it registers, once, the property sheets that show
    colours and dates as such and the "Settings..." task menu.
*/
class OlvarDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit OlvarDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    void registerExtensions(QDesignerFormEditorInterface *core);

    QList<QDesignerCustomWidgetInterface *> m_widgets;
    QSet<QDesignerFormEditorInterface *> m_cores;
};

} // namespace OlvarDesigner
