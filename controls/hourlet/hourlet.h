// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controlbase.h"
#include "olecolor.h"
#include "oledate.h"
#include "olvarglobal.h"

#include <QFont>
#include <QPoint>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class QAbstractItemModel;

namespace OlvarControls {

class GdiSurface;
class HourletPrivate;
class PropertyBag;

/*!
    The day view "OlvarControls.Hourlet": one day (ActiveDate) of one resource
    (Resource) as a column of 48 half-hour slots under a header band with the
    date, with a time scale, the working hours (09:00 to 17:00 unless
    WorkDayStart and WorkDayEnd say otherwise) and the appointments as boxes.
    Its vertical scroll bar is the child "vScroll".

    Opt-in additions, all off for a new control: OverlapLayout lays
    overlapping appointments side by side, ShowNowLine marks the current time.

    With a ConnectionString, every full repaint reads the resource's sessions
    of the day from the database; SetAppointment() and DeleteAppointment()
    write them. The user selects slots or an appointment with the mouse; the
    host reads the selection through SessionID, StartTime, EndTime and
    GetSelectedAppt().

    A paint the window system asks for repaints the day fully; Refresh() only
    shows the drawing again.
*/
class OLVAR_EXPORT Hourlet : public ControlBase
{
    Q_OBJECT
    Q_PROPERTY(OlvarControls::OleColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ controlFont WRITE setControlFont NOTIFY FontChanged)
    Q_PROPERTY(qint16 BorderStyle READ borderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(QString ConnectionString READ connectionString WRITE setConnectionString
                   DESIGNABLE false STORED false NOTIFY ConnectionStringChanged)
    Q_PROPERTY(bool ShowVscroll READ showVscroll WRITE setShowVscroll NOTIFY ShowVscrollChanged)
    Q_PROPERTY(qint16 VScrollValue READ vScrollValue WRITE writeVScrollValue NOTIFY VScrollValueChanged)
    Q_PROPERTY(qint32 Resource READ resource WRITE setResource DESIGNABLE false STORED false NOTIFY ResourceChanged)
    Q_PROPERTY(bool ShowTimeScale READ showTimeScale WRITE setShowTimeScale NOTIFY ShowTimeScaleChanged)
    Q_PROPERTY(QString DateFormat READ dateFormat WRITE setDateFormat NOTIFY DateFormatChanged)
    Q_PROPERTY(
        bool SelectionHighlight READ selectionHighlight WRITE setSelectionHighlight NOTIFY SelectionHighlightChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBarColor READ appItemBarColor WRITE setAppItemBarColor NOTIFY
                   AppItemBarColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBackColor READ appItemBackColor WRITE setAppItemBackColor NOTIFY
                   AppItemBackColorChanged)
    Q_PROPERTY(QFont AppItemFont READ appItemFont WRITE setAppItemFont NOTIFY AppItemFontChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemForeColor READ appItemForeColor WRITE setAppItemForeColor NOTIFY
                   AppItemForeColorChanged)
    Q_PROPERTY(OlvarControls::OleDate ActiveDate READ activeDate WRITE setActiveDate NOTIFY ActiveDateChanged)
    Q_PROPERTY(Time_Slot_Type MinutesPerSlot READ minutesPerSlot WRITE setMinutesPerSlot NOTIFY MinutesPerSlotChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBorderColor READ appItemBorderColor WRITE setAppItemBorderColor NOTIFY
                   AppItemBorderColorChanged)
    Q_PROPERTY(OlvarControls::OleColor AppItemBarBorderColor READ appItemBarBorderColor WRITE setAppItemBarBorderColor
                   NOTIFY AppItemBarBorderColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor HighLightColor READ highLightColor WRITE setHighLightColor NOTIFY HighLightColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor SlotLineColor READ slotLineColor WRITE setSlotLineColor NOTIFY SlotLineColorChanged)
    Q_PROPERTY(OlvarControls::OleColor BarColor READ barColor WRITE setBarColor NOTIFY BarColorChanged)
    Q_PROPERTY(OlvarControls::OleColor TimeScaleBackColor READ timeScaleBackColor WRITE setTimeScaleBackColor NOTIFY
                   TimeScaleBackColorChanged)
    Q_PROPERTY(OlvarControls::OleColor TimeScaleForeColor READ timeScaleForeColor WRITE setTimeScaleForeColor NOTIFY
                   TimeScaleForeColorChanged)
    Q_PROPERTY(OlvarControls::OleColor SlotsBorderColor READ slotsBorderColor WRITE setSlotsBorderColor NOTIFY
                   SlotsBorderColorChanged)
    Q_PROPERTY(
        OlvarControls::OleColor AvailableColor READ availableColor WRITE setAvailableColor NOTIFY AvailableColorChanged)
    Q_PROPERTY(OlvarControls::OleColor UnAvailableColor READ unAvailableColor WRITE setUnAvailableColor NOTIFY
                   UnAvailableColorChanged)
    Q_PROPERTY(qint32 SessionID READ sessionId)
    Q_PROPERTY(OlvarControls::OleDate SessionDate READ sessionDate)
    Q_PROPERTY(QString Subject READ subject)
    Q_PROPERTY(QString StartTime READ startTime)
    Q_PROPERTY(QString EndTime READ endTime)
    Q_PROPERTY(qint32 ItemCount READ itemCount)
    Q_PROPERTY(OlvarControls::OleDate WorkDayStart READ workDayStart WRITE setWorkDayStart NOTIFY WorkDayStartChanged)
    Q_PROPERTY(OlvarControls::OleDate WorkDayEnd READ workDayEnd WRITE setWorkDayEnd NOTIFY WorkDayEndChanged)
    Q_PROPERTY(bool ShowNowLine READ showNowLine WRITE setShowNowLine NOTIFY ShowNowLineChanged)
    Q_PROPERTY(OlvarControls::OleColor NowLineColor READ nowLineColor WRITE setNowLineColor NOTIFY NowLineColorChanged)
    Q_PROPERTY(bool OverlapLayout READ overlapLayout WRITE setOverlapLayout NOTIFY OverlapLayoutChanged)
    Q_PROPERTY(bool KeyboardSelection READ keyboardSelection WRITE setKeyboardSelection NOTIFY KeyboardSelectionChanged)
    Q_PROPERTY(bool AllowDragEdit READ allowDragEdit WRITE setAllowDragEdit NOTIFY AllowDragEditChanged)

public:
    /*!
        Slot lengths MinutesPerSlot names; the grid keeps half-hour slots whatever
        is chosen. MinutesPerSlot may hold any 16-bit value, named or not.
    */
    enum Time_Slot_Type : qint16 {
        ts_1Minute = 0,
        ts_5Minute = 1,
        ts_10Minute = 2,
        ts_15Minute = 3,
        ts_20Minute = 4,
        ts_30Minute = 5,
        ts_60Minute = 6,
    };
    Q_ENUM(Time_Slot_Type)

    /*! The fields of the selection GetSelectedAppt() returns; the values do not follow the digits in the names. */
    enum Appt_Detail_Type {
        ad0_ApptID = 0,
        ad2_ApptStartCoord = 1,
        ad1_ApptDate = 2,
        ad3_ApptEndCoord = 3,
        ad4_ApptSubject = 4,
        ad5_ApptDetail = 5,
        ad6_ApptTimeStart = 6,
        ad7_ApptTimeEnd = 7,
        ad8_ApptDeleted = 8,
        ad9_ApptType = 9,
        ad11_Font = 10,
        ad12_ForeColor = 11,
        ad13_BackColor = 12,
        ad14_AppBarColor = 13,
        ad15_AppBarBorderColor = 14,
        ad16_AppBorderColor = 15,
    };
    Q_ENUM(Appt_Detail_Type)

    /*! The date format of a new control. */
    static QString defaultDateFormat();
    /*! The working day's start of a new control, 09:00. */
    static OleDate defaultWorkDayStart();
    /*! The working day's end of a new control, 17:00. */
    static OleDate defaultWorkDayEnd();
    /*! The now line's colour of a new control, red. */
    static constexpr OleColor DefaultNowLineColor = OleColor::fromOle(0x0000FF);

    /*! A day view showing today, loading nothing until ConnectionString is set. */
    explicit Hourlet(QWidget *parent = nullptr);
    ~Hourlet() override;

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) override;

