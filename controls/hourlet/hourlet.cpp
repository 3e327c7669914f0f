// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourlet.h"
#include "hourlet_p.h"

#include "controlfactory.h"
#include "datetext.h"
#include "hourletaccessible.h"
#include "hourletpainter.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "olevariant.h"
#include "propertybag.h"
#include "qtboundary_p.h"
#include "scheduler.h"
#include "slotgeometry.h"
#include "viewmembers_p.h"
#include "virtualkeys.h"
#include "vscrollbar.h"
#include "windowupdatelock.h"

#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScopedValueRollback>

#include <exception>

namespace OlvarControls {

OLVAR_REGISTER_CONTROL(Hourlet, "OlvarControls.Hourlet");

Q_LOGGING_CATEGORY(lcHourlet, "olvar.hourlet")

namespace {

constexpr int MSecsPerMinute = 60 * 1000;

/* Runs the step \a what of \a owner's full repaint; a step that fails is left out and logged as skipped. */
template <typename Step>
void runStep(const QObject *owner, const char *what, Step &&step)
{
    try {
        step();
    } catch (const OleError &) {
        QtBoundary::skipped(owner, what, std::current_exception());
    }
}

template <typename T>
T orDefault(const QVariant &argument, T fallback, T (*convert)(const QVariant &))
{
    return isEmptyVariant(argument) ? fallback : convert(argument);
}

/* The fields SetAppointment() gives an appointment it adds or changes. */
void setDetails(Appointment &record, OleDate date, OleDate start, OleDate end, const QString &subject,
                const QString &detail, qint32 type, const QString &location)
{
    record.ApptDate = date;
    record.ApptSubject = subject;
    record.ApptDetail = detail;
    record.ApptTimeStart = start;
    record.ApptTimeEnd = end;
    record.ApptType = type;
    record.Location = location;
}

} // namespace

// --- HourletPrivate --------------------------------------------------------------------------

HourletPrivate::HourletPrivate(Hourlet *owner)
    : q(owner)
    , retained(owner)
    , vScroll(new VScrollBar(owner))
    , font(owner->ambientFont())
    , dateFormat(Hourlet::defaultDateFormat())
    , activeDate(Scheduler::instance().today())
{
    look.appItemFont = owner->ambientFont();
    vScroll->setObjectName(QStringLiteral("vScroll"));
    vScroll->setMax(SlotGeometry::InitialScrollMaximum);
    vScroll->setSmallChange(SlotGeometry::SlotHeight);
    vScroll->setLargeChange(SlotGeometry::SlotHeight);
    vScroll->setValue(SlotGeometry::InitialScrollValue);
    vScroll->setGeometry(owner->width() - VScrollBar::DefaultWidth, 0, VScrollBar::DefaultWidth, owner->height());
}

int HourletPrivate::scrollValue() const
{
    return vScroll->value();
}

bool HourletPrivate::scrollBarShown() const
{
    return !vScroll->isHidden();
}

HourletLayout HourletPrivate::layout() const
{
    HourletLayout where(q->size(), showTimeScale, scrollBarShown(), scrollValue());
    if (const auto band = SlotGeometry::workingSlots(workDayStart, workDayEnd))
        where.setWorkingSlots(band->first, band->second);
    return where;
}

void HourletPrivate::prepare(HourletPainter &painter) const
{
    painter.setSideBySide(overlapLayout);
    painter.setFocusFrame(keyboardSelection && q->hasFocus());
    if (!showNowLine)
        return;
    const auto coordinate = SlotGeometry::coordinateOfInstant(activeDate, Scheduler::instance().now());
    if (coordinate)
        painter.setNowLine(*coordinate, nowLineColor);
}

void HourletPrivate::beginDrag(float x, float y)
{
    drag = AppointmentDrag();
    dragMoved = false;
    if (!allowDragEdit || y < SlotGeometry::HeaderHeight)
        return;
    const QList<GdiRect> boxes = layout().appointmentBoxes(list, activeDate, overlapLayout);
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        const GdiRect &box = boxes.at(i);
        const Appointment &record = list.at(i);
        if (!record.isShown() || x < box.left || x > box.right || y < box.top || y > box.bottom)
            continue;
        drag = AppointmentDrag(AppointmentDrag::kindAt(int(y), box.top, box.bottom), record.ApptID,
                               record.ApptTimeStart, record.ApptTimeEnd, double(scrollValue()) + y);
        return;
    }
}

void HourletPrivate::showDrag(float y)
{
    const double content = double(scrollValue()) + y;
    if (!drag.hasMoved(content) && !dragMoved)
        return;
    dragMoved = true;
    const HourletLayout where = layout();
    HourletPainter painter(retained.surface(), where, look, font);
    prepare(painter);
    const Appointment none;
    painter.paintHighlight(drawsSelection() ? sweep.selection() : none, list, activeDate, dateFormat, vScroll->width());
    painter.drawDragOutline(
        SlotGeometry::timeRangeToCoordinates(activeDate, drag.newStart(content), drag.newEnd(content)));
    refresh();
}

