// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "settings.h"

#include "datetext.h"
#include "latebinding.h"
#include "numberconversion.h"
#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>

#include <algorithm>

namespace OlvarControls {

/*! The page's editors and the selection it works on. */
class SettingsPrivate
{
public:
    explicit SettingsPrivate(Settings *owner);

    QObject *first() const;
    QLabel *label(const char *name, const char *caption, const QRect &twips);
    QLineEdit *textBox(const char *name, const QRect &twips);
    QCheckBox *checkBox(const char *name, const char *caption, const QRect &twips);

    static int checkValue(const QVariant &value) { return NumberConversion::toInt32(value) & 1; }
    static void setCheckValue(QCheckBox *box, const QVariant &value)
    {
        box->setCheckState(checkValue(value) == 1 ? Qt::Checked : Qt::Unchecked);
    }
    /*! Checked is true; unchecked and grey are false. */
    static bool isChecked(const QCheckBox *box) { return box->checkState() == Qt::Checked; }

    Settings *q;
    QList<QPointer<QObject>> selection;
    bool changed = false;

    QLabel *lblActiveDate;
    QLineEdit *txtActiveDate;
    QCheckBox *chkEnabled;
    QLabel *lblBorderStyle;
    QLineEdit *txtBorderStyle;
    QCheckBox *chkShowVscroll;
    QLabel *lblVScrollValue;
    QLineEdit *txtVScrollValue;
    QCheckBox *chkShowTimeScale;
    QLabel *lblDateFormat;
    QLineEdit *txtDateFormat;
    QCheckBox *chkSelectionHighligh;
};

SettingsPrivate::SettingsPrivate(Settings *owner)
    : q(owner)
    , lblActiveDate(label("lblActiveDate", "Active Date:", QRect(90, 120, 2700, 240)))
    , txtActiveDate(textBox("txtActiveDate", QRect(90, 370, 2700, 330)))
    , chkEnabled(checkBox("chkEnabled", "Enabled", QRect(3000, 360, 2700, 285)))
    , lblBorderStyle(label("lblBorderStyle", "Border Style:", QRect(90, 840, 2700, 240)))
    , txtBorderStyle(textBox("txtBorderStyle", QRect(90, 1065, 2700, 330)))
    , chkShowVscroll(checkBox("chkShowVscroll", "Show Vscroll", QRect(3000, 1080, 2700, 285)))
    , lblVScrollValue(label("lblVScrollValue", "VScrol lValue:", QRect(90, 1515, 2700, 240)))
    , txtVScrollValue(textBox("txtVScrollValue", QRect(90, 1770, 2700, 330)))
    , chkShowTimeScale(checkBox("chkShowTimeScale", "Show Time Scale", QRect(3000, 1800, 2700, 285)))
    , lblDateFormat(label("lblDateFormat", "Date Format:", QRect(90, 2235, 2700, 240)))
    , txtDateFormat(textBox("txtDateFormat", QRect(90, 2490, 2700, 330)))
    , chkSelectionHighligh(checkBox("chkSelectionHighligh", "Selection Highlight", QRect(3000, 2520, 2700, 285)))
{
    // The children are created in tab order.
}

QObject *SettingsPrivate::first() const
{
    return selection.isEmpty() ? nullptr : selection.first().data();
}

QLabel *SettingsPrivate::label(const char *name, const char *caption, const QRect &twips)
{
    auto *widget = new QLabel(QString::fromLatin1(caption), q);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Twips::toPixels(twips));
    return widget;
}

QLineEdit *SettingsPrivate::textBox(const char *name, const QRect &twips)
{
    auto *widget = new QLineEdit(q);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Twips::toPixels(twips));
    QObject::connect(widget, &QLineEdit::textChanged, q, [this] { q->setChanged(true); });
    return widget;
}

QCheckBox *SettingsPrivate::checkBox(const char *name, const char *caption, const QRect &twips)
{
    auto *widget = new QCheckBox(QString::fromLatin1(caption), q);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Twips::toPixels(twips));
    QObject::connect(widget, &QCheckBox::stateChanged, q, [this] { q->setChanged(true); });
    return widget;
}

QStringList Settings::propertyNames()
{
    return {QStringLiteral("SelectionHighlight"),
            QStringLiteral("DateFormat"),
            QStringLiteral("ShowTimeScale"),
            QStringLiteral("VScrollValue"),
            QStringLiteral("ShowVscroll"),
            QStringLiteral("BorderStyle"),
            QStringLiteral("Enabled"),
            QStringLiteral("ActiveDate")};
}

bool Settings::canEdit(const QObject *object)
{
    if (!object)
        return false;
    const QMetaObject *meta = object->metaObject();
    const QStringList names = propertyNames();
    return std::all_of(names.cbegin(), names.cend(), [meta](const QString &name) {
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        return index >= 0 && meta->property(index).isWritable();
    });
}

Settings::Settings(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<SettingsPrivate>(this))
{
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(QStringLiteral("Settings"));
    resize(Twips::toPixels(TwipsSize));
}

Settings::~Settings() = default;

QList<QObject *> Settings::selectedControls() const
{
    QList<QObject *> controls;
    for (const QPointer<QObject> &control : d->selection)
        controls << control.data();
    return controls;
}

void Settings::setSelectedControls(const QList<QObject *> &controls)
{
    d->selection.clear();
    for (QObject *control : controls)
        d->selection << QPointer<QObject>(control);
    SelectionChanged();
}

bool Settings::changed() const
{
    return d->changed;
}

void Settings::setChanged(bool changed)
{
    if (d->changed == changed)
        return;
    d->changed = changed;
    Q_EMIT changedChanged(changed);
}

void Settings::SelectionChanged()
{
    if (d->selection.isEmpty())
        return;
    QObject *control = d->first();
    const auto get = [control](const char *name) { return LateBinding::get(control, QString::fromLatin1(name)); };
    d->setCheckValue(d->chkSelectionHighligh, get("SelectionHighlight"));
    d->txtDateFormat->setText(get("DateFormat").toString());
    d->setCheckValue(d->chkShowTimeScale, get("ShowTimeScale"));
    d->txtVScrollValue->setText(QString::number(NumberConversion::toInt32(get("VScrollValue"))));
    d->setCheckValue(d->chkShowVscroll, get("ShowVscroll"));
    d->txtBorderStyle->setText(QString::number(NumberConversion::toInt32(get("BorderStyle"))));
    d->setCheckValue(d->chkEnabled, get("Enabled"));
    d->txtActiveDate->setText(DateText::general(NumberConversion::toDate(get("ActiveDate"))));
}

void Settings::ApplyChanges()
{
    if (d->selection.isEmpty())
        return;
    QObject *control = d->first();
    const auto set = [control](const char *name, const QVariant &value) {
        LateBinding::set(control, QString::fromLatin1(name), value);
    };
    set("SelectionHighlight", d->isChecked(d->chkSelectionHighligh));
    set("DateFormat", d->txtDateFormat->text());
    set("ShowTimeScale", d->isChecked(d->chkShowTimeScale));
    set("VScrollValue", d->txtVScrollValue->text());
    set("ShowVscroll", d->isChecked(d->chkShowVscroll));
    set("BorderStyle", d->txtBorderStyle->text());
    set("Enabled", d->isChecked(d->chkEnabled));
    set("ActiveDate", d->txtActiveDate->text());
    setChanged(false);
}

} // namespace OlvarControls