    /*! The field \a ApptDetailType of the selection; Empty for 14, 15 and values outside 0 to 13. */
    Q_INVOKABLE QVariant GetSelectedAppt(OlvarControls::Hourlet::Appt_Detail_Type ApptDetailType) const;
    /*! As above, for a plain number. */
    Q_INVOKABLE QVariant GetSelectedAppt(int ApptDetailType) const;

    /*!
        Draws an appointment from \a TimeBegin to \a TimeEnd at once and stores it:
        with no or a non-positive \a ApptID a new appointment is added on the
        active date and inserted as a session, whose identifier is returned;
        with the identifier of a listed appointment that one is changed and its
        session updated. Returns 0 when nothing was stored or the save failed.
    */
    Q_INVOKABLE qint32 SetAppointment(const OlvarControls::OleDate &ApptDate, const OlvarControls::OleDate &TimeBegin,
                                      const OlvarControls::OleDate &TimeEnd, const QString &DisplayText,
                                      const QString &ApptDetail, qint32 ApptType, const QString &Location,
                                      const QVariant &ApptID = QVariant());
    /*!
        As above with the drawing options: \a Font and \a ForeColor for the text,
        \a AppBarColor for the bar (all for the drawing at once), \a BorderColor
        and \a AppBarColor kept with an added appointment. \a BackColor is not
        used. Empty variants stand for omitted arguments.
    */
    qint32 SetAppointment(const OleDate &ApptDate, const OleDate &TimeBegin, const OleDate &TimeEnd,
                          const QString &DisplayText, const QString &ApptDetail, qint32 ApptType,
                          const QString &Location, const QVariant &ApptID, const QVariant &Font,
                          const QVariant &ForeColor = QVariant(), const QVariant &BackColor = QVariant(),
                          const QVariant &BorderColor = QVariant(), const QVariant &AppBarColor = QVariant());
    /*!
        Deletes the session \a RecordNumber from the database and hides its
        appointments; returns 1, or 0 after showing why it failed.
    */
    Q_INVOKABLE quint8 DeleteAppointment(qint32 RecordNumber);
    /*! Repaints the day fully, reading it from the database, and shows it. */
    Q_INVOKABLE void UpdateDisplay();
    /*!
        Takes the appointments from \a model (rows with Olvar::AppointmentRole
        data) instead of the database: every full repaint reads the active
        date's rows of the resource from it, each change the model signals is
        followed by one repaint, and SetAppointment() and DeleteAppointment()
        write to it when it is editable. nullptr goes back to ConnectionString.
        The control does not own the model.
    */
    void setModel(QAbstractItemModel *model);
    /*! The appointment model; nullptr when the appointments come from the database. */
    QAbstractItemModel *model() const;

