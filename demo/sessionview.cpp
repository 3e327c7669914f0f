// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "sessionview.h"

#include "oleerror.h"

#include <QMetaObject>

using namespace OlvarControls;

namespace Sessara {

namespace {

void invokeOrRaise(bool invoked)
{
    if (!invoked)
        throw OleError(ErrorNumber::NotSupported);
}

} // namespace

SessionView::SessionView(QObject *view)
    : m_view(view)
{
}

QObject *SessionView::object() const
{
    if (!m_view)
        throw OleError(ErrorNumber::ObjectNotSet);
    return m_view;
}

qint32 SessionView::SetAppointment(const OleDate &ApptDate, const OleDate &TimeBegin, const OleDate &TimeEnd,
                                   const QString &DisplayText, const QString &ApptDetail, qint32 ApptType,
                                   const QString &Location, const QVariant &ApptID) const
{
    qint32 result = 0;
    invokeOrRaise(QMetaObject::invokeMethod(
        object(), "SetAppointment", Qt::DirectConnection, Q_RETURN_ARG(qint32, result),
        Q_ARG(OlvarControls::OleDate, ApptDate), Q_ARG(OlvarControls::OleDate, TimeBegin),
        Q_ARG(OlvarControls::OleDate, TimeEnd), Q_ARG(QString, DisplayText), Q_ARG(QString, ApptDetail),
        Q_ARG(qint32, ApptType), Q_ARG(QString, Location), Q_ARG(QVariant, ApptID)));
    return result;
}

quint8 SessionView::DeleteAppointment(qint32 RecordNumber) const
{
    quint8 result = 0;
    invokeOrRaise(QMetaObject::invokeMethod(object(), "DeleteAppointment", Qt::DirectConnection,
                                            Q_RETURN_ARG(quint8, result), Q_ARG(qint32, RecordNumber)));
    return result;
}

QObject *SessionView::column() const
{
    QObject *target = object();
    if (target->metaObject()->indexOfProperty("ActiveControl") >= 0) {
        target = target->property("ActiveControl").value<QObject *>();
        if (!target)
            throw OleError(ErrorNumber::ObjectNotSet);
    }
    return target;
}

void SessionView::UpdateDisplay() const
{
    invokeOrRaise(QMetaObject::invokeMethod(column(), "UpdateDisplay", Qt::DirectConnection));
}

std::optional<OleDate> SessionView::showDate(OleDate date) const
{
    QObject *target = object();
    if (target->metaObject()->indexOfProperty("ActiveControl") >= 0)
        target = target->property("ActiveControl").value<QObject *>();
    const QVariant shown = target ? target->property("ActiveDate") : QVariant();
    if (!shown.canConvert<OleDate>() || !date.isValid())
        return std::nullopt;
    // Moving to the day already shown would only load and repaint it twice.
    if (shown.value<OleDate>().datePart() == date.datePart())
        return std::nullopt;
    target->setProperty("ActiveDate", QVariant::fromValue(date));
    return shown.value<OleDate>();
}

} // namespace Sessara