void HourletPrivate::cancelDrag()
{
    const bool shown = dragMoved;
    drag = AppointmentDrag();
    dragMoved = false;
    if (shown)
        fullRepaint();
}

void HourletPrivate::finishDrag(float x, float y)
{
    const AppointmentDrag finished = drag;
    const bool moved = dragMoved;
    drag = AppointmentDrag();
    dragMoved = false;
    const double content = double(scrollValue()) + y;
    if (!moved)
        return;
    std::optional<qint64> days;
    if (q->rect().contains(QPoint(int(x), int(y))))
        days = 0;
    else if (dayLocator && finished.kind() == AppointmentDrag::Move)
        if (const auto day = dayLocator(q->mapToGlobal(QPoint(int(x), int(y)))))
            days = day->dayNumber() - activeDate.dayNumber();
    const qint32 index = list.indexOfId(finished.id());
    if (!days || index < 0) {
        fullRepaint();
        return;
    }
    const OleDate start = finished.newStart(content, int(*days));
    const OleDate end = finished.newEnd(content, int(*days));
    bool cancel = false;
    Q_EMIT q->BeforeAppointmentChange(finished.id(), start, end, cancel);
    if (!cancel) {
        const Appointment record = list.at(index);
        q->SetAppointment(start.datePart(), start, end, record.ApptSubject, record.ApptDetail, record.ApptType,
                          record.Location, finished.id());
    }
    fullRepaint();
    if (!cancel)
        Q_EMIT q->appointmentDragged(finished.id());
}

bool HourletPrivate::handleKey(int key, bool shift)
{
    if (!keyboardSelection)
        return false;
    const HourletLayout where = layout();
    const int page = std::max(1, (q->height() - SlotGeometry::HeaderHeight) / SlotGeometry::SlotHeight);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key == Qt::Key_Up ? -1 : 1;
        const auto selected = sweep.selectedSlots();
        const bool ours = selected && keyFocus >= 0 && selected->first == std::min(keyAnchor, keyFocus)
            && selected->second == std::max(keyAnchor, keyFocus);
        if (!selected) {
            keyAnchor = keyFocus = where.firstWorkingSlot() - step;
        } else if (!ours) {
            keyAnchor = step > 0 ? selected->first : selected->second;
            keyFocus = step > 0 ? selected->second : selected->first;
        }
        moveFocusSlot(keyFocus + step, shift);
        return true;
    }
    case Qt::Key_Home:
        moveFocusSlot(where.firstWorkingSlot(), shift);
        return true;
    case Qt::Key_End:
        moveFocusSlot(where.endWorkingSlot() - 1, shift);
        return true;
    case Qt::Key_PageUp:
        scrollBy(-page * SlotGeometry::SlotHeight);
        return true;
    case Qt::Key_PageDown:
        scrollBy(page * SlotGeometry::SlotHeight);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT q->DblClick();
        return true;
    default:
        return false;
    }
}

void HourletPrivate::moveFocusSlot(int slot, bool extend)
{
    keyFocus = qBound(0, slot, SlotGeometry::SlotCount - 1);
    if (!extend || keyAnchor < 0)
        keyAnchor = keyFocus;
    sweep.selectSlots(std::min(keyAnchor, keyFocus), std::max(keyAnchor, keyFocus), activeDate);
    const int before = scrollValue();
    scrollToSlot(keyFocus);
    if (scrollValue() == before) // a scroll has repainted everything already
        paintHighlight();
    HourletAccessible::selectionMoved(q);
}

void HourletPrivate::scrollBy(int pixels)
{
    vScroll->setValue(qBound(vScroll->min(), vScroll->value() + pixels, std::max(vScroll->min(), vScroll->max())));
}

void HourletPrivate::scrollToSlot(int slot)
{
    const int top = SlotGeometry::slotTop(slot) - SlotGeometry::HeaderHeight; // scroll value with the slot first
    const int bottom = SlotGeometry::slotBottom(slot) + 1 - q->height(); // scroll value with the slot last
    const int value = vScroll->value();
    if (value > top)
        scrollBy(top - value);
    else if (value < bottom) // whole slots, so that the slot lines stay where a mouse scroll puts them
        scrollBy((bottom + SlotGeometry::SlotHeight - 1) / SlotGeometry::SlotHeight * SlotGeometry::SlotHeight - value);
}

bool HourletPrivate::boxHoldsX(qsizetype index, float x) const
{
    const QList<GdiRect> boxes = layout().appointmentBoxes(list, activeDate, true);
    const GdiRect &box = boxes.at(index);
    return box.left <= x && x <= box.right;
}

