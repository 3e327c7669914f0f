// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "schedulesource.h"

#include <QList>
#include <QPageLayout>
#include <QString>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QPainter;
class QWidget;
QT_END_NAMESPACE

namespace Sessara {

/*!
    A printed schedule on one page: a heading and a date range over day
    columns that the day view's own painter draws, 07:00 to 19:00, through
    the printer's painter at the printer's resolution (vectors and real text,
    not a picture of the screen). Each column's title is written in the grey
    row of its header band.
*/
class SchedulePrinter
{
public:
    /*! A schedule headed \a heading and \a dateRange, of \a columns, each captioned in \a dateFormat. */
    SchedulePrinter(const QString &heading, const QString &dateRange, const QList<ScheduleColumn> &columns,
                    const QString &dateFormat);

    /*! Portrait for one or two columns, landscape for more. */
    QPageLayout::Orientation orientation() const;
    /*! Prints the page on \a device, A4 in orientation(); false when the device cannot be painted on. */
    bool print(QPagedPaintDevice &device) const;
    /*! Draws the page into \a page, in device pixels at \a dotsPerInch. */
    void paint(QPainter &painter, const QRectF &page, double dotsPerInch) const;
    /*! Shows the print preview of this schedule, from which it can be printed or saved as PDF. */
    void preview(QWidget *parent) const;

private:
    void paintHeader(QPainter &painter, const QRectF &header) const;
    void paintColumn(QPainter &painter, const ScheduleColumn &column, const QTransform &transform, QSize size,
                     bool timeScale) const;

    QString m_heading;
    QString m_dateRange;
    QList<ScheduleColumn> m_columns;
    QString m_dateFormat;
};

} // namespace Sessara
