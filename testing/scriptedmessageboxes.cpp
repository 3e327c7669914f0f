// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "scriptedmessageboxes.h"

#include <Olvar/msgbox.h>

#include <QLoggingCategory>

#include <memory>

#include <utility>

using OlvarControls::MessageBoxRequest;
using OlvarControls::MsgBox;

namespace OlvarTest {

namespace {

Q_LOGGING_CATEGORY(lcTest, "olvar.test")

ScriptedMessageBoxes::FailureHandler &failureHandler()
{
    static ScriptedMessageBoxes::FailureHandler handler;
    return handler;
}

void fail(const QString &message)
{
    if (failureHandler())
        failureHandler()(message);
    else
        qCWarning(lcTest).noquote() << message;
}

} // namespace

int ScriptedMessageBoxes::show(const MessageBoxRequest &request)
{
    m_requests.append(request);
    const QList<int> buttons = MsgBox::answersFor(request.buttons);
    if (m_answers.isEmpty())
        return buttons.first();
    const int answer = m_answers.takeFirst();
    if (!buttons.contains(answer))
        fail(QStringLiteral("scripted answer %1 is not a button of the box %2").arg(answer).arg(describe(request)));
    return answer;
}

void ScriptedMessageBoxes::answerNext(int answer)
{
    m_answers.append(answer);
}

MessageBoxRequest ScriptedMessageBoxes::last() const
{
    if (m_requests.isEmpty()) {
        fail(QStringLiteral("no message box was shown"));
        return {};
    }
    return m_requests.last();
}

void ScriptedMessageBoxes::clear()
{
    m_requests.clear();
    m_answers.clear();
}

void ScriptedMessageBoxes::setFailureHandler(FailureHandler handler)
{
    failureHandler() = std::move(handler);
}

ScriptedMessageBoxes &messageBoxes()
{
    if (auto *scripted = dynamic_cast<ScriptedMessageBoxes *>(&MsgBox::service()))
        return *scripted;
    fail(QStringLiteral("the installed message box service is not ScriptedMessageBoxes; installing one"));
    auto service = std::make_unique<ScriptedMessageBoxes>();
    ScriptedMessageBoxes &installed = *service;
    MsgBox::setService(std::move(service));
    return installed;
}

QString describe(const MessageBoxRequest &request)
{
    return QStringLiteral("{prompt \"%1\", buttons %2, title \"%3\"}")
        .arg(request.prompt)
        .arg(request.buttons)
        .arg(request.title);
}

} // namespace OlvarTest
