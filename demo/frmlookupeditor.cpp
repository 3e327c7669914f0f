// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "frmlookupeditor.h"

#include "basgeneral.h"
#include "democonnection.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "resumenext.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace OlvarControls;

namespace Sessara {

namespace {

qint32 whole(const QVariant &value, qint32 fallback)
{
    qint32 result = fallback;
    ResumeNext()([&] { result = NumberConversion::toInt32(basGeneral::ValueOrDefault(value, fallback)); });
    return result;
}

} // namespace

struct frmLookupEditor::Private
{
    LookupTable table;
    QListWidget *items = nullptr;
    QLineEdit *description = nullptr;
    QList<QPushButton *> buttons;
};

frmLookupEditor::frmLookupEditor(LookupTable::Kind kind, QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    d->table = LookupTable::of(kind);
    setObjectName(QStringLiteral("frmLookupEditor"));
    setModal(true);
    setWindowTitle(d->table.caption());
    d->items = new QListWidget;
    d->items->setObjectName(QStringLiteral("lstItems"));
    d->description = new QLineEdit;
    d->description->setObjectName(QStringLiteral("txtDescription"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(d->items, 0, 0, 5, 1);
    grid->addWidget(d->description, 5, 0);
    const QList<std::pair<const char *, void (frmLookupEditor::*)()>> commands = {
        {"Add", &frmLookupEditor::add},
        {"Rename", &frmLookupEditor::renameChosen},
        {"Delete", &frmLookupEditor::deleteChosen},
        {"Close", nullptr}};
    int row = 0;
    for (const auto &[caption, handler] : commands) {
        auto *button = new QPushButton(QLatin1String(caption));
        button->setObjectName(QStringLiteral("cmd") + QLatin1String(caption));
        button->setAutoDefault(false);
        if (handler)
            connect(button, &QPushButton::clicked, this, handler);
        else
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        grid->addWidget(button, row == 3 ? 5 : row, 1);
        d->buttons << button;
        ++row;
    }
    button(QStringLiteral("Add"))->setDefault(true);
    connect(d->items, &QListWidget::currentTextChanged, d->description, &QLineEdit::setText);
    fill();
}

frmLookupEditor::~frmLookupEditor() = default;

QListWidget *frmLookupEditor::lstItems() const
{
    return d->items;
}
QLineEdit *frmLookupEditor::txtDescription() const
{
    return d->description;
}

QPushButton *frmLookupEditor::button(const QString &caption) const
{
    for (QPushButton *button : d->buttons) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

void frmLookupEditor::fill(qint32 chosenId)
{
    d->items->clear();
    DemoConnection cn;
    DemoRecordset rs = cn.read(d->table.selectAll());
    for (; !rs.eof(); rs.moveNext()) {
        auto *item = new QListWidgetItem(basGeneral::TextOf(rs.value(QStringLiteral("Description"))), d->items);
        const qint32 id = whole(rs.value(d->table.idColumn()), 0);
        item->setData(Qt::UserRole, id);
        if (id == chosenId)
            d->items->setCurrentItem(item);
    }
}

qint32 frmLookupEditor::chosenId() const
{
    const QListWidgetItem *item = d->items->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

bool frmLookupEditor::taken(const QString &description, qint32 except) const
{
    DemoConnection cn;
    for (DemoRecordset rs = cn.read(d->table.selectDescribed(description)); !rs.eof(); rs.moveNext()) {
        if (basGeneral::TextOf(rs.value(d->table.idColumn())) != QString::number(except))
            return true;
    }
    return false;
}

void frmLookupEditor::add()
{
    const QString description = d->description->text();
    const QString refusal =
        LookupTable::refusal(description, !description.trimmed().isEmpty() && taken(description, 0));
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, MsgBox::Exclamation);
        return;
    }
    DemoConnection cn;
    if (!cn.execute(d->table.insert(description))) {
        MsgBox::show(QStringLiteral("The entry could not be stored."), MsgBox::Exclamation);
        return;
    }
    const qint32 id = qint32(cn.lastInsertId());
    fill(id);
}

void frmLookupEditor::renameChosen()
{
    const qint32 id = chosenId();
    if (id == 0)
        return;
    const QString description = d->description->text();
    const QString refusal =
        LookupTable::refusal(description, !description.trimmed().isEmpty() && taken(description, id));
    if (!refusal.isEmpty()) {
        MsgBox::show(refusal, MsgBox::Exclamation);
        return;
    }
    DemoConnection cn;
    if (!cn.execute(d->table.rename(id, description)))
        MsgBox::show(QStringLiteral("The entry could not be renamed."), MsgBox::Exclamation);
    fill(id);
}

void frmLookupEditor::deleteChosen()
{
    const qint32 id = chosenId();
    if (id == 0)
        return;
    const QString description = d->items->currentItem()->text();
    DemoConnection cn;
    for (const LookupTable::Usage &usage : d->table.usages()) {
        DemoRecordset rs = cn.read(LookupTable::countUses(usage, id));
        const int uses = rs.eof() ? -1 : whole(rs.value(0), -1);
        if (uses != 0) {
            // A count that cannot be read is no proof that the entry is unused.
            MsgBox::show(uses > 0 ? LookupTable::inUse(description, uses, usage)
                                  : QStringLiteral("Cannot tell whether \"") + description
                                 + QStringLiteral("\" is in use; it is not deleted."),
                         MsgBox::Exclamation);
            return;
        }
    }
    if (MsgBox::show(QStringLiteral("Delete \"") + description + QStringLiteral("\"?"),
                     MsgBox::YesNo | MsgBox::Question, d->table.caption())
        != MsgBox::Yes) {
        return;
    }
    if (!cn.execute(d->table.remove(id)))
        MsgBox::show(QStringLiteral("The entry could not be deleted."), MsgBox::Exclamation);
    fill();
}

} // namespace Sessara