void HourletPrivate::setWorkDay(OleDate start, OleDate end)
{
    if (!SlotGeometry::workingSlots(start, end))
        throw OleError(ErrorNumber::InvalidPropertyValue);
    const bool startChanged = start != workDayStart;
    const bool endChanged = end != workDayEnd;
    if (!startChanged && !endChanged)
        return;
    workDayStart = start;
    workDayEnd = end;
    fullRepaint();
    if (startChanged) {
        q->propertyChanged(QStringLiteral("WorkDayStart"));
    }
    if (endChanged) {
        q->propertyChanged(QStringLiteral("WorkDayEnd"));
    }
}

void HourletPrivate::updateNowTimer()
{
    Scheduler &scheduler = Scheduler::instance();
    if (nowTimer != 0)
        scheduler.stopTimer(nowTimer);
    nowTimer = 0;
    if (!showNowLine)
        return;
    const int toNextMinute = MSecsPerMinute - int(scheduler.now().timeMSecs() % MSecsPerMinute);
    nowTimer = scheduler.startTimer(toNextMinute, [this] { onNowTimer(); });
}

void HourletPrivate::onNowTimer()
{
    updateNowTimer();
    QtBoundary::run(q, "now line", [this] { fullRepaint(); });
}

void HourletPrivate::placeScrollBar()
{
    vScroll->setGeometry(q->width() - vScroll->width(), 0, vScroll->width(), q->height());
}

void HourletPrivate::fullRepaint(bool show)
{
    if (repainting) // a message box of the load lets paint events in
        return;
    const QScopedValueRollback<bool> busy(repainting, true);
    const WindowUpdateLock lock(q);
    const auto paintStep = [this](const char *what, auto &&draw) {
        runStep(q, what, [&] {
            const HourletLayout where = layout();
            HourletPainter painter(retained.surface(), where, look, font);
            prepare(painter);
            draw(painter);
        });
    };
    runStep(q, "clearing the surface", [this] {
        GdiSurface &surface = retained.surface();
        surface.setBackColor(backColor);
        surface.clear();
    });
    runStep(q, "placing the scroll bar", [this] { placeScrollBar(); });
    paintStep("filling the time scale", [](HourletPainter &painter) { painter.fillTimeScale(); });
    paintStep("filling the slots", [](HourletPainter &painter) { painter.fillSlots(); });
    if (drawsSelection())
        runStep(q, "painting the selection", [this] { paintHighlight(); });
    if (q->height() > SlotGeometry::DayHeight)
        vScroll->hide();
    paintStep("drawing the grid", [](HourletPainter &painter) { painter.drawGrid(true); });
    paintStep("drawing the bar", [](HourletPainter &painter) { painter.drawBar(); });
    runStep(q, "loading the appointments", [this] { load(); });
    if (hasSource())
        paintStep("drawing the appointments",
                  [this](HourletPainter &painter) { painter.drawAppointments(list, activeDate); });
    paintStep("drawing the now line", [](HourletPainter &painter) { painter.drawNowLine(); });
    if (keyboardSelection && q->hasFocus())
        paintStep("drawing the focus frame",
                  [this](HourletPainter &painter) { painter.drawFocusFrame(sweep.selection()); });
    paintStep("drawing the header",
              [this](HourletPainter &painter) { painter.drawHeader(activeDate, dateFormat, vScroll->width()); });
    if (show)
        refresh();
}

bool HourletPrivate::hasSource() const
{
    return modelBinding.hasModel() || binding.hasDatabase();
}

void HourletPrivate::load()
{
    if (modelBinding.hasModel())
        modelBinding.load(list, activeDate, resource);
    else
        binding.load(list, activeDate, resource);
}

qint32 HourletPrivate::save(const Appointment &record)
{
    if (!modelBinding.hasModel())
        return binding.save(record);
    const QScopedValueRollback<bool> writing(writingModel, true);
    return modelBinding.save(record, resource);
}

void HourletPrivate::onModelChanged()
{
    if (!writingModel)
        QtBoundary::run(q, "model change", [this] { fullRepaint(); });
}

void HourletPrivate::paintHighlight()
{
    const HourletLayout where = layout();
    HourletPainter painter(retained.surface(), where, look, font);
    prepare(painter);
    painter.paintHighlight(sweep.selection(), list, activeDate, dateFormat, vScroll->width());
    refresh();
}

void HourletPrivate::refresh()
{
    if (!q->isVisible())
        return;
    refreshRequested = true;
    retained.refresh();
}

void HourletPrivate::onScrollChange()
{
    Q_EMIT q->VScrollChange();
    fullRepaint();
    q->emitPropertyNotify(QStringLiteral("VScrollValue"));
}

void HourletPrivate::onResize()
{
    vScroll->setMax(SlotGeometry::scrollMaximum(q->height()));
    vScroll->setValue(0);
    fullRepaint();
}

