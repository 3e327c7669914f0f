// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QComboBox>
#include <QVariant>

QT_BEGIN_NAMESPACE
class QStandardItemModel;
QT_END_NAMESPACE

namespace Sessara {

/*!
    A combo box whose list rows have several columns of values, one of which
    (textColumn()) the box shows as its text. Rows are added at an index and
    their columns written one by one, as the demo's fillers do.
*/
class MultiColumnCombo : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int ListIndex READ listIndex WRITE setListIndex)

public:
    /*! A box of \a columnCount columns showing column \a textColumn. */
    explicit MultiColumnCombo(int columnCount, int textColumn, QWidget *parent = nullptr);

    /*! The number of columns of every row. */
    int columnCount() const;
    /*! The column the box shows. */
    int textColumn() const { return m_textColumn; }

    /*! Adds an empty row at \a index (the end for an index beyond it); returns the row's index. */
    int addItem(int index);
    /*! Adds an empty row at the end; returns its index. */
    int addItem() { return addItem(count()); }
    /*! Writes \a value into column \a column of row \a row; a row or column out of range changes nothing. */
    void setList(int row, int column, const QVariant &value);
    /*! The value in column \a column of row \a row; Empty out of range. */
    QVariant list(int row, int column) const;
    /*! The value in column \a column of the chosen row; Empty when none is chosen. */
    QVariant chosen(int column) const { return list(listIndex(), column); }

    /*! The text shown. */
    QString text() const;
    /*! Chooses the first row whose shown column reads \a text; with none, no row is chosen. */
    void setText(const QString &text);
    /*! The chosen row; -1 for none. */
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }
    /*! Removes every row. */
    void clearList() { clear(); }

    /*! Opens the list with every column as wide as its widest value, and the list as wide as its columns. */
    void showPopup() override;

private:
    QStandardItemModel *m_model;
    int m_textColumn;
};

} // namespace Sessara
