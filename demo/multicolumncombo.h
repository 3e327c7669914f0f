#pragma once

#include <QComboBox>
#include <QString>

QT_BEGIN_NAMESPACE
class QStandardItemModel;
QT_END_NAMESPACE

namespace Sessara {

/*!
    A combo box with several columns per row: the drop-down list shows every
    column side by side, the box shows column 0 of the chosen row as its text.

    Rows are added empty and then filled cell by cell. Adding rows chooses none;
    Click() follows every change of the chosen row, by the user or by code.
*/
class MultiColumnCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit MultiColumnCombo(int columnCount, QWidget *parent = nullptr);

    /*! The number of columns of each row. */
    int columnCount() const;
    /*! The number of rows. */
    int listCount() const;

    /*! Inserts an empty row at \a index (appended beyond the end) and returns where it went. */
    int addRow(int index);
    /*! Sets column \a column of row \a row to \a text; ignored outside the list. */
    void setCell(int row, int column, const QString &text);
    /*! The text in column \a column of row \a row; empty outside the list. */
    QString cell(int row, int column) const;
    /*! Column \a column of the chosen row; empty when no row is chosen. */
    QString column(int column) const;
    /*! Removes every row. */
    void clearRows();

    /*! The chosen row, -1 for none. */
    int listIndex() const { return currentIndex(); }
    /*! Chooses row \a index (-1 for none). */
    void setListIndex(int index) { setCurrentIndex(index); }

    /*! The box's text: column 0 of the chosen row. */
    QString text() const { return currentText(); }

signals:
    /*! The chosen row has changed. */
    void Click();

protected:
    void showPopup() override;

private:
    QStandardItemModel *m_model;
};

} // namespace Sessara