void HourletPrivate::press(qint16 button, qint16 shift, float x, float y)
{
    if (y < SlotGeometry::HeaderHeight)
        return;
    if (button == VirtualKeys::LeftButton) {
        if (!sweep.isSweeping())
            q->UpdateDisplay();
        sweep.press(double(scrollValue()) + y, activeDate);
        if (selectionHighlight)
            paintHighlight();
        else
            fullRepaint();
    }
    Q_EMIT q->MouseDown(button, shift, x, y);
}

void HourletPrivate::move(qint16 buttons, qint16 shift, float x, float y)
{
    if (drag.isActive()) {
        showDrag(y);
    } else if (sweep.isSweeping() && selectionHighlight) {
        sweep.extendTo(double(scrollValue()) + y, activeDate);
        paintHighlight();
        autoScroll(y);
    }
    Q_EMIT q->MouseMove(buttons, shift, x, y);
}

void HourletPrivate::autoScroll(float y)
{
    const int step = SlotGeometry::SlotHeight;
    if (y >= q->height() && vScroll->value() != vScroll->max()) {
        const int value = vScroll->value() + step;
        vScroll->setValue(value > vScroll->max() ? vScroll->max() : value);
    }
    if (y <= SlotGeometry::HeaderHeight - 1 && vScroll->value() != vScroll->min()) {
        const int value = vScroll->value() - step;
        vScroll->setValue(value < vScroll->min() ? vScroll->min() : value);
    }
}

void HourletPrivate::release(qint16 button, qint16 shift, float x, float y)
{
    if (button == VirtualKeys::LeftButton && drag.isActive())
        finishDrag(x, y);
    const float content = float(scrollValue()) + y;
    std::function<bool(qsizetype)> underPointer;
    if (overlapLayout)
        underPointer = [this, x](qsizetype index) { return boxHoldsX(index, x); };
    sweep.release(button == VirtualKeys::LeftButton, content, list, activeDate, underPointer);
    HourletAccessible::selectionMoved(q);
    Q_EMIT q->MouseUp(button, shift, x, content);
}

void HourletPrivate::setColor(OleColor HourletAppearance::*field, OleColor color, const QString &name, bool repaint)
{
    look.*field = color;
    if (repaint)
        fullRepaint();
    q->propertyChanged(name);
}

void HourletPrivate::setFlag(bool &field, bool value, const QString &name)
{
    field = value;
    q->UpdateDisplay();
    q->propertyChanged(name);
}

QList<HourletPrivate::PersistedKey> HourletPrivate::persistedKeys()
{
    static const HourletAppearance defaults;
    const auto colorKey = [this](const char *key, OleColor HourletAppearance::*field) {
        return PersistedKey::bound(key, defaults.*field, look.*field);
    };
    const QFont ambient = q->ambientFont();
    return {
        PersistedKey::bound("BackColor", OleColor::system(OleColor::Window), backColor),
        PersistedKey::of<bool>(
            QStringLiteral("Enabled"), true, [this] { return q->isEnabled(); },
            [this](bool enabled) { q->setEnabled(enabled); }),
        PersistedKey::bound("SelectionHighlight", false, selectionHighlight),
        PersistedKey::bound("Font", ambient, font),
        PersistedKey::bound("BorderStyle", qint16(1), borderStyle),
        PersistedKey::of<bool>(
            QStringLiteral("ShowVscroll"), true, [this] { return scrollBarShown(); },
            [this](bool shown) { vScroll->setVisible(shown); }),
        PersistedKey::of<qint16>(
            QStringLiteral("VScrollValue"), 0, [this] { return scrollValue(); },
            [this](qint16 value) {
                vScroll->setValue(qBound(vScroll->model().lowest(), int(value), vScroll->model().highest()));
            }),
        PersistedKey::of<OleDate>(
            QStringLiteral("ActiveDate"), Scheduler::instance().today(), [this] { return activeDate; },
            [this](const OleDate &date) { activeDate = date.checked(ErrorNumber::InvalidPropertyValue); }),
        PersistedKey::bound("ShowTimeScale", false, showTimeScale),
        PersistedKey::bound("DateFormat", Hourlet::defaultDateFormat(), dateFormat),
        colorKey("AppBarDefaultColor", &HourletAppearance::appItemBarColor),
        colorKey("DefaultAppBackColor", &HourletAppearance::appItemBackColor),
        PersistedKey::bound("AppItemFont", ambient, look.appItemFont),
        colorKey("AppItemForeColor", &HourletAppearance::appItemForeColor),
        // Stored as a Long, read back as an Integer.
        {QStringLiteral("MinutesPerSlot"), qint32(Hourlet::ts_30Minute),
         [this] { return QVariant(qint32(minutesPerSlot)); },
         [this](const QVariant &v) { minutesPerSlot = Hourlet::Time_Slot_Type(NumberConversion::toInt16(v)); }},
        colorKey("AppItemBorderColor", &HourletAppearance::appItemBorderColor),
        colorKey("AppItemBarBorderColor", &HourletAppearance::appItemBarBorderColor),
        colorKey("HighLightColor", &HourletAppearance::highLightColor),
        colorKey("SlotLineColor", &HourletAppearance::slotLineColor),
        colorKey("BarColor", &HourletAppearance::barColor),
        colorKey("TimeScaleBackColor", &HourletAppearance::timeScaleBackColor),
        colorKey("TimeScaleForeColor", &HourletAppearance::timeScaleForeColor),
        colorKey("SlotsBorderColor", &HourletAppearance::slotsBorderColor),
        colorKey("AvailableColor", &HourletAppearance::availableColor),
        colorKey("UnAvailableColor", &HourletAppearance::unAvailableColor),
        PersistedKey::bound("WorkDayStart", Hourlet::defaultWorkDayStart(), workDayStart),
        PersistedKey::bound("WorkDayEnd", Hourlet::defaultWorkDayEnd(), workDayEnd),
        PersistedKey::bound("ShowNowLine", false, showNowLine),
        PersistedKey::bound("NowLineColor", OleColor(Hourlet::DefaultNowLineColor), nowLineColor),
        PersistedKey::bound("OverlapLayout", false, overlapLayout),
        PersistedKey::bound("KeyboardSelection", false, keyboardSelection),
        PersistedKey::bound("AllowDragEdit", false, allowDragEdit),
    };
}

