// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basgeneral.h"

#include "datalink.h"
#include "datetext.h"
#include "msgbox.h"
#include "numberconversion.h"
#include "oledate.h"
#include "olevariant.h"
#include "resumenext.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

using namespace OlvarControls;

namespace Sessara {

QString basGeneral::strConnectionString;
qint32 basGeneral::lngClientID = 0;
qint32 basGeneral::lngCounsellerID = 0;
qint32 basGeneral::lngSessionID = 0;
bool basGeneral::bolWeekView = false;

namespace {

QString inFolder(const QString &folder, const QString &fileName)
{
    return folder + QDir::separator() + fileName;
}

} // namespace

QString basGeneral::applicationTitle()
{
    return QStringLiteral("Sessara");
}

void basGeneral::resetState()
{
    strConnectionString.clear();
    lngClientID = 0;
    lngCounsellerID = 0;
    lngSessionID = 0;
    bolWeekView = false;
}

int basGeneral::Main(const MainWindowFactory &createMainWindow)
{
    const QPointer<QWidget> window = Start(createMainWindow);
    const int result = QCoreApplication::exec();
    delete window.data();
    return result;
}

QWidget *basGeneral::Start(const MainWindowFactory &createMainWindow)
{
    QCoreApplication::setApplicationName(applicationTitle());
    MsgBox::setApplicationTitle(applicationTitle());
    QWidget *window = createMainWindow ? createMainWindow() : nullptr;
    if (window)
        window->show();
    return window;
}

QVariant basGeneral::ValueOrDefault(const QVariant &Value, const QVariant &Default)
{
    return TextOf(Value).isEmpty() ? Default : Value;
}

QString basGeneral::QuoteForSql(const QVariant &Value)
{
    return TextOf(Value).replace(QLatin1Char('\''), QStringLiteral("''"));
}

qint32 basGeneral::Int32Of(const QVariant &value, qint32 fallback)
{
    qint32 result = fallback;
    ResumeNext()([&] { result = NumberConversion::toInt32(value); });
    return result;
}

QString basGeneral::TextOf(const QVariant &value)
{
    if (isEmptyVariant(value) || isNullVariant(value))
        return QString();
    if (value.metaType() == QMetaType::fromType<OleDate>()) {
        QString text;
        ResumeNext()([&] { text = DateText::general(value.value<OleDate>()); });
        return text;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

QString basGeneral::ProgramFolder()
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

QString basGeneral::ConnectionStringFor(const QString &programFolder)
{
    // The Jet 3.51 string of older installations always gave way to the 4.0 one,
    // which a readable data-link file replaces in turn.
    QString connectionString = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
        + inFolder(programFolder, QStringLiteral("DIV97.mdb")) + QStringLiteral(";Persist Security Info=False");
    ResumeNext()([&] {
        connectionString =
            DataAccess::DataLink::readConnectionString(inFolder(programFolder, QStringLiteral("MentaraData.udl")));
    });
    return connectionString;
}

void basGeneral::DecideConnectionString()
{
    strConnectionString = ConnectionStringFor(ProgramFolder());
}

} // namespace Sessara