    /*! Redraws the scroll bar; the day is not repainted. */
    Q_INVOKABLE void Paint();
    /*! Shows the drawing as it is. */
    Q_INVOKABLE void Refresh();

    /*! The drawing surface the control paints on and shows in its window. */
    const GdiSurface &drawingSurface() const;

    /*! BackColor: the colour of the control's surface; the system window colour by default. */
    OleColor backColor() const;
    /*! Sets BackColor and repaints the day fully. */
    void setBackColor(OleColor color);
    /*! Sets Enabled (read with isEnabled()); persisted under "Enabled". */
    void setControlEnabled(bool enabled);
    /*! The control's font, which painting leaves at 8 points, not bold. */
    QFont controlFont() const;
    /*! Sets Font; persisted under "Font", the ambient font by default. */
    void setControlFont(const QFont &font);
    /*! BorderStyle: kept and persisted; 0 on a new control, 1 when the key is missing. */
    qint16 borderStyle() const;
    /*! Sets BorderStyle. */
    void setBorderStyle(qint16 style);
    /*! ConnectionString: the database the day is read from and written to; empty binds no database. Not persisted. */
    QString connectionString() const;
    /*! Sets ConnectionString; each database operation opens its own connection with it. */
    void setConnectionString(const QString &connectionString);
    /*! ShowVscroll: whether the vertical scroll bar shows; a control taller than the whole day hides it at the next full repaint. */
    bool showVscroll() const;
    /*! Shows or hides the scroll bar. */
    void setShowVscroll(bool show);
    /*! VScrollValue: the content row at the top of the slots; 224 (07:00) at construction, 0 after a resize. */
    qint16 vScrollValue() const;
    /*! Scrolls to \a value, the maximum at most; below the minimum raises OleError 380. */
    void setVScrollValue(qint16 value);
    /*! Resource: the counsellor whose sessions the day shows and to whom new ones are linked. Not persisted. */
    qint32 resource() const;
    /*! Shows the resource \a resource's sessions. */
    void setResource(qint32 resource);
    /*! ShowTimeScale: whether a time scale is drawn left of the slots; off on a new control. */
    bool showTimeScale() const;
    /*! Sets ShowTimeScale and updates the display. */
    void setShowTimeScale(bool show);
    /*! DateFormat: the pattern of the header's date (see the date format patterns); "dddd mmmm dd, yyyy" by default. */
    QString dateFormat() const;
    /*! Sets DateFormat and updates the display. */
    void setDateFormat(const QString &format);
    /*! SelectionHighlight: whether the selected slots are filled with HighLightColor and a drag extends the selection; off by default. */
    bool selectionHighlight() const;
    /*! Sets SelectionHighlight without repainting and without a change notice. */
    void setSelectionHighlight(bool highlight);
    /*! AppItemBarColor: the bar colour of appointments added with SetAppointment(); FF0000 (blue). Persisted under "AppBarDefaultColor". */
    OleColor appItemBarColor() const;
    /*! Sets AppItemBarColor for appointments added from now on. */
    void setAppItemBarColor(OleColor color);
    /*! AppItemBackColor: the colour of appointment boxes; FFFFFF. Persisted under "DefaultAppBackColor". */
    OleColor appItemBackColor() const;
    /*! Sets AppItemBackColor. */
    void setAppItemBackColor(OleColor color);
    /*! AppItemFont: the font of appointment texts; the ambient font by default. */
    QFont appItemFont() const;
    /*! Sets AppItemFont. */
    void setAppItemFont(const QFont &font);
    /*! AppItemForeColor: the colour of appointment texts; 000000. */
    OleColor appItemForeColor() const;
    /*! Sets AppItemForeColor. */
    void setAppItemForeColor(OleColor color);
    /*! ActiveDate: the day shown; today (time 00:00) on a new control. */
    OleDate activeDate() const;
    /*! Shows \a date; a selected slot moves to the same times on it. */
    void setActiveDate(const OleDate &date);
    /*! Shows the local date and time \a dateTime as setActiveDate(OleDate) does (Qt Designer's forms set dates so). */
    void setActiveDate(const QDateTime &dateTime);
    /*! Shows \a date at 00:00 as setActiveDate(OleDate) does. */
    void setActiveDate(QDate date);
    /*! MinutesPerSlot: kept and persisted only; the grid keeps half-hour slots. */
    Time_Slot_Type minutesPerSlot() const;
    /*! Sets MinutesPerSlot; nothing is redrawn. */
    void setMinutesPerSlot(Time_Slot_Type type);
    /*! AppItemBorderColor: the border colour of appointments added with SetAppointment(); 000000. */
    OleColor appItemBorderColor() const;
    /*! Sets AppItemBorderColor for appointments added from now on. */
    void setAppItemBorderColor(OleColor color);
    /*! AppItemBarBorderColor: kept and persisted for the host; 000000. */
    OleColor appItemBarBorderColor() const;
    /*! Sets AppItemBarBorderColor. */
    void setAppItemBarBorderColor(OleColor color);
    /*! HighLightColor: the fill of the selected slots when SelectionHighlight is on; FFFFFF. */
    OleColor highLightColor() const;
    /*! Sets HighLightColor. */
    void setHighLightColor(OleColor color);
    /*! SlotLineColor: the colour of the lines between slots; A7A7A7. */
    OleColor slotLineColor() const;
    /*! Sets SlotLineColor; it shows from the next full repaint. */
    void setSlotLineColor(OleColor color);
    /*! BarColor: the colour of the bar left of the slots; FFFFFF. */
    OleColor barColor() const;
    /*! Sets BarColor and repaints the day fully. */
    void setBarColor(OleColor color);
    /*! TimeScaleBackColor: the time scale's background; FFCCCC. */
    OleColor timeScaleBackColor() const;
    /*! Sets TimeScaleBackColor and repaints the day fully. */
    void setTimeScaleBackColor(OleColor color);
    /*! TimeScaleForeColor: the time scale's text colour; 000000. */
    OleColor timeScaleForeColor() const;
    /*! Sets TimeScaleForeColor and repaints the day fully. */
    void setTimeScaleForeColor(OleColor color);
    /*! SlotsBorderColor: the colour of the border round the slots; A7A7A7. */
    OleColor slotsBorderColor() const;
    /*! Sets SlotsBorderColor; it shows from the next full repaint. */
    void setSlotsBorderColor(OleColor color);
    /*! AvailableColor: the colour of the working-hours slots (09:00 to 17:00); B6E4E1. */
    OleColor availableColor() const;
    /*! Sets AvailableColor and repaints the day fully. */
    void setAvailableColor(OleColor color);
    /*! UnAvailableColor: the colour of the slots outside working hours; 8CD5CF. */
    OleColor unAvailableColor() const;
    /*! Sets UnAvailableColor and repaints the day fully. */
    void setUnAvailableColor(OleColor color);