// --- Hourlet ---------------------------------------------------------------------------------

QString Hourlet::defaultDateFormat()
{
    return QStringLiteral("dddd mmmm dd, yyyy");
}

OleDate Hourlet::defaultWorkDayStart()
{
    return OleDate::fromTime(QTime(9, 0));
}

OleDate Hourlet::defaultWorkDayEnd()
{
    return OleDate::fromTime(QTime(17, 0));
}

Hourlet::Hourlet(QWidget *parent)
    : ControlBase(parent)
    , d(std::make_unique<HourletPrivate>(this))
{
    HourletAccessible::install();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(d->vScroll, &VScrollBar::Change, this, [this] { d->onScrollChange(); });
    connect(d->vScroll, &VScrollBar::Scroll, this, &Hourlet::Scroll);
    d->fullRepaint();
}

Hourlet::~Hourlet()
{
    if (d->nowTimer != 0)
        Scheduler::instance().stopTimer(d->nowTimer);
}

void Hourlet::InitProperties()
{
    d->font = ambientFont();
    setActiveDate(Scheduler::instance().today());
    setDateFormat(defaultDateFormat());
    d->look = HourletAppearance();
    d->look.appItemFont = ambientFont();
    d->minutesPerSlot = ts_30Minute;
    d->selectionHighlight = false;
}

void Hourlet::ReadProperties(const PropertyBag &bag)
{
    PersistedKey::readAll(d->persistedKeys(), bag);
    const OleDate savedStart = d->workDayStart;
    const OleDate savedEnd = d->workDayEnd;
    if (d->resetInvalidWorkDay()) {
        qCWarning(lcHourlet, "ReadProperties: the saved working day %s to %s is empty or reversed; 09:00 to 17:00 used",
                  qPrintable(DateText::general(savedStart)), qPrintable(DateText::general(savedEnd)));
    }
    d->updateNowTimer();
    d->fullRepaint();
}

void Hourlet::WriteProperties(PropertyBag &bag)
{
    PersistedKey::writeAll(d->persistedKeys(), bag);
}

QVariant Hourlet::GetSelectedAppt(Appt_Detail_Type ApptDetailType) const
{
    return GetSelectedAppt(int(ApptDetailType));
}

QVariant Hourlet::GetSelectedAppt(int ApptDetailType) const
{
    return d->sweep.selection().detail(ApptDetailType);
}

qint32 Hourlet::SetAppointment(const OleDate &ApptDate, const OleDate &TimeBegin, const OleDate &TimeEnd,
                               const QString &DisplayText, const QString &ApptDetail, qint32 ApptType,
                               const QString &Location, const QVariant &ApptID)
{
    return SetAppointment(ApptDate, TimeBegin, TimeEnd, DisplayText, ApptDetail, ApptType, Location, ApptID,
                          QVariant());
}

