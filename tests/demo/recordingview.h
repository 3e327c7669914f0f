// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

/*! A day column that counts its refreshes. */
class RecordingColumn : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE void UpdateDisplay() { ++updates; }
    int updates = 0;
};

/*!
    A view with the week view's members by name: SetAppointment() records its
    arguments and answers with nextId, DeleteAppointment() records the
    identifier and answers with deleteResult; ActiveControl is the focused
    column.
*/
class RecordingView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ActiveControl READ activeControl)
public:
    Q_INVOKABLE qint32 SetAppointment(const OlvarControls::OleDate &ApptDate, const OlvarControls::OleDate &TimeBegin,
                                      const OlvarControls::OleDate &TimeEnd, const QString &DisplayText,
                                      const QString &ApptDetail, qint32 ApptType, const QString &Location,
                                      const QVariant &ApptID = QVariant())
    {
        ++calls;
        date = ApptDate;
        begin = TimeBegin;
        end = TimeEnd;
        subject = DisplayText;
        detail = ApptDetail;
        type = ApptType;
        location = Location;
        apptId = ApptID;
        return nextId;
    }
    /*! Records the identifier and answers with deleteResult. */
    Q_INVOKABLE quint8 DeleteAppointment(qint32 RecordNumber)
    {
        deleted.append(RecordNumber);
        return deleteResult;
    }
    QObject *activeControl() const { return column; }

    QPointer<QObject> column;
    qint32 nextId = 0;
    int calls = 0;
    OlvarControls::OleDate date, begin, end;
    QString subject, detail, location;
    qint32 type = 0;
    QVariant apptId;
    QList<qint32> deleted;
    quint8 deleteResult = 1;
};
