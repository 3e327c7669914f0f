// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlbase.h"
#include "hourlet.h"
#include "olecolor.h"
#include "oledate.h"
#include "olvarglobal.h"

#include <QFont>
#include <QString>
#include <QVariant>

#include <memory>

namespace OlvarControls {

class PropertyBag;
class WeekViewPrivate;

/*!
    The week view "OlvarControls.WeekView": one resource's week, Monday to
    Sunday of the week holding ActiveDate, as seven day views side by side.

    The columns are the control array "Hourlet" of seven Hourlet children
    (column(0) to column(6)); column 6 is the leftmost (Monday) and carries
    the time scale, column 0 the rightmost (Sunday) and carries the scroll
    bar, whose position every other column follows. The week view draws
    nothing of its own: it forwards ConnectionString, Resource, the dates and
    the appearance to the columns, forwards SetAppointment(),
    DeleteAppointment() and GetSelectedAppt() to the active column (the one
    that last took the focus or a mouse press) and raises Click() and
    DblClick() after a column's. Its key and mouse events are never raised.

    The additions of the day view (WorkDayStart, WorkDayEnd, ShowNowLine,
    NowLineColor, OverlapLayout, KeyboardSelection, AllowDragEdit) are forwarded to all seven columns, saved
    after the other keys when they differ from their defaults, and handed to
    the columns again when loaded.

    The layout is in twips: the control's width less 240 twips for the scroll
    bar (and 840 for the time scale) is shared equally by the columns. It
    follows every resize, not a change of ShowTimeScale.
*/
class OLVAR_EXPORT WeekView : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(OlvarControls::OleDate ActiveDate READ activeDate WRITE setActiveDate NOTIFY ActiveDateChanged)
    Q_PROPERTY(qint32 Resource READ resource WRITE setResource DESIGNABLE false STORED false NOTIFY ResourceChanged)
    Q_PROPERTY(QString ConnectionString READ connectionString WRITE setConnectionString
                   DESIGNABLE false STORED false NOTIFY ConnectionStringChanged)
    Q_PROPERTY(QObject *ActiveControl READ activeControl STORED false)
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(OlvarControls::OleColor ForeColor READ foreColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ controlFont WRITE setControlFont NOTIFY FontChanged)
    Q_PROPERTY(qint16 BackStyle READ backStyle WRITE setBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(qint16 BorderStyle READ borderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(bool ShowVscroll READ showVscroll WRITE setShowVscroll NOTIFY ShowVscrollChanged)
    Q_PROPERTY(bool ShowTimeScale READ showTimeScale WRITE setShowTimeScale NOTIFY ShowTimeScaleChanged)
    Q_PROPERTY(QString DateFormat READ dateFormat WRITE setDateFormat NOTIFY DateFormatChanged)
    Q_PROPERTY(qint16 VScrollValue READ vScrollValue WRITE setVScrollValue NOTIFY VScrollValueChanged)
    Q_PROPERTY(
        bool SelectionHighlight READ selectionHighlight WRITE setSelectionHighlight NOTIFY SelectionHighlightChanged)
    Q_PROPERTY(OlvarControls::OleColor BarColor READ barColor WRITE setBarColor NOTIFY BarColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBackColor READ appItemBackColor WRITE setAppItemBackColor NOTIFY
                   AppItemBackColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBarBorderColor READ appItemBarBorderColor WRITE setAppItemBarBorderColor
                   NOTIFY AppItemBarBorderColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBarColor READ appItemBarColor WRITE setAppItemBarColor NOTIFY
                   AppItemBarColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBorderColor READ appItemBorderColor WRITE setAppItemBorderColor NOTIFY
                   AppItemBorderColorChanged)
    Q_PROPERTY(QFont AppItemFont READ appItemFont WRITE setAppItemFont NOTIFY AppItemFontChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemForeColor READ appItemForeColor WRITE setAppItemForeColor NOTIFY
                   AppItemForeColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor AvailableColor READ availableColor WRITE setAvailableColor NOTIFY AvailableColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor SlotLineColor READ slotLineColor WRITE setSlotLineColor NOTIFY SlotLineColorChanged)
    Q_PROPERTY(OlvarControls::OleColor SlotsBorderColor READ slotsBorderColor WRITE setSlotsBorderColor NOTIFY
                   SlotsBorderColorChanged)
    Q_PROPERTY(OlvarControls::OleColor TimeScaleBackColor READ timeScaleBackColor WRITE setTimeScaleBackColor NOTIFY
                   TimeScaleBackColorChanged)
    Q_PROPERTY(OlvarControls::OleColor TimeScaleForeColor READ timeScaleForeColor WRITE setTimeScaleForeColor NOTIFY
                   TimeScaleForeColorChanged)
    Q_PROPERTY(OlvarControls::OleColor UnAvailableColor READ unAvailableColor WRITE setUnAvailableColor NOTIFY
                   UnAvailableColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor HighLightColor READ highLightColor WRITE setHighLightColor NOTIFY HighLightColorChanged)
    Q_PROPERTY(OlvarControls::OleDate WorkDayStart READ workDayStart WRITE setWorkDayStart NOTIFY WorkDayStartChanged)
    Q_PROPERTY(OlvarControls::OleDate WorkDayEnd READ workDayEnd WRITE setWorkDayEnd NOTIFY WorkDayEndChanged)
    Q_PROPERTY(bool ShowNowLine READ showNowLine WRITE setShowNowLine NOTIFY ShowNowLineChanged)
    Q_PROPERTY(OlvarControls::OleColor NowLineColor READ nowLineColor WRITE setNowLineColor NOTIFY NowLineColorChanged)
    Q_PROPERTY(bool OverlapLayout READ overlapLayout WRITE setOverlapLayout NOTIFY OverlapLayoutChanged)
    Q_PROPERTY(bool KeyboardSelection READ keyboardSelection WRITE setKeyboardSelection NOTIFY KeyboardSelectionChanged)
    Q_PROPERTY(bool AllowDragEdit READ allowDragEdit WRITE setAllowDragEdit NOTIFY AllowDragEditChanged)

public:
    /*! A week view of seven day columns, Monday on the left, showing the current week. */
    explicit WeekView(QWidget *parent = nullptr);
    ~WeekView() override;

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    /*! The day column \a index, 0 (Sunday, rightmost) to 6 (Monday, leftmost); nullptr outside. */
    Hourlet *column(int index) const;

    /*!
        Stores the appointment in the active column, which then repaints; returns
        what the column returns. Throws OleError 91 while no column is active.
    */
    Q_INVOKABLE qint32 SetAppointment(const OlvarControls::OleDate &ApptDate, const OlvarControls::OleDate &TimeBegin,
                                      const OlvarControls::OleDate &TimeEnd, const QString &DisplayText,
                                      const QString &ApptDetail, qint32 ApptType, const QString &Location,
                                      const QVariant &ApptID = QVariant());
    /*! Deletes the session in the active column, which then repaints; returns its result. Throws OleError 91 while no column is active. */
    Q_INVOKABLE quint8 DeleteAppointment(qint32 RecordNumber);
    /*! The field of the active column's selection. Throws OleError 91 while no column is active. */
    Q_INVOKABLE QVariant GetSelectedAppt(OlvarControls::Hourlet::Appt_Detail_Type ApptDetailType) const;
    /*! As above, for a plain number. */
    Q_INVOKABLE QVariant GetSelectedAppt(int ApptDetailType) const;
    /*! Gives every column \a model as its appointment source (Hourlet::setModel()); nullptr goes back to the database. */
    void setModel(QAbstractItemModel *model);
    /*! The appointment model of the columns; nullptr for the database. */
    QAbstractItemModel *model() const;
    /*! Repaints every column fully (each reads its day again), then the week. */
    Q_INVOKABLE void UpdateDisplay();
    /*! Shows every column's drawing again and redraws the scroll bar; never fails. */
    Q_INVOKABLE void Refresh();

    /*! ActiveDate: a day of the week shown; the columns show Monday to Sunday of its week. */
    OleDate activeDate() const;
    /*! Shows the week of \a date; every column reads its day. */
    void setActiveDate(const OleDate &date);
    /*! Shows the local date and time \a dateTime as setActiveDate(OleDate) does (Qt Designer's forms set dates so). */
    void setActiveDate(const QDateTime &dateTime);
    /*! Shows \a date at 00:00 as setActiveDate(OleDate) does. */
    void setActiveDate(QDate date);
    /*! Resource: the counsellor every column shows. Not persisted. */
    qint32 resource() const;
    /*! Shows \a resource's week; every column reads its day. */
    void setResource(qint32 resource);
    /*! The connection string last assigned. */
    QString connectionString() const;
    /*! Gives every column \a connectionString, the database they read and write. */
    void setConnectionString(const QString &connectionString);
    /*! The active column, or nullptr before any column has taken the focus or a mouse press. */
    QObject *activeControl() const;

    /*! BackColor: the colour round the columns. */
    OleColor backColor() const;
    /*! Sets BackColor and repaints the week (the columns keep theirs). */
    void setBackColor(OleColor color);
    /*! ForeColor: kept and persisted for the host. */
    OleColor foreColor() const;
    /*! Stored and saved only. */
    void setForeColor(OleColor color);
    /*! Sets Enabled (read with isEnabled()). */
    void setControlEnabled(bool enabled);
    /*! Font: the week view's font. */
    QFont controlFont() const;
    /*! The week view's font; the columns take its name only. */
    void setControlFont(const QFont &font);
    /*! BackStyle: kept and persisted for the host. */
    qint16 backStyle() const;
    /*! Stored and saved only. */
    void setBackStyle(qint16 style);
    /*! BorderStyle: 1 for a single-line border, 0 for none. */
    qint16 borderStyle() const;
    /*! 1 draws a single-line border, 0 none. */
    void setBorderStyle(qint16 style);
    /*! Whether column 0 shows its scroll bar. */
    bool showVscroll() const;
    /*! Shows or hides column 0's scroll bar, which scrolls every column. */
    void setShowVscroll(bool show);
    /*! Whether column 6 shows its time scale. */
    bool showTimeScale() const;
    /*! Shows or hides column 6's time scale; the widths follow at the next resize. */
    void setShowTimeScale(bool show);
    /*! The date format last assigned; empty until then (the columns show "ddd, dd mmm"). */
    QString dateFormat() const;
    /*! Gives every column \a format for its header date. */
    void setDateFormat(const QString &format);
    /*! The value last assigned; the columns are not scrolled by it. */
    qint16 vScrollValue() const;
    /*! Stores \a value and persists it; the columns keep their scroll position. */
    void setVScrollValue(qint16 value);
    /*! SelectionHighlight: whether the columns fill their selection with HighLightColor. */
    bool selectionHighlight() const;
    /*! Sets every column's SelectionHighlight; while on, a click leaves only the clicked column highlighting. */
    void setSelectionHighlight(bool highlight);
    /*! BarColor: kept and persisted; the columns keep their own. */
    OleColor barColor() const;
    /*! Stored and saved only. */
    void setBarColor(OleColor color);
    /*! AppItemBackColor, given to every column (see Hourlet::appItemBackColor()). */
    OleColor appItemBackColor() const;
    /*! Sets AppItemBackColor on the week and every column. */
    void setAppItemBackColor(OleColor color);
    /*! AppItemBarBorderColor, given to every column. */
    OleColor appItemBarBorderColor() const;
    /*! Sets AppItemBarBorderColor on the week and every column. */
    void setAppItemBarBorderColor(OleColor color);
    /*! AppItemBarColor, given to every column (see Hourlet::appItemBarColor()). */
    OleColor appItemBarColor() const;
    /*! Sets AppItemBarColor on the week and every column. */
    void setAppItemBarColor(OleColor color);
    /*! AppItemBorderColor, given to every column. */
    OleColor appItemBorderColor() const;
    /*! Sets AppItemBorderColor on the week and every column. */
    void setAppItemBorderColor(OleColor color);
    /*! AppItemFont: the font last assigned. */
    QFont appItemFont() const;
    /*! Stores \a font; the columns' AppItemFont take its name only. */
    void setAppItemFont(const QFont &font);
    /*! AppItemForeColor, given to every column. */
    OleColor appItemForeColor() const;
    /*! Sets AppItemForeColor on the week and every column. */
    void setAppItemForeColor(OleColor color);
    /*! AvailableColor, given to every column (see Hourlet::availableColor()). */
    OleColor availableColor() const;
    /*! Sets AvailableColor on the week and every column. */
    void setAvailableColor(OleColor color);
    /*! SlotLineColor, given to every column. */
    OleColor slotLineColor() const;
    /*! Sets SlotLineColor on the week and every column. */
    void setSlotLineColor(OleColor color);
    /*! SlotsBorderColor, given to every column. */
    OleColor slotsBorderColor() const;
    /*! Sets SlotsBorderColor on the week and every column. */
    void setSlotsBorderColor(OleColor color);
    /*! TimeScaleBackColor, given to every column. */
    OleColor timeScaleBackColor() const;
    /*! Sets TimeScaleBackColor on the week and every column. */
    void setTimeScaleBackColor(OleColor color);
    /*! TimeScaleForeColor, given to every column. */
    OleColor timeScaleForeColor() const;
    /*! Sets TimeScaleForeColor on the week and every column. */
    void setTimeScaleForeColor(OleColor color);
    /*! UnAvailableColor, given to every column (see Hourlet::unAvailableColor()). */
    OleColor unAvailableColor() const;
    /*! Sets UnAvailableColor on the week and every column. */
    void setUnAvailableColor(OleColor color);
    /*! Column 0's highlight colour. */
    OleColor highLightColor() const;
    /*! Sets column 0's highlight colour, then gives every other column the one column 0 took. */
    void setHighLightColor(OleColor color);

    /*! The columns' working day start (Hourlet::WorkDayStart). */
    OleDate workDayStart() const;
    /*! Gives every column \a time; a band the columns refuse raises OleError 380 and changes nothing. */
    void setWorkDayStart(const OleDate &time);
    /*! The columns' working day end (Hourlet::WorkDayEnd). */
    OleDate workDayEnd() const;
    /*! As setWorkDayStart(), for the end. */
    void setWorkDayEnd(const OleDate &time);
    /*! Gives every column the time of day of \a dateTime (a form's time), as setWorkDayStart(const OleDate &). */
    void setWorkDayStart(const QDateTime &dateTime);
    /*! Gives every column the time of day of \a dateTime (a form's time), as setWorkDayEnd(const OleDate &). */
    void setWorkDayEnd(const QDateTime &dateTime);
    /*! Whether the columns mark the current time (Hourlet::ShowNowLine). */
    bool showNowLine() const;
    /*! Shows or hides every column's now line. */
    void setShowNowLine(bool show);
    /*! The columns' now line colour (Hourlet::NowLineColor). */
    OleColor nowLineColor() const;
    /*! Gives every column \a color for its now line. */
    void setNowLineColor(OleColor color);
    /*! Whether the columns lay overlapping appointments side by side (Hourlet::OverlapLayout). */
    bool overlapLayout() const;
    /*! Gives every column \a sideBySide. */
    void setOverlapLayout(bool sideBySide);
    /*! Whether the columns select with the keyboard (Hourlet::KeyboardSelection). */
    bool keyboardSelection() const;
    /*! Gives every column \a on. */
    void setKeyboardSelection(bool on);
    /*! Whether appointments can be dragged (Hourlet::AllowDragEdit), also into another day's column. */
    bool allowDragEdit() const;
    /*! Gives every column \a allow. */
    void setAllowDragEdit(bool allow);

Q_SIGNALS:
    /*! A column was clicked; it is the active column now. */
    void Click();
    /*! A column was double-clicked; it is the active column now. */
    void DblClick();
    /*! Published for hosts; never raised. */
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /*! Published for hosts; never raised. */
    void KeyPress(qint16 KeyAscii);
    /*! Published for hosts; never raised. */
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /*! Published for hosts; never raised. */
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /*! Published for hosts; never raised. */
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /*! Published for hosts; never raised. */
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

    // The change signals of the writable properties (their NOTIFY signals).
    /*! ActiveDate has changed to \a ActiveDate. */
    void ActiveDateChanged(OlvarControls::OleDate ActiveDate);
    /*! Resource has changed to \a Resource. */
    void ResourceChanged(qint32 Resource);
    /*! ConnectionString has changed to \a ConnectionString. */
    void ConnectionStringChanged(const QString &ConnectionString);
    /*! BackColor has changed to \a BackColor. */
    void BackColorChanged(OlvarControls::OleColor BackColor);
    /*! ForeColor has changed to \a ForeColor. */
    void ForeColorChanged(OlvarControls::OleColor ForeColor);
    /*! Enabled has changed to \a Enabled. */
    void EnabledChanged(bool Enabled);
    /*! Font has changed to \a Font. */
    void FontChanged(const QFont &Font);
    /*! BackStyle has changed to \a BackStyle. */
    void BackStyleChanged(qint16 BackStyle);
    /*! BorderStyle has changed to \a BorderStyle. */
    void BorderStyleChanged(qint16 BorderStyle);
    /*! ShowVscroll has changed to \a ShowVscroll. */
    void ShowVscrollChanged(bool ShowVscroll);
    /*! ShowTimeScale has changed to \a ShowTimeScale. */
    void ShowTimeScaleChanged(bool ShowTimeScale);
    /*! DateFormat has changed to \a DateFormat. */
    void DateFormatChanged(const QString &DateFormat);
    /*! VScrollValue has changed to \a VScrollValue. */
    void VScrollValueChanged(qint16 VScrollValue);
    /*! SelectionHighlight has changed to \a SelectionHighlight. */
    void SelectionHighlightChanged(bool SelectionHighlight);
    /*! BarColor has changed to \a BarColor. */
    void BarColorChanged(OlvarControls::OleColor BarColor);
    /*! AppItemBackColor has changed to \a AppItemBackColor. */
    void AppItemBackColorChanged(OlvarControls::OleColor AppItemBackColor);
    /*! AppItemBarBorderColor has changed to \a AppItemBarBorderColor. */
    void AppItemBarBorderColorChanged(OlvarControls::OleColor AppItemBarBorderColor);
    /*! AppItemBarColor has changed to \a AppItemBarColor. */
    void AppItemBarColorChanged(OlvarControls::OleColor AppItemBarColor);
    /*! AppItemBorderColor has changed to \a AppItemBorderColor. */
    void AppItemBorderColorChanged(OlvarControls::OleColor AppItemBorderColor);
    /*! AppItemFont has changed to \a AppItemFont. */
    void AppItemFontChanged(const QFont &AppItemFont);
    /*! AppItemForeColor has changed to \a AppItemForeColor. */
    void AppItemForeColorChanged(OlvarControls::OleColor AppItemForeColor);
    /*! AvailableColor has changed to \a AvailableColor. */
    void AvailableColorChanged(OlvarControls::OleColor AvailableColor);
    /*! SlotLineColor has changed to \a SlotLineColor. */
    void SlotLineColorChanged(OlvarControls::OleColor SlotLineColor);
    /*! SlotsBorderColor has changed to \a SlotsBorderColor. */
    void SlotsBorderColorChanged(OlvarControls::OleColor SlotsBorderColor);
    /*! TimeScaleBackColor has changed to \a TimeScaleBackColor. */
    void TimeScaleBackColorChanged(OlvarControls::OleColor TimeScaleBackColor);
    /*! TimeScaleForeColor has changed to \a TimeScaleForeColor. */
    void TimeScaleForeColorChanged(OlvarControls::OleColor TimeScaleForeColor);
    /*! UnAvailableColor has changed to \a UnAvailableColor. */
    void UnAvailableColorChanged(OlvarControls::OleColor UnAvailableColor);
    /*! HighLightColor has changed to \a HighLightColor. */
    void HighLightColorChanged(OlvarControls::OleColor HighLightColor);
    /*! WorkDayStart has become \a time. */
    void WorkDayStartChanged(const OlvarControls::OleDate &time);
    /*! WorkDayEnd has become \a time. */
    void WorkDayEndChanged(const OlvarControls::OleDate &time);
    /*! ShowNowLine has become \a show. */
    void ShowNowLineChanged(bool show);
    /*! NowLineColor has become \a color. */
    void NowLineColorChanged(OlvarControls::OleColor color);
    /*! OverlapLayout has become \a sideBySide. */
    void OverlapLayoutChanged(bool sideBySide);
    /*! KeyboardSelection has become \a on. */
    void KeyboardSelectionChanged(bool on);
    /*! AllowDragEdit has become \a allow. */
    void AllowDragEditChanged(bool allow);
    /*! A column's drag is about to move \a ApptID (Hourlet::BeforeAppointmentChange()); \a Cancel keeps it. */
    void BeforeAppointmentChange(qint32 ApptID, const OlvarControls::OleDate &NewStart,
                                 const OlvarControls::OleDate &NewEnd, bool &Cancel);

protected:
    //! \cond internal
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    //! \endcond

private:
    friend class WeekViewPrivate;
    std::unique_ptr<WeekViewPrivate> d;
};

} // namespace OlvarControls
