// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "weekview.h"
#include "weekview_p.h"

#include "connection.h"
#include "controlfactory.h"
#include "hourlet_p.h"
#include "numberconversion.h"
#include "oleerror.h"
#include "propertybag.h"
#include "qtboundary_p.h"
#include "twips.h"
#include "viewmembers_p.h"
#include "weekdates.h"
#include "weeklayout.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>

#include <exception>

namespace OlvarControls {

OLVAR_REGISTER_CONTROL(WeekView, "OlvarControls.WeekView");

Q_LOGGING_CATEGORY(lcWeekView, "olvar.weekview")

namespace {

/* The caption format every column starts with. */
QString columnDateFormat()
{
    return QStringLiteral("ddd, dd mmm");
}

/* The font the columns are designed with. */
QFont columnDesignFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

// --- WeekViewPrivate -------------------------------------------------------------------------

OleDate WeekViewPrivate::defaultActiveDate()
{
    // "1/1/0000" as the date readers read it: year 0 is 2000. Read as text it depended on the
    // user's date order, and locales writing the year first could not make a week view at all.
    return OleDate::fromDate(QDate(2000, 1, 1));
}

WeekViewPrivate::WeekViewPrivate(WeekView *owner)
    : q(owner)
    , font(owner->ambientFont())
{
}

void WeekViewPrivate::createColumns()
{
    for (int index = 0; index < WeekLayout::ColumnCount; ++index) {
        auto *hourlet = new Hourlet(q);
        hourlet->setObjectName(QStringLiteral("Hourlet"));
        hourlet->setProperty("Index", index);
        PropertyBag design;
        design.WriteProperty(QStringLiteral("BorderStyle"), QVariant::fromValue(qint16(0)));
        design.WriteProperty(QStringLiteral("Font"), columnDesignFont());
        design.WriteProperty(QStringLiteral("AppItemFont"), columnDesignFont());
        design.WriteProperty(QStringLiteral("SelectionHighlight"), index != 3);
        hourlet->ReadProperties(design);
        columns[std::size_t(index)] = hourlet;
        hourlet->installEventFilter(q);
        QObject::connect(hourlet, &Hourlet::Click, q, [this, index] { columnClicked(index); });
        QObject::connect(hourlet, &Hourlet::DblClick, q, [this, index] { columnDoubleClicked(index); });
        QObject::connect(hourlet, &Hourlet::VScrollChange, q, [this] { synchroniseScroll(); });
        QObject::connect(hourlet, &Hourlet::BeforeAppointmentChange, q, &WeekView::BeforeAppointmentChange);
        QObject::connect(hourlet, &Hourlet::appointmentDragged, q, [this] { q->UpdateDisplay(); });
        hourlet->setDayLocator([this](const QPoint &global) { return dayAt(global); });
    }
}

void WeekViewPrivate::initialise()
{
    for (Hourlet *hourlet : columns)
        hourlet->setShowVscroll(hourlet == column(WeekLayout::ScrollBarColumn));
    for (Hourlet *hourlet : columns)
        hourlet->setShowTimeScale(hourlet == column(WeekLayout::TimeScaleColumn));
    forwardFontName(font, &Hourlet::controlFont, &Hourlet::setControlFont);
    for (Hourlet *hourlet : columns)
        hourlet->setDateFormat(columnDateFormat());
}

void WeekViewPrivate::setDefaults()
{
    v = StoredValues();
    v.activeDate = defaultActiveDate();
    v.appItemFont = q->ambientFont();
}

Hourlet &WeekViewPrivate::requireActive() const
{
    if (!active)
        throw OleError(ErrorNumber::ObjectNotSet);
    return *active;
}

void WeekViewPrivate::assignDates(OleDate date)
{
    const SharedConnection shared(*this);
    for (int index = 0; index < WeekLayout::ColumnCount; ++index)
        column(index)->setActiveDate(WeekDates::columnDate(date, index));
}

void WeekViewPrivate::checkDates(OleDate date)
{
    for (int index = 0; index < WeekLayout::ColumnCount; ++index)
        WeekDates::columnDate(date, index).checked(ErrorNumber::InvalidPropertyValue);
}

void WeekViewPrivate::layOut()
{
    const QRect client = q->contentsRect();
    const WeekLayout layout(Twips::fromPixels(q->width()), Twips::fromPixels(q->height()),
                            column(WeekLayout::TimeScaleColumn)->showTimeScale());
    const int height = Twips::toPixels(layout.height());
    for (int index = 0; index < WeekLayout::ColumnCount; ++index) {
        Hourlet *hourlet = column(index);
        const int width = layout.setsWidths() ? Twips::toPixels(layout.width(index)) : hourlet->width();
        hourlet->resize(width, height);
    }
    for (int index = WeekLayout::TimeScaleColumn; index >= 0; --index)
        column(index)->move(client.left() + Twips::toPixels(layout.left(index)), client.top());
    repaint();
}

void WeekViewPrivate::paint()
{
    try {
        for (Hourlet *hourlet : columns)
            hourlet->Refresh();
        column(WeekLayout::ScrollBarColumn)->Paint();
    } catch (...) {
        // Painting never reports a failure.
        QtBoundary::skipped(q, "painting the week", std::current_exception());
    }
}

void WeekViewPrivate::repaint()
{
    q->update();
    paint();
}

void WeekViewPrivate::synchroniseScroll()
{
    const SharedConnection shared(*this);
    for (int index = 1; index < WeekLayout::ColumnCount; ++index)
        column(index)->setVScrollValue(column(WeekLayout::ScrollBarColumn)->vScrollValue());
}

void WeekViewPrivate::columnClicked(int index)
{
    q->propertyChanged(QStringLiteral("ActiveControl"));
    if (v.selectionHighlight) {
        for (Hourlet *hourlet : columns)
            hourlet->setSelectionHighlight(false);
        column(index)->setSelectionHighlight(true);
    }
    column(index)->UpdateDisplay();
    repaint();
    Q_EMIT q->Click();
}

void WeekViewPrivate::columnDoubleClicked(int index)
{
    q->propertyChanged(QStringLiteral("ActiveControl"));
    column(index)->UpdateDisplay();
    repaint();
    Q_EMIT q->DblClick();
}

void WeekViewPrivate::forwardColor(OleColor StoredValues::*field, void (Hourlet::*set)(OleColor), OleColor color,
                                   const char *name)
{
    v.*field = color;
    for (Hourlet *hourlet : columns)
        (hourlet->*set)(color);
    q->propertyChanged(QString::fromLatin1(name));
}

void WeekViewPrivate::applyHighLightColor(OleColor color)
{
    Hourlet *first = column(0);
    first->setHighLightColor(color);
    for (int index = 1; index < WeekLayout::ColumnCount; ++index)
        column(index)->setHighLightColor(first->highLightColor());
}

void WeekViewPrivate::forwardFontName(const QFont &source, QFont (Hourlet::*get)() const,
                                      void (Hourlet::*set)(const QFont &))
{
    for (Hourlet *hourlet : columns) {
        QFont named = (hourlet->*get)();
        named.setFamilies(source.families());
        named.setFamily(source.family());
        (hourlet->*set)(named);
    }
}

void WeekViewPrivate::applyBorderStyle(qint16 style)
{
    v.borderStyle = style;
    const int margin = style == 0 ? 0 : 1;
    q->setContentsMargins(margin, margin, margin, margin);
    q->update();
}

void WeekViewPrivate::applyBackColor(OleColor color)
{
    v.backColor = color;
    q->update();
}

QList<WeekViewPrivate::PersistedKey> WeekViewPrivate::persistedKeys()
{
    static const StoredValues defaults;
    const auto key = [this](const char *name, auto field) {
        return PersistedKey::bound(name, defaults.*field, v.*field);
    };
    const QFont ambient = q->ambientFont();
    Hourlet *first = column(0);
    return {
        PersistedKey::of<OleColor>(
            QStringLiteral("BackColor"), defaults.backColor, [this] { return v.backColor; },
            [this](OleColor color) { applyBackColor(color); }),
        key("ForeColor", &StoredValues::foreColor),
        PersistedKey::of<bool>(
            QStringLiteral("Enabled"), false, [this] { return q->isEnabled(); },
            [this](bool enabled) { q->setEnabled(enabled); }),
        PersistedKey::bound("Font", ambient, font),
        key("BackStyle", &StoredValues::backStyle),
        PersistedKey::of<qint16>(
            QStringLiteral("BorderStyle"), 0, [this] { return v.borderStyle; },
            [this](qint16 style) { applyBorderStyle(style); }),
        PersistedKey::of<OleDate>(
            QStringLiteral("ActiveDate"), defaultActiveDate(), [this] { return v.activeDate; },
            [this](const OleDate &date) { v.activeDate = date.checked(ErrorNumber::InvalidPropertyValue); }),
        PersistedKey::of<qint16>(
            QStringLiteral("VScrollValue"), 0, [first] { return first->vScrollValue(); },
            [first](qint16 value) { first->setVScrollValue(value); }),
        key("ShowVscroll", &StoredValues::showVscroll),
        key("ShowTimeScale", &StoredValues::showTimeScale),
        key("Resource", &StoredValues::resource),
        key("VScrollValue", &StoredValues::vScrollValue),
        key("SelectionHighlight", &StoredValues::selectionHighlight),
        key("BarColor", &StoredValues::barColor),
        key("AppItemBackColor", &StoredValues::appItemBackColor),
        key("AppItemBarBorderColor", &StoredValues::appItemBarBorderColor),
        key("AppItemBarColor", &StoredValues::appItemBarColor),
        key("AppItemBorderColor", &StoredValues::appItemBorderColor),
        PersistedKey::bound("AppItemFont", ambient, v.appItemFont),
        key("AppItemForeColor", &StoredValues::appItemForeColor),
        key("AvailableColor", &StoredValues::availableColor),
        key("SlotLineColor", &StoredValues::slotLineColor),
        key("SlotsBorderColor", &StoredValues::slotsBorderColor),
        key("TimeScaleBackColor", &StoredValues::timeScaleBackColor),
        key("TimeScaleForeColor", &StoredValues::timeScaleForeColor),
        key("UnAvailableColor", &StoredValues::unAvailableColor),
        PersistedKey::of<OleColor>(
            QStringLiteral("HighLightColor"), OleColor(0), [first] { return first->highLightColor(); },
            [this](OleColor color) { applyHighLightColor(color); }),
        key("WorkDayStart", &StoredValues::workDayStart),
        key("WorkDayEnd", &StoredValues::workDayEnd),
        key("ShowNowLine", &StoredValues::showNowLine),
        key("NowLineColor", &StoredValues::nowLineColor),
        key("OverlapLayout", &StoredValues::overlapLayout),
        key("KeyboardSelection", &StoredValues::keyboardSelection),
        key("AllowDragEdit", &StoredValues::allowDragEdit),
    };
}

WeekViewPrivate::SharedConnection::SharedConnection(WeekViewPrivate &week)
    : m_week(week)
{
    if (week.lending || week.connectionString.isEmpty())
        return;
    try {
        auto connection = std::make_unique<DataAccess::Connection>(week.connectionString);
        connection->Open();
        m_connection = std::move(connection);
    } catch (const OleError &) {
        // Each column meets and handles the failure itself.
        QtBoundary::skipped(week.q, "opening the shared connection", std::current_exception());
        return;
    }
    week.lending = true;
    for (Hourlet *hourlet : week.columns)
        hourlet->d->binding.lend(m_connection.get());
}

WeekViewPrivate::SharedConnection::~SharedConnection()
{
    if (!m_connection)
        return;
    for (Hourlet *hourlet : m_week.columns)
        hourlet->d->binding.lend(nullptr);
    m_week.lending = false;
    try {
        m_connection->Close();
    } catch (const OleError &error) {
        qCWarning(lcWeekView, "closing the shared connection failed: %s", qPrintable(error.messageText()));
    }
}

std::optional<OleDate> WeekViewPrivate::dayAt(const QPoint &global) const
{
    for (Hourlet *hourlet : columns)
        if (hourlet->rect().contains(hourlet->mapFromGlobal(global)))
            return hourlet->activeDate();
    return std::nullopt;
}

void WeekViewPrivate::forwardAdditions()
{
    if (v.resetInvalidWorkDay())
        qCWarning(lcWeekView, "ReadProperties: the saved working day is empty or reversed; 09:00 to 17:00 used");
    for (Hourlet *hourlet : columns) {
        // The end first when the band moves later, so that no step leaves it reversed.
        if (v.workDayStart >= hourlet->workDayEnd()) {
            hourlet->setWorkDayEnd(v.workDayEnd);
            hourlet->setWorkDayStart(v.workDayStart);
        } else {
            hourlet->setWorkDayStart(v.workDayStart);
            hourlet->setWorkDayEnd(v.workDayEnd);
        }
        hourlet->setShowNowLine(v.showNowLine);
        hourlet->setNowLineColor(v.nowLineColor);
        hourlet->setOverlapLayout(v.overlapLayout);
        hourlet->setKeyboardSelection(v.keyboardSelection);
        hourlet->setAllowDragEdit(v.allowDragEdit);
    }
}

// --- WeekView --------------------------------------------------------------------------------

WeekView::WeekView(QWidget *parent)
    : ControlBase(parent)
    , d(std::make_unique<WeekViewPrivate>(this))
{
    d->setDefaults();
    d->createColumns();
    d->initialise();
}

WeekView::~WeekView() = default;

void WeekView::InitProperties()
{
    d->setDefaults();
    d->applyBackColor(d->v.backColor);
    d->applyBorderStyle(d->v.borderStyle);
}

void WeekView::ReadProperties(const PropertyBag &bag)
{
    PersistedKey::readAll(d->persistedKeys(), bag);
    d->forwardAdditions();
}

void WeekView::WriteProperties(PropertyBag &bag)
{
    PersistedKey::writeAll(d->persistedKeys(), bag);
}

Hourlet *WeekView::column(int index) const
{
    if (index < 0 || index >= WeekLayout::ColumnCount)
        return nullptr;
    return d->column(index);
}

qint32 WeekView::SetAppointment(const OleDate &ApptDate, const OleDate &TimeBegin, const OleDate &TimeEnd,
                                const QString &DisplayText, const QString &ApptDetail, qint32 ApptType,
                                const QString &Location, const QVariant &ApptID)
{
    Hourlet &target = d->requireActive();
    const qint32 result =
        target.SetAppointment(ApptDate, TimeBegin, TimeEnd, DisplayText, ApptDetail, ApptType, Location, ApptID);
    target.UpdateDisplay();
    return result;
}

quint8 WeekView::DeleteAppointment(qint32 RecordNumber)
{
    Hourlet &target = d->requireActive();
    const quint8 result = target.DeleteAppointment(RecordNumber);
    target.UpdateDisplay();
    return result;
}

QVariant WeekView::GetSelectedAppt(Hourlet::Appt_Detail_Type ApptDetailType) const
{
    return GetSelectedAppt(int(ApptDetailType));
}

QVariant WeekView::GetSelectedAppt(int ApptDetailType) const
{
    return d->requireActive().GetSelectedAppt(ApptDetailType);
}

void WeekView::setModel(QAbstractItemModel *model)
{
    for (Hourlet *hourlet : d->columns)
        hourlet->setModel(model);
    d->repaint();
}

QAbstractItemModel *WeekView::model() const
{
    return d->column(0)->model();
}

void WeekView::UpdateDisplay()
{
    const WeekViewPrivate::SharedConnection shared(*d);
    for (Hourlet *hourlet : d->columns)
        hourlet->UpdateDisplay();
    d->repaint();
}

void WeekView::Refresh()
{
    d->repaint();
}

// --- Properties ------------------------------------------------------------------------------

OleDate WeekView::activeDate() const
{
    return d->v.activeDate;
}

void WeekView::setActiveDate(const OleDate &date)
{
    d->checkDates(date); // a week that leaves the date range changes nothing
    d->v.activeDate = date;
    propertyChanged(QStringLiteral("ActiveDate"));
    d->assignDates(date);
    d->repaint();
}

OLVAR_VIEW_DATE_SETTERS(WeekView)

qint32 WeekView::resource() const
{
    return d->v.resource;
}

void WeekView::setResource(qint32 resource)
{
    d->v.resource = resource;
    const WeekViewPrivate::SharedConnection shared(*d);
    for (Hourlet *hourlet : d->columns)
        hourlet->setResource(resource);
    d->repaint();
    propertyChanged(QStringLiteral("Resource"));
}

QString WeekView::connectionString() const
{
    return d->connectionString;
}

void WeekView::setConnectionString(const QString &connectionString)
{
    d->connectionString = connectionString;
    for (Hourlet *hourlet : d->columns)
        hourlet->setConnectionString(connectionString);
    emitPropertyNotify(QStringLiteral("ConnectionString"));
}

QObject *WeekView::activeControl() const
{
    return d->active.data();
}

OleColor WeekView::backColor() const
{
    return d->v.backColor;
}

void WeekView::setBackColor(OleColor color)
{
    d->applyBackColor(color);
    propertyChanged(QStringLiteral("BackColor"));
}

OleColor WeekView::foreColor() const
{
    return d->v.foreColor;
}

void WeekView::setForeColor(OleColor color)
{
    d->v.foreColor = color;
    propertyChanged(QStringLiteral("ForeColor"));
}

void WeekView::setControlEnabled(bool enabled)
{
    setEnabled(enabled);
    propertyChanged(QStringLiteral("Enabled"));
}

QFont WeekView::controlFont() const
{
    return d->font;
}

void WeekView::setControlFont(const QFont &font)
{
    d->font = font;
    d->forwardFontName(font, &Hourlet::controlFont, &Hourlet::setControlFont);
    propertyChanged(QStringLiteral("Font"));
}

qint16 WeekView::backStyle() const
{
    return d->v.backStyle;
}

void WeekView::setBackStyle(qint16 style)
{
    d->v.backStyle = style;
    propertyChanged(QStringLiteral("BackStyle"));
}

qint16 WeekView::borderStyle() const
{
    return d->v.borderStyle;
}

void WeekView::setBorderStyle(qint16 style)
{
    d->applyBorderStyle(style);
    propertyChanged(QStringLiteral("BorderStyle"));
}

bool WeekView::showVscroll() const
{
    return d->column(WeekLayout::ScrollBarColumn)->showVscroll();
}

void WeekView::setShowVscroll(bool show)
{
    d->v.showVscroll = show;
    d->column(WeekLayout::ScrollBarColumn)->setShowVscroll(show);
    d->repaint();
    propertyChanged(QStringLiteral("ShowVscroll"));
}

bool WeekView::showTimeScale() const
{
    return d->column(WeekLayout::TimeScaleColumn)->showTimeScale();
}

void WeekView::setShowTimeScale(bool show)
{
    d->v.showTimeScale = show;
    Hourlet *leftmost = d->column(WeekLayout::TimeScaleColumn);
    leftmost->setShowTimeScale(show);
    leftmost->UpdateDisplay();
    d->repaint();
    propertyChanged(QStringLiteral("ShowTimeScale"));
}

QString WeekView::dateFormat() const
{
    return d->v.dateFormat;
}

void WeekView::setDateFormat(const QString &format)
{
    d->v.dateFormat = format;
    for (Hourlet *hourlet : d->columns)
        hourlet->setDateFormat(format);
    UpdateDisplay();
    propertyChanged(QStringLiteral("DateFormat"));
}

qint16 WeekView::vScrollValue() const
{
    return d->v.vScrollValue;
}

void WeekView::setVScrollValue(qint16 value)
{
    d->v.vScrollValue = value;
    propertyChanged(QStringLiteral("VScrollValue"));
}

bool WeekView::selectionHighlight() const
{
    return d->v.selectionHighlight;
}

void WeekView::setSelectionHighlight(bool highlight)
{
    d->v.selectionHighlight = highlight;
    for (Hourlet *hourlet : d->columns)
        hourlet->setSelectionHighlight(highlight);
    propertyChanged(QStringLiteral("SelectionHighlight"));
}

OleColor WeekView::barColor() const
{
    return d->v.barColor;
}

void WeekView::setBarColor(OleColor color)
{
    d->v.barColor = color;
    propertyChanged(QStringLiteral("BarColor"));
}

QFont WeekView::appItemFont() const
{
    return d->v.appItemFont;
}

void WeekView::setAppItemFont(const QFont &font)
{
    d->v.appItemFont = font;
    d->forwardFontName(font, &Hourlet::appItemFont, &Hourlet::setAppItemFont);
    propertyChanged(QStringLiteral("AppItemFont"));
}

OleColor WeekView::highLightColor() const
{
    return d->column(0)->highLightColor();
}

void WeekView::setHighLightColor(OleColor color)
{
    d->applyHighLightColor(color);
    propertyChanged(QStringLiteral("HighLightColor"));
}

#define OLVAR_WEEKVIEW_COLOR(Property, getter, setter, repaints)                                                       \
    OleColor WeekView::getter() const                                                                                  \
    {                                                                                                                  \
        return d->v.getter;                                                                                            \
    }                                                                                                                  \
    void WeekView::setter(OleColor color)                                                                              \
    {                                                                                                                  \
        d->forwardColor(&WeekViewPrivate::StoredValues::getter, &Hourlet::setter, color, #Property);                   \
    }
OLVAR_VIEW_COLORS(OLVAR_WEEKVIEW_COLOR)
#undef OLVAR_WEEKVIEW_COLOR

OleDate WeekView::workDayStart() const
{
    return d->v.workDayStart;
}
void WeekView::setWorkDayStart(const OleDate &time)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::workDayStart,
                       qOverload<const OleDate &>(&Hourlet::setWorkDayStart), time, "WorkDayStart");
}
OleDate WeekView::workDayEnd() const
{
    return d->v.workDayEnd;
}
void WeekView::setWorkDayEnd(const OleDate &time)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::workDayEnd, qOverload<const OleDate &>(&Hourlet::setWorkDayEnd),
                       time, "WorkDayEnd");
}
bool WeekView::showNowLine() const
{
    return d->v.showNowLine;
}
void WeekView::setShowNowLine(bool show)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::showNowLine, &Hourlet::setShowNowLine, show, "ShowNowLine");
}
OleColor WeekView::nowLineColor() const
{
    return d->v.nowLineColor;
}
void WeekView::setNowLineColor(OleColor color)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::nowLineColor, &Hourlet::setNowLineColor, color, "NowLineColor");
}
bool WeekView::overlapLayout() const
{
    return d->v.overlapLayout;
}
void WeekView::setOverlapLayout(bool sideBySide)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::overlapLayout, &Hourlet::setOverlapLayout, sideBySide,
                       "OverlapLayout");
}