    /*! The selected session's identifier; -1 for free slots. */
    qint32 sessionId() const;
    /*! The selected session's date. */
    OleDate sessionDate() const;
    /*! The selected session's subject. */
    QString subject() const;
    /*! The selection's start as a general date text. */
    QString startTime() const;
    /*! The selection's end as a general date text. */
    QString endTime() const;
    /*! The highest index of the appointment list (not the number of appointments). */
    qint32 itemCount() const;

    /*! Where the working hours (drawn in AvailableColor) begin: a time of day. */
    OleDate workDayStart() const;
    /*!
        Begins the working hours at \a time, a time of day on day 0; the band
        widens to the slot boundary before it. A time outside the day, or one
        that leaves no band before WorkDayEnd, raises OleError 380.
    */
    void setWorkDayStart(const OleDate &time);
    /*! Where the working hours end: a time of day, 1 standing for 24:00. */
    OleDate workDayEnd() const;
    /*! Ends the working hours at \a time, widened to the next slot boundary; as setWorkDayStart() refuses. */
    void setWorkDayEnd(const OleDate &time);
    /*! Starts the working hours at the time of day of \a dateTime (a form's time), as setWorkDayStart(const OleDate &). */
    void setWorkDayStart(const QDateTime &dateTime);
    /*! Ends the working hours at the time of day of \a dateTime (a form's time), as setWorkDayEnd(const OleDate &). */
    void setWorkDayEnd(const QDateTime &dateTime);
    /*! Whether a line marks the current time on the day that is today by the scheduler's clock. */
    bool showNowLine() const;
    /*! Shows or hides the now line, which moves each minute while shown. */
    void setShowNowLine(bool show);
    /*! The now line's colour; red (0000FF) by default. */
    OleColor nowLineColor() const;
    /*! Draws the now line in \a color from the next repaint. */
    void setNowLineColor(OleColor color);
    /*! Whether overlapping appointments share the width side by side. */
    bool overlapLayout() const;
    /*! Lays overlapping appointments side by side, or full width over each other; hit testing follows. */
    void setOverlapLayout(bool sideBySide);
    /*!
        Whether the keyboard selects: Up and Down move the selected slot (Shift
        extends the selection), PageUp and PageDown scroll by a page, Home and
        End go to the working day's start and end, Return raises DblClick. The
        selection is then always drawn, with a focus frame while the control
        has the focus. The key events are raised for every key either way.
    */
    bool keyboardSelection() const;
    /*! Lets the keyboard select (\a on), or leaves keys to the key events alone. */
    void setKeyboardSelection(bool on);
    /*!
        Whether the user moves an appointment by dragging its body and changes
        its end by dragging its bottom edge, in half-hour steps. Before the
        change BeforeAppointmentChange() is raised; unless the host cancels,
        the change is stored as SetAppointment() stores an update and the day
        is repainted. A drag let go outside the control, or ended with Escape,
        changes nothing.
    */
    bool allowDragEdit() const;
    /*! Lets the user drag appointments (\a allow), or keeps the mouse to selecting. */
    void setAllowDragEdit(bool allow);
    /*!
        For a container of day views such as WeekView: \a locator names the day
        shown under a screen point outside this view (nothing for none), so
        that a drag let go there moves the appointment to that day.
    */
    void setDayLocator(std::function<std::optional<OleDate>(const QPoint &globalPosition)> locator);

Q_SIGNALS:
    /*! The scroll value has changed; the day is repainted after it. */
    void VScrollChange();
    /*! The scroll bar's thumb is being dragged. */
    void Scroll();
    /*! A left press and release inside the control, unless part of a double click. */
    void Click();
    /*! A left double click. */
    void DblClick();
    /*! A key is pressed (and on each auto-repeat), before KeyPress. */
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /*! A key press that produces a character, with that character's code. */
    void KeyPress(qint16 KeyAscii);
    /*! A key is released; auto-repeat releases are not reported. */
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /*! A press below the header band, after the control has handled it. */
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    /*! The mouse moves over the control, after a sweep selection has been extended. */
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    /*! A release; \a Y is the content coordinate (client row plus scroll value). */
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

