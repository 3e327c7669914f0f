#include "scriptedmessageboxes.h"

#include "msgbox.h"

#include <gtest/gtest.h>

using OlvarControls::MessageBoxRequest;
using OlvarControls::MsgBox;

namespace OlvarTest {

int ScriptedMessageBoxes::show(const MessageBoxRequest &request)
{
    m_requests.append(request);
    const QList<int> buttons = MsgBox::answersFor(request.buttons);
    if (m_answers.isEmpty())
        return buttons.first();
    const int answer = m_answers.takeFirst();
    if (!buttons.contains(answer))
        ADD_FAILURE() << "scripted answer " << answer << " is not a button of the box "
                      << testing::PrintToString(request);
    return answer;
}

void ScriptedMessageBoxes::answerNext(int answer)
{
    m_answers.append(answer);
}

MessageBoxRequest ScriptedMessageBoxes::last() const
{
    if (m_requests.isEmpty()) {
        ADD_FAILURE() << "no message box was shown";
        return {};
    }
    return m_requests.last();
}

void ScriptedMessageBoxes::clear()
{
    m_requests.clear();
    m_answers.clear();
}

ScriptedMessageBoxes &messageBoxes()
{
    return dynamic_cast<ScriptedMessageBoxes &>(MsgBox::service());
}

} // namespace OlvarTest

void OlvarControls::PrintTo(const MessageBoxRequest &request, std::ostream *os)
{
    *os << "{prompt \"" << request.prompt.toStdString() << "\", buttons " << request.buttons << ", title \""
        << request.title.toStdString() << "\"}";
}
