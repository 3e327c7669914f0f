// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "listbar.h"

#include <QListWidget>

namespace Sessara {

namespace {

constexpr int KeyRole = Qt::UserRole + 1;

} // namespace

ListBar::ListBar(QWidget *parent)
    : QToolBox(parent)
{
}

QListWidget *ListBar::addBar(const QString &key, const QString &caption)
{
    if (QListWidget *existing = bar(key))
        return existing;
    auto *list = new QListWidget(this);
    list->setObjectName(key);
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(false);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setIconSize(QSize(32, 32));
    list->setSpacing(4);
    list->setWordWrap(true);
    connect(list, &QListWidget::itemClicked, this,
            [this, key](QListWidgetItem *clicked) { Q_EMIT ItemClick(keyOf(clicked), clicked->text(), key); });
    QToolBox::addItem(list, caption);
    return list;
}

QListWidget *ListBar::bar(const QString &key) const
{
    for (int i = 0; i < count(); ++i) {
        auto *list = qobject_cast<QListWidget *>(widget(i));
        if (list && list->objectName() == key)
            return list;
    }
    return nullptr;
}

QListWidgetItem *ListBar::addItem(const QString &barKey, const QString &key, const QString &caption, const QIcon &icon)
{
    QListWidget *list = bar(barKey);
    if (!list)
        return nullptr;
    auto *entry = new QListWidgetItem(icon, caption, list);
    entry->setData(KeyRole, key);
    entry->setTextAlignment(Qt::AlignHCenter);
    return entry;
}

QListWidgetItem *ListBar::item(const QString &barKey, const QString &key) const
{
    const QListWidget *list = bar(barKey);
    for (int i = 0; list && i < list->count(); ++i) {
        if (keyOf(list->item(i)) == key)
            return list->item(i);
    }
    return nullptr;
}

QStringList ListBar::itemKeys(const QString &barKey) const
{
    QStringList keys;
    const QListWidget *list = bar(barKey);
    for (int i = 0; list && i < list->count(); ++i)
        keys.append(keyOf(list->item(i)));
    return keys;
}

QString ListBar::keyOf(const QListWidgetItem *item)
{
    return item ? item->data(KeyRole).toString() : QString();
}

bool ListBar::clickItem(const QString &barKey, const QString &key)
{
    QListWidgetItem *entry = item(barKey, key);
    if (!entry)
        return false;
    entry->listWidget()->setCurrentItem(entry);
    Q_EMIT entry->listWidget()->itemClicked(entry);
    return true;
}

} // namespace Sessara
