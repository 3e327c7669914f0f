// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "multicolumncombo.h"

#include "basgeneral.h"

#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>

namespace Sessara {

MultiColumnCombo::MultiColumnCombo(int columnCount, int textColumn, QWidget *parent)
    : QComboBox(parent)
    , m_model(new QStandardItemModel(0, columnCount, this))
    , m_textColumn(textColumn)
{
    auto *view = new QTreeView(this);
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    setModel(m_model);
    setView(view);
    setModelColumn(textColumn);
}

int MultiColumnCombo::columnCount() const
{
    return m_model->columnCount();
}

int MultiColumnCombo::addItem(int index)
{
    const int row = qBound(0, index, m_model->rowCount());
    m_model->insertRow(row);
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_model->setItem(row, column, new QStandardItem);
    return row;
}

void MultiColumnCombo::setList(int row, int column, const QVariant &value)
{
    QStandardItem *item = m_model->item(row, column);
    if (!item)
        return;
    item->setData(value, Qt::UserRole);
    item->setText(basGeneral::TextOf(value));
}

QVariant MultiColumnCombo::list(int row, int column) const
{
    const QStandardItem *item = m_model->item(row, column);
    return item ? item->data(Qt::UserRole) : QVariant();
}

void MultiColumnCombo::showPopup()
{
    auto *list = qobject_cast<QTreeView *>(view());
    if (list) {
        int width = 0;
        for (int column = 0; column < m_model->columnCount(); ++column) {
            list->resizeColumnToContents(column);
            width += list->columnWidth(column);
        }
        const int frame = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        list->setMinimumWidth(width + frame);
    }
    QComboBox::showPopup();
}

QString MultiColumnCombo::text() const
{
    return currentText();
}

void MultiColumnCombo::setText(const QString &text)
{
    setCurrentIndex(findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

} // namespace Sessara