qint32 Hourlet::SetAppointment(const OleDate &ApptDate, const OleDate &TimeBegin, const OleDate &TimeEnd,
                               const QString &DisplayText, const QString &ApptDetail, qint32 ApptType,
                               const QString &Location, const QVariant &ApptID, const QVariant &Font,
                               const QVariant &ForeColor, const QVariant & /*BackColor*/, const QVariant &BorderColor,
                               const QVariant &AppBarColor)
{
    const CoordinatePair coordinates = SlotGeometry::timeRangeToCoordinates(d->activeDate, TimeBegin, TimeEnd);
    {
        const HourletLayout where = d->layout();
        HourletPainter painter(d->retained.surface(), where, d->look, d->font);
        painter.drawImmediate(coordinates, DisplayText, orDefault(Font, d->look.appItemFont, &fontOf),
                              orDefault(ForeColor, d->look.appItemForeColor, &NumberConversion::toColor),
                              orDefault(AppBarColor, d->look.appItemBarColor, &NumberConversion::toColor));
        d->refresh();
    }
    const qint32 id = NumberConversion::toInt32(ApptID);
    if (id <= 0) {
        Appointment record;
        setDetails(record, d->activeDate, TimeBegin, TimeEnd, DisplayText, ApptDetail, ApptType, Location);
        record.AppBorderColor = orDefault(BorderColor, OleColor(), &NumberConversion::toColor);
        record.AppBarColor = orDefault(AppBarColor, d->look.appItemBarColor, &NumberConversion::toColor);
        d->list.append(record);
        return d->save(record);
    }
    const qint32 index = d->list.indexOfId(id);
    if (index < 0)
        return 0;
    Appointment &record = d->list[index];
    setDetails(record, ApptDate, TimeBegin, TimeEnd, DisplayText, ApptDetail, ApptType, Location);
    return d->save(record);
}

quint8 Hourlet::DeleteAppointment(qint32 RecordNumber)
{
    const qint32 upperBound = d->list.upperBound();
    const auto hide = [this, RecordNumber, upperBound] {
        d->list.markDeleted(RecordNumber, upperBound);
        d->paintHighlight();
    };
    bool deleted = false;
    if (d->modelBinding.hasModel()) {
        {
            const QScopedValueRollback<bool> writing(d->writingModel, true);
            deleted = d->modelBinding.deleteRows(RecordNumber);
        }
        if (deleted)
            hide();
    } else {
        deleted = d->binding.deleteSession(RecordNumber, hide);
    }
    if (!deleted)
        return 0;
    d->refresh();
    return 1;
}

void Hourlet::setModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &connection : std::as_const(d->modelConnections))
        disconnect(connection);
    d->modelConnections.clear();
    d->modelBinding.setModel(model);
    if (model) {
        const auto changed = [this] { d->onModelChanged(); };
        d->modelConnections = {
            connect(model, &QAbstractItemModel::rowsInserted, this, changed),
            connect(model, &QAbstractItemModel::rowsRemoved, this, changed),
            connect(model, &QAbstractItemModel::rowsMoved, this, changed),
            connect(model, &QAbstractItemModel::dataChanged, this, changed),
            connect(model, &QAbstractItemModel::modelReset, this, changed),
            connect(model, &QAbstractItemModel::layoutChanged, this, changed),
            connect(model, &QObject::destroyed, this,
                    [this] {
                        d->modelBinding.setModel(nullptr);
                        d->modelConnections.clear();
                        d->onModelChanged();
                    }),
        };
    }
    d->fullRepaint();
}

QAbstractItemModel *Hourlet::model() const
{
    return d->modelBinding.model();
}

void Hourlet::UpdateDisplay()
{
    d->fullRepaint();
}

void Hourlet::Paint()
{
    d->vScroll->update();
}

void Hourlet::Refresh()
{
    d->refresh();
}

const GdiSurface &Hourlet::drawingSurface() const
{
    return d->retained.surface();
}

// --- Properties ------------------------------------------------------------------------------

OleColor Hourlet::backColor() const
{
    return d->backColor;
}

void Hourlet::setBackColor(OleColor color)
{
    d->backColor = color;
    d->fullRepaint();
    propertyChanged(QStringLiteral("BackColor"));
}

void Hourlet::setControlEnabled(bool enabled)
{
    setEnabled(enabled);
    propertyChanged(QStringLiteral("Enabled"));
}

QFont Hourlet::controlFont() const
{
    return d->font;
}

void Hourlet::setControlFont(const QFont &font)
{
    d->font = font;
    propertyChanged(QStringLiteral("Font"));
}

qint16 Hourlet::borderStyle() const
{
    return d->borderStyle;
}

void Hourlet::setBorderStyle(qint16 style)
{
    d->borderStyle = style;
    propertyChanged(QStringLiteral("BorderStyle"));
}

QString Hourlet::connectionString() const
{
    return d->binding.connectionString();
}

void Hourlet::setConnectionString(const QString &connectionString)
{
    d->binding.setConnectionString(connectionString);
    emitPropertyNotify(QStringLiteral("ConnectionString"));
}

bool Hourlet::showVscroll() const
{
    return d->scrollBarShown();
}