    // The change signals of the writable properties (their NOTIFY signals).
    /*! BackColor has changed to \a BackColor. */
    void BackColorChanged(OlvarControls::OleColor BackColor);
    /*! Enabled has changed to \a Enabled. */
    void EnabledChanged(bool Enabled);
    /*! Font has changed to \a Font. */
    void FontChanged(const QFont &Font);
    /*! BorderStyle has changed to \a BorderStyle. */
    void BorderStyleChanged(qint16 BorderStyle);
    /*! ConnectionString has changed to \a ConnectionString. */
    void ConnectionStringChanged(const QString &ConnectionString);
    /*! ShowVscroll has changed to \a ShowVscroll. */
    void ShowVscrollChanged(bool ShowVscroll);
    /*! VScrollValue has changed to \a VScrollValue. */
    void VScrollValueChanged(qint16 VScrollValue);
    /*! Resource has changed to \a Resource. */
    void ResourceChanged(qint32 Resource);
    /*! ShowTimeScale has changed to \a ShowTimeScale. */
    void ShowTimeScaleChanged(bool ShowTimeScale);
    /*! DateFormat has changed to \a DateFormat. */
    void DateFormatChanged(const QString &DateFormat);
    /*! SelectionHighlight has changed to \a SelectionHighlight. */
    void SelectionHighlightChanged(bool SelectionHighlight);
    /*! AppItemBarColor has changed to \a AppItemBarColor. */
    void AppItemBarColorChanged(OlvarControls::OleColor AppItemBarColor);
    /*! AppItemBackColor has changed to \a AppItemBackColor. */
    void AppItemBackColorChanged(OlvarControls::OleColor AppItemBackColor);
    /*! AppItemFont has changed to \a AppItemFont. */
    void AppItemFontChanged(const QFont &AppItemFont);
    /*! AppItemForeColor has changed to \a AppItemForeColor. */
    void AppItemForeColorChanged(OlvarControls::OleColor AppItemForeColor);
    /*! ActiveDate has changed to \a ActiveDate. */
    void ActiveDateChanged(OlvarControls::OleDate ActiveDate);
    /*! MinutesPerSlot has changed to \a MinutesPerSlot. */
    void MinutesPerSlotChanged(OlvarControls::Hourlet::Time_Slot_Type MinutesPerSlot);
    /*! AppItemBorderColor has changed to \a AppItemBorderColor. */
    void AppItemBorderColorChanged(OlvarControls::OleColor AppItemBorderColor);
    /*! AppItemBarBorderColor has changed to \a AppItemBarBorderColor. */
    void AppItemBarBorderColorChanged(OlvarControls::OleColor AppItemBarBorderColor);
    /*! HighLightColor has changed to \a HighLightColor. */
    void HighLightColorChanged(OlvarControls::OleColor HighLightColor);
    /*! SlotLineColor has changed to \a SlotLineColor. */
    void SlotLineColorChanged(OlvarControls::OleColor SlotLineColor);
    /*! BarColor has changed to \a BarColor. */
    void BarColorChanged(OlvarControls::OleColor BarColor);
    /*! TimeScaleBackColor has changed to \a TimeScaleBackColor. */
    void TimeScaleBackColorChanged(OlvarControls::OleColor TimeScaleBackColor);
    /*! TimeScaleForeColor has changed to \a TimeScaleForeColor. */
    void TimeScaleForeColorChanged(OlvarControls::OleColor TimeScaleForeColor);
    /*! SlotsBorderColor has changed to \a SlotsBorderColor. */
    void SlotsBorderColorChanged(OlvarControls::OleColor SlotsBorderColor);
    /*! AvailableColor has changed to \a AvailableColor. */
    void AvailableColorChanged(OlvarControls::OleColor AvailableColor);
    /*! UnAvailableColor has changed to \a UnAvailableColor. */
    void UnAvailableColorChanged(OlvarControls::OleColor UnAvailableColor);
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
    /*!
        A drag is about to move the appointment \a ApptID to \a NewStart to
        \a NewEnd; setting \a Cancel keeps it where it is.
    */
    void BeforeAppointmentChange(qint32 ApptID, const OlvarControls::OleDate &NewStart,
                                 const OlvarControls::OleDate &NewEnd, bool &Cancel);
    /*! A drag has stored the new times of the appointment \a ApptID. */
    void appointmentDragged(qint32 ApptID);

protected:
    //! \cond internal
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    //! \endcond

private:
    // The meta-object system's write: a refused value is logged, never raised into Qt.
    void writeVScrollValue(qint16 value) noexcept;

    friend class HourletPrivate;
    friend class HourletAccessible;
    friend class WeekViewPrivate;
    std::unique_ptr<HourletPrivate> d;
};

} // namespace OlvarControls
