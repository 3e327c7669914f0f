#include "multicolumncombo.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>

namespace Sessara {

MultiColumnCombo::MultiColumnCombo(int columnCount, QWidget *parent)
    : QComboBox(parent)
    , m_model(new QStandardItemModel(0, qMax(1, columnCount), this))
{
    auto *view = new QTableView(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setShowGrid(false);
    view->setWordWrap(false);
    setModel(m_model);
    setView(view);
    setModelColumn(0);
    connect(this, &QComboBox::currentIndexChanged, this, &MultiColumnCombo::Click);
}

int MultiColumnCombo::columnCount() const
{
    return m_model->columnCount();
}

int MultiColumnCombo::listCount() const
{
    return m_model->rowCount();
}

int MultiColumnCombo::addRow(int index)
{
    const int row = qBound(0, index, m_model->rowCount());
    const int chosen = currentIndex();
    {
        // A combo box chooses the first row put into an empty list; this one does not.
        const QSignalBlocker blocker(this);
        QList<QStandardItem *> cells;
        for (int c = 0; c < m_model->columnCount(); ++c)
            cells.append(new QStandardItem());
        m_model->insertRow(row, cells);
        setCurrentIndex(chosen < 0 ? -1 : (chosen >= row ? chosen + 1 : chosen));
    }
    return row;
}

void MultiColumnCombo::setCell(int row, int column, const QString &text)
{
    if (QStandardItem *item = m_model->item(row, column))
        item->setText(text);
}

QString MultiColumnCombo::cell(int row, int column) const
{
    const QStandardItem *item = m_model->item(row, column);
    return item ? item->text() : QString();
}

QString MultiColumnCombo::column(int column) const
{
    return cell(currentIndex(), column);
}

void MultiColumnCombo::clearRows()
{
    m_model->removeRows(0, m_model->rowCount());
}

void MultiColumnCombo::showPopup()
{
    if (auto *table = qobject_cast<QTableView *>(view())) {
        table->resizeColumnsToContents();
        int width = 0;
        for (int c = 0; c < m_model->columnCount(); ++c)
            width += table->columnWidth(c);
        table->setMinimumWidth(qMax(this->width(), width + 24));
    }
    QComboBox::showPopup();
}

} // namespace Sessara