void Hourlet::setShowVscroll(bool show)
{
    d->vScroll->setVisible(show);
    propertyChanged(QStringLiteral("ShowVscroll"));
}

qint16 Hourlet::vScrollValue() const
{
    return qint16(d->scrollValue());
}

void Hourlet::setVScrollValue(qint16 value)
{
    d->vScroll->setValue(value > d->vScroll->max() ? d->vScroll->max() : value);
    propertyChanged(QStringLiteral("VScrollValue"));
}

void Hourlet::writeVScrollValue(qint16 value) noexcept
{
    QtBoundary::writeProperty(this, "VScrollValue", [this, value] { setVScrollValue(value); });
}

qint32 Hourlet::resource() const
{
    return d->resource;
}

void Hourlet::setResource(qint32 resource)
{
    d->resource = resource;
    d->load();
    d->fullRepaint();
    emitPropertyNotify(QStringLiteral("Resource"));
}

bool Hourlet::showTimeScale() const
{
    return d->showTimeScale;
}

void Hourlet::setShowTimeScale(bool show)
{
    d->setFlag(d->showTimeScale, show, QStringLiteral("ShowTimeScale"));
}

QString Hourlet::dateFormat() const
{
    return d->dateFormat;
}

void Hourlet::setDateFormat(const QString &format)
{
    d->dateFormat = format;
    UpdateDisplay();
    propertyChanged(QStringLiteral("DateFormat"));
}

bool Hourlet::selectionHighlight() const
{
    return d->selectionHighlight;
}

void Hourlet::setSelectionHighlight(bool highlight)
{
    d->selectionHighlight = highlight;
    emitPropertyNotify(QStringLiteral("SelectionHighlight"));
}

QFont Hourlet::appItemFont() const
{
    return d->look.appItemFont;
}

void Hourlet::setAppItemFont(const QFont &font)
{
    d->look.appItemFont = font;
    propertyChanged(QStringLiteral("AppItemFont"));
}

OleDate Hourlet::activeDate() const
{
    return d->activeDate;
}

void Hourlet::setActiveDate(const OleDate &date)
{
    d->activeDate = date.checked(ErrorNumber::InvalidPropertyValue);
    d->sweep.moveToDate(date);
    d->fullRepaint();
    propertyChanged(QStringLiteral("ActiveDate"));
}

OLVAR_VIEW_DATE_SETTERS(Hourlet)

Hourlet::Time_Slot_Type Hourlet::minutesPerSlot() const
{
    return d->minutesPerSlot;
}

void Hourlet::setMinutesPerSlot(Time_Slot_Type type)
{
    d->minutesPerSlot = type;
    propertyChanged(QStringLiteral("MinutesPerSlot"));
}

