// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QToolBox>

QT_BEGIN_NAMESPACE
class QListWidget;
class QListWidgetItem;
QT_END_NAMESPACE

namespace Sessara {

/*!
    A navigation bar: keyed bars, one open at a time, each a list of keyed
    items with captions and large icons. A click on an item raises ItemClick().
*/
class ListBar : public QToolBox
{
    Q_OBJECT

public:
    explicit ListBar(QWidget *parent = nullptr);

    /*! Adds the bar \a key with \a caption; a key that is taken returns the bar that has it. */
    QListWidget *addBar(const QString &key, const QString &caption);
    /*! The bar \a key, or nullptr. */
    QListWidget *bar(const QString &key) const;
    /*! Adds the item \a key with \a caption to the bar \a barKey; nullptr when there is no such bar. */
    using QToolBox::addItem;
    QListWidgetItem *addItem(const QString &barKey, const QString &key, const QString &caption,
                             const QIcon &icon = QIcon());
    /*! The item \a key of the bar \a barKey, or nullptr. */
    QListWidgetItem *item(const QString &barKey, const QString &key) const;
    /*! The keys of the items of the bar \a barKey, in order. */
    QStringList itemKeys(const QString &barKey) const;
    /*! The key of \a item. */
    static QString keyOf(const QListWidgetItem *item);

    /*! Clicks the item \a key of the bar \a barKey as the user would; false when there is none. */
    bool clickItem(const QString &barKey, const QString &key);

Q_SIGNALS:
    /*! The item \a itemKey with \a itemCaption on the bar \a barKey was clicked. */
    void ItemClick(const QString &itemKey, const QString &itemCaption, const QString &barKey);
};

} // namespace Sessara