bool WeekView::keyboardSelection() const
{
    return d->v.keyboardSelection;
}
void WeekView::setKeyboardSelection(bool on)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::keyboardSelection, &Hourlet::setKeyboardSelection, on,
                       "KeyboardSelection");
}

bool WeekView::allowDragEdit() const
{
    return d->v.allowDragEdit;
}
void WeekView::setAllowDragEdit(bool allow)
{
    d->forwardAddition(&WeekViewPrivate::StoredValues::allowDragEdit, &Hourlet::setAllowDragEdit, allow,
                       "AllowDragEdit");
}

// --- Events ----------------------------------------------------------------------------------

void WeekView::paintEvent(QPaintEvent *event)
{
    QtBoundary::run(this, "paint", [this, event] {
        QPainter painter(this);
        painter.fillRect(event->rect(), d->v.backColor.toQColor(palette()));
        if (d->v.borderStyle != 0) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    });
    d->paint();
}

void WeekView::resizeEvent(QResizeEvent *)
{
    QtBoundary::run(this, "resize", [this] { d->layOut(); });
}

bool WeekView::eventFilter(QObject *watched, QEvent *event)
{
    auto *hourlet = qobject_cast<Hourlet *>(watched);
    if (hourlet && hourlet->parent() == this) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            d->active = hourlet;
            break;
        default:
            break;
        }
    }
    return ControlBase::eventFilter(watched, event);
}

} // namespace OlvarControls