#define OLVAR_HOURLET_COLOR(Property, getter, setter, repaints)                                                        \
    OleColor Hourlet::getter() const                                                                                   \
    {                                                                                                                  \
        return d->look.getter;                                                                                         \
    }                                                                                                                  \
    void Hourlet::setter(OleColor color)                                                                               \
    {                                                                                                                  \
        d->setColor(&HourletAppearance::getter, color, QStringLiteral(#Property), repaints);                           \
    }
OLVAR_VIEW_COLORS(OLVAR_HOURLET_COLOR)
OLVAR_HOURLET_COLOR(HighLightColor, highLightColor, setHighLightColor, false)
OLVAR_HOURLET_COLOR(BarColor, barColor, setBarColor, true)
#undef OLVAR_HOURLET_COLOR

qint32 Hourlet::sessionId() const
{
    return d->sweep.selection().ApptID;
}
OleDate Hourlet::sessionDate() const
{
    return d->sweep.selection().ApptDate;
}
QString Hourlet::subject() const
{
    return d->sweep.selection().ApptSubject;
}
QString Hourlet::startTime() const
{
    return DateText::general(d->sweep.selection().ApptTimeStart);
}
QString Hourlet::endTime() const
{
    return DateText::general(d->sweep.selection().ApptTimeEnd);
}
qint32 Hourlet::itemCount() const
{
    return d->list.upperBound();
}

OleDate Hourlet::workDayStart() const
{
    return d->workDayStart;
}
void Hourlet::setWorkDayStart(const OleDate &time)
{
    d->setWorkDay(time, d->workDayEnd);
}
OleDate Hourlet::workDayEnd() const
{
    return d->workDayEnd;
}
void Hourlet::setWorkDayEnd(const OleDate &time)
{
    d->setWorkDay(d->workDayStart, time);
}

bool Hourlet::showNowLine() const
{
    return d->showNowLine;
}

void Hourlet::setShowNowLine(bool show)
{
    d->setAddition(d->showNowLine, show, "ShowNowLine", [this] {
        d->updateNowTimer();
        d->fullRepaint();
    });
}

OleColor Hourlet::nowLineColor() const
{
    return d->nowLineColor;
}

void Hourlet::setNowLineColor(OleColor color)
{
    d->setAddition(d->nowLineColor, color, "NowLineColor", [this] {
        if (d->showNowLine)
            d->fullRepaint();
    });
}

bool Hourlet::overlapLayout() const
{
    return d->overlapLayout;
}

void Hourlet::setOverlapLayout(bool sideBySide)
{
    d->setAddition(d->overlapLayout, sideBySide, "OverlapLayout", [this] { d->fullRepaint(); });
}

bool Hourlet::keyboardSelection() const
{
    return d->keyboardSelection;
}

void Hourlet::setKeyboardSelection(bool on)
{
    d->setAddition(d->keyboardSelection, on, "KeyboardSelection", [this] { d->fullRepaint(); });
}

bool Hourlet::allowDragEdit() const
{
    return d->allowDragEdit;
}

void Hourlet::setAllowDragEdit(bool allow)
{
    d->setAddition(d->allowDragEdit, allow, "AllowDragEdit", [this] { d->cancelDrag(); });
}

void Hourlet::setDayLocator(std::function<std::optional<OleDate>(const QPoint &)> locator)
{
    d->dayLocator = std::move(locator);
}

// --- Events ----------------------------------------------------------------------------------

void Hourlet::paintEvent(QPaintEvent *event)
{
    // Our own refreshes, and the scroll bar's repaints of what lies under it, only show the drawing.
    const bool shownOnly = d->refreshRequested || d->vScroll->geometry().contains(event->rect());
    d->refreshRequested = false;
    if (!shownOnly)
        QtBoundary::run(this, "paint", [this] { d->fullRepaint(false); });
    d->retained.paint(event);
}

void Hourlet::resizeEvent(QResizeEvent *)
{
    QtBoundary::run(this, "resize", [this] { d->onResize(); });
}

void Hourlet::showEvent(QShowEvent *)
{
    d->refreshRequested = false;
}

void Hourlet::mousePressEvent(QMouseEvent *event)
{
    QtBoundary::run(this, "mouse press", [this, event] {
        if (event->button() == Qt::LeftButton)
            d->clickPending = true;
        d->press(VirtualKeys::buttons(event->button()), VirtualKeys::shiftState(event->modifiers()),
                 float(event->position().x()), float(event->position().y()));
        if (event->button() == Qt::LeftButton)
            d->beginDrag(float(event->position().x()), float(event->position().y()));
    });
}

void Hourlet::mouseMoveEvent(QMouseEvent *event)
{
    QtBoundary::run(this, "mouse move", [this, event] {
        d->move(VirtualKeys::buttons(event->buttons()), VirtualKeys::shiftState(event->modifiers()),
                float(event->position().x()), float(event->position().y()));
    });
}

void Hourlet::mouseReleaseEvent(QMouseEvent *event)
{
    QtBoundary::run(this, "mouse release", [this, event] {
        const bool left = event->button() == Qt::LeftButton;
        const bool click = left && d->clickPending && !d->inDoubleClick && rect().contains(event->position().toPoint());
        if (left) {
            d->clickPending = false;
            d->inDoubleClick = false;
        }
        d->release(VirtualKeys::buttons(event->button()), VirtualKeys::shiftState(event->modifiers()),
                   float(event->position().x()), float(event->position().y()));
        if (click)
            Q_EMIT Click();
    });
}

void Hourlet::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    QtBoundary::run(this, "double click", [this] {
        d->clickPending = false;
        d->inDoubleClick = true;
        Q_EMIT DblClick();
    });
}

void Hourlet::keyPressEvent(QKeyEvent *event)
{
    QtBoundary::run(this, "key press", [this, event] {
        if (event->key() == Qt::Key_Escape && d->drag.isActive())
            d->cancelDrag();
        d->handleKey(event->key(), event->modifiers().testFlag(Qt::ShiftModifier));
        Q_EMIT KeyDown(VirtualKeys::keyCode(event), VirtualKeys::shiftState(event->modifiers()));
        if (!event->text().isEmpty())
            Q_EMIT KeyPress(VirtualKeys::keyAscii(event->text()));
    });
}

void Hourlet::focusInEvent(QFocusEvent *event)
{
    ControlBase::focusInEvent(event);
    if (d->keyboardSelection)
        QtBoundary::run(this, "focus", [this] { d->paintHighlight(); });
}

void Hourlet::focusOutEvent(QFocusEvent *event)
{
    ControlBase::focusOutEvent(event);
    if (d->keyboardSelection)
        QtBoundary::run(this, "focus", [this] { d->paintHighlight(); });
}

void Hourlet::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    QtBoundary::run(this, "key release", [this, event] {
        Q_EMIT KeyUp(VirtualKeys::keyCode(event), VirtualKeys::shiftState(event->modifiers()));
    });
}

} // namespace OlvarControls
