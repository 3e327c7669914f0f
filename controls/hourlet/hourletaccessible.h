// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QAccessibleWidget>
#include <QHash>

namespace OlvarControls {

class Hourlet;

/*!
    What assistive technology sees of a day view: a list named by its date
    caption whose children are the appointments drawn, in list order, then the
    selected free slots (when the selection is not an appointment), then the
    scroll bar. An appointment is named by its times, subject and location,
    as "10:00 am to 11:00 am, Adult Counselling (Room 1)"; the selected one is
    reported as selected, and focused while the view has the focus.
*/
class HourletAccessible : public QAccessibleWidget
{
public:
    explicit HourletAccessible(Hourlet *hourlet);
    ~HourletAccessible() override;

    /*! Makes QAccessible::queryAccessibleInterface() answer with this class for day views; once is enough. */
    static void install();
    /*! Tells assistive technology that the selection of \a hourlet, which has the focus, has moved. */
    static void selectionMoved(Hourlet *hourlet);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    /*! The list indices of the appointments drawn, then -1 for a selection of free slots. */
    QList<int> items() const;
    /*! The name of item \a listIndex (-1: the selected free slots). */
    QString itemName(int listIndex) const;
    /*! Where item \a listIndex is drawn, in screen coordinates. */
    QRect itemRect(int listIndex) const;
    /*! Whether item \a listIndex is the selection. */
    bool itemSelected(int listIndex) const;
    Hourlet *hourlet() const;

private:
    QAccessibleInterface *itemInterface(int listIndex) const;

    mutable QHash<int, QAccessible::Id> m_items;
};

} // namespace OlvarControls
