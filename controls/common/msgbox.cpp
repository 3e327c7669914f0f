// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "msgbox.h"

#include "oleerror.h"
#include "serviceholder_p.h"

#include <QApplication>
#include <QMessageBox>

namespace OlvarControls {

MessageBoxService::~MessageBoxService() = default;

namespace {

QMessageBox::StandardButton standardButton(int answer)
{
    switch (answer) {
    case MsgBox::Ok:
        return QMessageBox::Ok;
    case MsgBox::Cancel:
        return QMessageBox::Cancel;
    case MsgBox::Abort:
        return QMessageBox::Abort;
    case MsgBox::Retry:
        return QMessageBox::Retry;
    case MsgBox::Ignore:
        return QMessageBox::Ignore;
    case MsgBox::Yes:
        return QMessageBox::Yes;
    case MsgBox::No:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

QMessageBox::Icon standardIcon(int buttons)
{
    switch (buttons & MsgBox::IconMask) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case MsgBox::Exclamation:
        return QMessageBox::Warning;
    case MsgBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

/* The production service: a modal QMessageBox over the active window. */
class QtMessageBoxService final : public MessageBoxService
{
public:
    int show(const MessageBoxRequest &request) override
    {
        QString text = request.prompt;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

        QMessageBox box(standardIcon(request.buttons), request.title, text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        const QList<int> answers = MsgBox::answersFor(request.buttons);
        for (int answer : answers)
            box.addButton(standardButton(answer));
        box.setDefaultButton(standardButton(MsgBox::defaultAnswer(request.buttons)));
        box.exec();

        // Closing the box presses its escape button, which Qt picks among the buttons.
        const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
        for (int answer : answers) {
            if (standardButton(answer) == pressed)
                return answer;
        }
        return answers.contains(MsgBox::Cancel) ? MsgBox::Cancel : answers.last();
    }
};

using Holder = ServiceHolder<MessageBoxService, QtMessageBoxService>;

QString &storedApplicationTitle()
{
    static QString title;
    return title;
}

int showBox(const QString &prompt, int buttons, const QString &title, const QString &defaultTitle)
{
    MsgBox::answersFor(buttons); // refuses invalid buttons before anything is shown
    return MsgBox::service().show({prompt, buttons, title.isEmpty() ? defaultTitle : title});
}

} // namespace

int MsgBox::show(const QString &prompt, int buttons, const QString &title)
{
    return showBox(prompt, buttons, title, applicationTitle());
}

int MsgBox::showFromLibrary(const QString &prompt, int buttons, const QString &title)
{
    return showBox(prompt, buttons, title, libraryTitle());
}

void MsgBox::setApplicationTitle(const QString &title)
{
    storedApplicationTitle() = title;
}

QString MsgBox::applicationTitle()
{
    const QString &title = storedApplicationTitle();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

QString MsgBox::libraryTitle()
{
    return QStringLiteral("OlvarControls");
}

QList<int> MsgBox::answersFor(int buttons)
{
    const int icon = buttons & IconMask;
    const bool validIcon =
        icon == 0 || icon == Critical || icon == Question || icon == Exclamation || icon == Information;
    QList<int> answers;
    switch (buttons & ButtonSetMask) {
    case OkOnly:
        answers = {Ok};
        break;
    case OkCancel:
        answers = {Ok, Cancel};
        break;
    case AbortRetryIgnore:
        answers = {Abort, Retry, Ignore};
        break;
    case YesNoCancel:
        answers = {Yes, No, Cancel};
        break;
    case YesNo:
        answers = {Yes, No};
        break;
    case RetryCancel:
        answers = {Retry, Cancel};
        break;
    default:
        break;
    }
    const int defaultIndex = (buttons & DefaultButtonMask) / DefaultButton2;
    if (answers.isEmpty() || !validIcon || defaultIndex >= answers.size() || (buttons & ~0xFFF) != 0)
        throw OleError(ErrorNumber::InvalidProcedureCall,
                       QStringLiteral("Invalid message box buttons %1").arg(buttons));
    return answers;
}

int MsgBox::defaultAnswer(int buttons)
{
    return answersFor(buttons).at((buttons & DefaultButtonMask) / DefaultButton2);
}

void MsgBox::setService(std::unique_ptr<MessageBoxService> service)
{
    Holder::set(std::move(service));
}

MessageBoxService &MsgBox::service()
{
    return Holder::get();
}

} // namespace OlvarControls
