// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "appointmentdrag.h"
#include "appointmentlist.h"
#include "hourlet.h"
#include "hourletappearance.h"
#include "hourletbinding.h"
#include "hourletlayout.h"
#include "hourletmodelbinding.h"
#include "persistedkey_p.h"
#include "retainedsurface.h"
#include "selectionsweep.h"
#include "viewadditions_p.h"

#include <QList>

namespace OlvarControls {

class HourletPainter;
class VScrollBar;

/*! The state of an Hourlet and the work its members share; the additions' values are its base. */
class HourletPrivate : public ViewAdditions
{
public:
    using PersistedKey = OlvarControls::PersistedKey;

    explicit HourletPrivate(Hourlet *owner);

    /*! The layout of the current size, time scale, scroll bar and scroll value. */
    HourletLayout layout() const;
    int scrollValue() const;
    bool scrollBarShown() const;

    /*! The full repaint; with \a show the window shows the result. */
    void fullRepaint(bool show = true);
    /*! The selection highlight painting over the existing drawing; the window shows it. */
    void paintHighlight();
    /*! Shows the surface in the window. */
    void refresh();
    void placeScrollBar();
    void onScrollChange();
    void onResize();

    void press(qint16 button, qint16 shift, float x, float y);
    void move(qint16 buttons, qint16 shift, float x, float y);
    void release(qint16 button, qint16 shift, float x, float y);
    void autoScroll(float y);

    /*! Whether appointments come from somewhere: a model, or a database. */
    bool hasSource() const;
    /*! Loads the list from the model when one is set, else from the database. */
    void load();
    /*! Saves \a record where the appointments come from; the identifier, or 0. */
    qint32 save(const Appointment &record);
    /*! Follows a change of the model with one repaint, unless the control is writing to it. */
    void onModelChanged();

    /*! Whether the selection is drawn: SelectionHighlight or KeyboardSelection. */
    bool drawsSelection() const { return selectionHighlight || keyboardSelection; }
    /*! The keyboard's part of a key press; false for keys it leaves alone. */
    bool handleKey(int key, bool shift);
    /*! Moves the keyboard's focus slot to \a slot, extending the selection with \a extend. */
    void moveFocusSlot(int slot, bool extend);
    /*! Scrolls by \a pixels, within the scroll bar's range. */
    void scrollBy(int pixels);
    /*! Scrolls so that slot \a slot is in view. */
    void scrollToSlot(int slot);

    /*! Arms a drag when a left press at client (\a x, \a y) lands on an appointment's box. */
    void beginDrag(float x, float y);
    /*! Shows where the dragged appointment would go for the pointer at client row \a y. */
    void showDrag(float y);
    /*! Ends the drag at client (\a x, \a y): raises BeforeAppointmentChange and stores the change unless cancelled. */
    void finishDrag(float x, float y);
    /*! Drops the drag without a change. */
    void cancelDrag();

    /*! Sets the working hours to \a start to \a end; OleError 380 for an empty or reversed band. */
    void setWorkDay(OleDate start, OleDate end);
    /*! Starts or stops the timer that moves the now line at each minute. */
    void updateNowTimer();
    /*! Repaints at a whole minute and waits for the next. */
    void onNowTimer();
    /*! Tells \a painter the now line and whether appointments go side by side. */
    void prepare(HourletPainter &painter) const;
    /*! Whether the box drawn for record \a index holds the client column \a x. */
    bool boxHoldsX(qsizetype index, float x) const;

    /*!
        Sets an addition's \a field to \a value, then runs \a apply, notifies
        \a name and emits \a changed; nothing when the value is the same.
    */
    template <typename T, typename Apply>
    void setAddition(T &field, const T &value, const char *name, Apply apply)
    {
        if (field == value)
            return;
        field = value;
        apply();
        q->propertyChanged(QString::fromLatin1(name)); // with the property's NOTIFY signal
    }

    void setColor(OleColor HourletAppearance::*field, OleColor color, const QString &name, bool repaint);
    void setFlag(bool &field, bool value, const QString &name);
    /*! The persisted properties in the order they are read and written. */
    QList<PersistedKey> persistedKeys();

    Hourlet *q;
    RetainedSurface retained;
    VScrollBar *vScroll;
    AppointmentList list;
    SelectionSweep sweep;
    HourletBinding binding;
    HourletModelBinding modelBinding;
    QList<QMetaObject::Connection> modelConnections;
    bool writingModel = false; //!< the control's own writes to the model are under way
    HourletAppearance look;
    QFont font;
    OleColor backColor = OleColor::system(OleColor::Window);
    qint16 borderStyle = 0;
    qint32 resource = 0;
    bool showTimeScale = false;
    QString dateFormat;
    bool selectionHighlight = false;
    OleDate activeDate;
    Hourlet::Time_Slot_Type minutesPerSlot = Hourlet::ts_30Minute;
    AppointmentDrag drag;
    bool dragMoved = false; //!< the drag has moved the appointment by a step at some point
    std::function<std::optional<OleDate>(const QPoint &)> dayLocator;
    int keyAnchor = -1; //!< the slot a keyboard selection started from
    int keyFocus = -1; //!< the slot the keyboard moved to last
    int nowTimer = 0; //!< the scheduler's timer that moves the now line; 0 for none

    bool refreshRequested = false; //!< the next paint event shows the surface without repainting the day
    bool repainting = false; //!< a full repaint is running
    bool clickPending = false; //!< a left press on the control awaits its release
    bool inDoubleClick = false; //!< the second press of a double click awaits its release
};

} // namespace OlvarControls
