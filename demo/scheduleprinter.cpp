// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "scheduleprinter.h"

#include "gdisurface.h"
#include "hourletappearance.h"
#include "hourletlayout.h"
#include "hourletpainter.h"
#include "oleerror.h"
#include "schedulepage.h"

#include <QLoggingCategory>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

using namespace OlvarControls;

namespace Sessara {

namespace {
Q_LOGGING_CATEGORY(lcPrint, "olvar.sessara.schedule.print")
constexpr int TitleLeft = 6; // the column title in the header's grey row
constexpr int TitleTop = 30;
} // namespace

SchedulePrinter::SchedulePrinter(const QString &heading, const QString &dateRange, const QList<ScheduleColumn> &columns,
                                 const QString &dateFormat)
    : m_heading(heading)
    , m_dateRange(dateRange)
    , m_columns(columns)
    , m_dateFormat(dateFormat)
{
    if (m_columns.isEmpty())
        m_columns.append(ScheduleColumn());
}

QPageLayout::Orientation SchedulePrinter::orientation() const
{
    return m_columns.size() > 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool SchedulePrinter::print(QPagedPaintDevice &device) const
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(orientation());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter, QRectF(0, 0, device.width(), device.height()), device.logicalDpiY());
    return painter.end();
}

void SchedulePrinter::paint(QPainter &painter, const QRectF &page, double dotsPerInch) const
{
    const SchedulePage layout(page, dotsPerInch, int(m_columns.size()));
    paintHeader(painter, layout.headerRect());
    for (int i = 0; i < m_columns.size(); ++i) {
        // As the day view's repaint does, a failing column is skipped and the page goes on.
        try {
            paintColumn(painter, m_columns.at(i), layout.columnTransform(i),
                        QSize(layout.columnWidth(i), SchedulePage::dayHeight()), i == 0);
        } catch (const OleError &error) {
            qCWarning(lcPrint) << "Schedule column left unfinished:" << error.description();
        }
    }
}

void SchedulePrinter::paintHeader(QPainter &painter, const QRectF &header) const
{
    painter.save();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(header.height() * 0.3)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF top(header.left(), header.top(), header.width(), header.height() / 2);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, m_heading);
    font.setBold(false);
    font.setPixelSize(std::max(1, int(header.height() * 0.22)));
    painter.setFont(font);
    painter.drawText(top.translated(0, header.height() / 2), Qt::AlignLeft | Qt::AlignVCenter, m_dateRange);
    painter.restore();
}

void SchedulePrinter::paintColumn(QPainter &painter, const ScheduleColumn &column, const QTransform &transform,
                                  QSize size, bool timeScale) const
{
    painter.save();
    const std::unique_ptr<QPainter, void (*)(QPainter *)> restore(&painter, [](QPainter *p) { p->restore(); });
    painter.setTransform(transform, true);
    GdiSurface surface(size);
    surface.setMirror(&painter);
    const HourletLayout layout(size, timeScale, false, SchedulePage::scrollValue());
    HourletAppearance look;
    look.appItemFont = QFont(QStringLiteral("Arial"), 8);
    QFont font(QStringLiteral("Arial"), HourletPainter::SmallPointSize);
    HourletPainter painterOfDay(surface, layout, look, font);
    painterOfDay.fillTimeScale();
    painterOfDay.fillSlots();
    painterOfDay.drawGrid(true);
    painterOfDay.drawBar();
    painterOfDay.drawAppointments(column.appointments, column.date);
    painterOfDay.drawHeader(column.date, m_dateFormat, 0);
    if (!column.title.isEmpty()) {
        surface.setFont(font);
        surface.SetTextColor(look.timeScaleForeColor);
        surface.TextOutA(TitleLeft + layout.headerLeft(), TitleTop, column.title);
    }
}

void SchedulePrinter::preview(QWidget *parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgSchedulePreview"));
    dialog.setWindowTitle(m_heading);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter *target) {
        QPainter painter(target);
        paint(painter, QRectF(0, 0, target->width(), target->height()), target->logicalDpiY());
    });
    dialog.exec();
}

} // namespace Sessara
