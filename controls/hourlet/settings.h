// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace OlvarControls {

class SettingsPrivate;

/*!
    The property page "Settings" of the day view and the week view: four text
    boxes and four check boxes for ActiveDate, Enabled, BorderStyle,
    ShowVscroll, VScrollValue, ShowTimeScale, DateFormat and
    SelectionHighlight.

    It reaches the control only by property name (LateBinding), so it works
    for any object that has these eight properties. The host hands it the
    selected controls; the page reads from and writes to the first of them
    only. Any edit sets Changed, which lets the host enable its Apply button.

    ApplyChanges() writes the eight properties in a fixed order; a text that
    does not convert raises its conversion error at that property, after the
    ones before it have been written and before the ones after it are.
*/
class OLVAR_EXPORT Settings : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Changed READ changed WRITE setChanged NOTIFY changedChanged)

public:
    /*! The page's size in twips. */
    static constexpr QSize TwipsSize{5925, 3495};

    /*! The properties the page edits, in the order it applies them. */
    static QStringList propertyNames();
    /*! Whether \a object has every property the page edits. */
    static bool canEdit(const QObject *object);

    /*! An empty page; setSelectedControls() fills it. */
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    /*! The controls the designer has selected. */
    QList<QObject *> selectedControls() const;
    /*! Takes the designer's selection and loads the page from its first control (SelectionChanged()). */
    void setSelectedControls(const QList<QObject *> &controls);

    /*! Whether the page has been edited since it was last applied. */
    bool changed() const;
    /*! Marks the page as edited, or as applied. */
    void setChanged(bool changed);

    /*! Loads the editors from the first selected control; does nothing without a selection. */
    Q_INVOKABLE void SelectionChanged();
    /*! Writes the editors to the first selected control, then clears Changed; does nothing without a selection. */
    Q_INVOKABLE void ApplyChanges();

Q_SIGNALS:
    /*! Changed has become \a changed. */
    void changedChanged(bool changed);

private:
    std::unique_ptr<SettingsPrivate> d;
};

} // namespace OlvarControls
