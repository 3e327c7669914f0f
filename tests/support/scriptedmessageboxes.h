#pragma once

#include "messageboxservice.h"

#include <QList>

#include <ostream>

namespace OlvarTest {

/*!
    A message box service for tests: records every box and answers from a
    script. A box with no scripted answer gets its first button (OK, or Yes).
    A scripted answer that is not one of the box's buttons fails the test.
*/
class ScriptedMessageBoxes : public OlvarControls::MessageBoxService
{
public:
    int show(const OlvarControls::MessageBoxRequest &request) override;

    /*! Queues \a answer (MsgBox::Ok ... MsgBox::No) for the next box. */
    void answerNext(int answer);
    /*! The answers queued and not yet used. */
    int pendingAnswers() const { return int(m_answers.size()); }

    /*! Every box shown so far, oldest first. */
    const QList<OlvarControls::MessageBoxRequest> &requests() const { return m_requests; }
    /*! The number of boxes shown. */
    int count() const { return int(m_requests.size()); }
    /*! The box shown last; fails the test if there was none. */
    OlvarControls::MessageBoxRequest last() const;
    /*! Forgets the boxes shown and the answers queued. */
    void clear();

private:
    QList<OlvarControls::MessageBoxRequest> m_requests;
    QList<int> m_answers;
};

/*! The scripted message boxes installed for the running test. */
ScriptedMessageBoxes &messageBoxes();

} // namespace OlvarTest

namespace OlvarControls {
void PrintTo(const MessageBoxRequest &request, std::ostream *os);
}
