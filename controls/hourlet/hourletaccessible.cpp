// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourletaccessible.h"

#include "dateformatter.h"
#include "hourlet.h"
#include "hourlet_p.h"

namespace OlvarControls {

namespace {

QString timeText(OleDate time)
{
    return DateFormatter::format(time, QStringLiteral("h:mm am/pm"));
}

/* One item of a day view: an appointment, or the selected free slots. */
class HourletItemAccessible : public QAccessibleInterface
{
public:
    HourletItemAccessible(const HourletAccessible *view, int listIndex)
        : m_view(view)
        , m_index(listIndex)
    {
    }

    bool isValid() const override { return m_view->isValid() && m_view->items().contains(m_index); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view->window(); }
    QAccessibleInterface *parent() const override { return const_cast<HourletAccessible *>(m_view); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_view->itemName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return isValid() ? m_view->itemRect(m_index) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.selected = isValid() && m_view->itemSelected(m_index);
        state.focused = state.selected && m_view->hourlet()->hasFocus();
        return state;
    }

private:
    const HourletAccessible *m_view;
    int m_index;
};

QAccessibleInterface *hourletFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("OlvarControls::Hourlet") && object && object->isWidgetType())
        return new HourletAccessible(static_cast<Hourlet *>(object));
    return nullptr;
}

} // namespace

HourletAccessible::HourletAccessible(Hourlet *hourlet)
    : QAccessibleWidget(hourlet, QAccessible::List)
{
}

HourletAccessible::~HourletAccessible()
{
    for (QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

void HourletAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&hourletFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void HourletAccessible::selectionMoved(Hourlet *hourlet)
{
    if (!hourlet->hasFocus())
        return;
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(hourlet);
    if (QAccessibleInterface *item = view ? view->focusChild() : nullptr) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

Hourlet *HourletAccessible::hourlet() const
{
    return static_cast<Hourlet *>(widget());
}

QString HourletAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        const HourletPrivate &d = *hourlet()->d;
        return DateFormatter::format(d.activeDate, d.dateFormat);
    }
    return QAccessibleWidget::text(t);
}

QList<int> HourletAccessible::items() const
{
    const HourletPrivate &d = *hourlet()->d;
    QList<int> items;
    for (qsizetype i = 0; i < d.list.size(); ++i)
        if (d.list.at(i).isShown())
            items.append(int(i));
    if (d.sweep.selection().ApptID == -1 && d.sweep.selectedSlots())
        items.append(-1);
    return items;
}

QString HourletAccessible::itemName(int listIndex) const
{
    const HourletPrivate &d = *hourlet()->d;
    const Appointment &record = listIndex < 0 ? d.sweep.selection() : d.list.at(listIndex);
    QString name = timeText(record.ApptTimeStart) + QStringLiteral(" to ") + timeText(record.ApptTimeEnd);
    if (listIndex < 0)
        return name;
    name += QStringLiteral(", ") + record.ApptSubject;
    if (!record.Location.isEmpty())
        name += QStringLiteral(" (") + record.Location + QLatin1Char(')');
    return name;
}

QRect HourletAccessible::itemRect(int listIndex) const
{
    const HourletPrivate &d = *hourlet()->d;
    const HourletLayout where = d.layout();
    GdiRect box;
    if (listIndex < 0) {
        box = where.selectionRect(d.sweep.selection().ApptStartCoord, d.sweep.selection().ApptEndCoord);
    } else {
        box = where.appointmentBoxes(d.list, d.activeDate, d.overlapLayout).at(listIndex);
        box.right += 1; // the border lines
        box.bottom += 1;
    }
    const QRect local = QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)).normalized();
    return QRect(hourlet()->mapToGlobal(local.topLeft()), local.size());
}

bool HourletAccessible::itemSelected(int listIndex) const
{
    const HourletPrivate &d = *hourlet()->d;
    const qint32 selected = d.sweep.selection().ApptID;
    if (listIndex < 0)
        return selected == -1;
    return selected > 0 && d.list.indexOfId(selected) == listIndex;
}

QAccessibleInterface *HourletAccessible::itemInterface(int listIndex) const
{
    const auto found = m_items.constFind(listIndex);
    if (found != m_items.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *item = new HourletItemAccessible(this, listIndex);
    m_items.insert(listIndex, QAccessible::registerAccessibleInterface(item));
    return item;
}

int HourletAccessible::childCount() const
{
    return int(items().size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface *HourletAccessible::child(int index) const
{
    const QList<int> list = items();
    if (index < 0)
        return nullptr;
    if (index < list.size())
        return itemInterface(list.at(index));
    return QAccessibleWidget::child(index - int(list.size()));
}

int HourletAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QList<int> list = items();
    for (qsizetype i = 0; i < list.size(); ++i)
        if (m_items.contains(list.at(i)) && QAccessible::accessibleInterface(m_items.value(list.at(i))) == child)
            return int(i);
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : widgetIndex + int(list.size());
}

QAccessibleInterface *HourletAccessible::focusChild() const
{
    if (!hourlet()->hasFocus())
        return QAccessibleWidget::focusChild();
    for (int index : items())
        if (itemSelected(index))
            return itemInterface(index);
    return nullptr;
}

QAccessibleInterface *HourletAccessible::childAt(int x, int y) const
{
    const QList<int> list = items();
    for (qsizetype i = list.size() - 1; i >= 0; --i)
        if (itemRect(list.at(i)).contains(x, y))
            return itemInterface(list.at(i));
    return QAccessibleWidget::childAt(x, y);
}

} // namespace OlvarControls
