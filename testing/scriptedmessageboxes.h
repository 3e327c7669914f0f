// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <Olvar/messageboxservice.h>

#include <QList>
#include <QString>

#include <functional>

namespace OlvarTest {

/*!
    A message box service for a host's tests: records every box (text,
    buttons, title) and answers from a script instead of waiting for a user.
    Install it with MsgBox::setService(). A box with no scripted answer gets
    its first button (OK, or Yes).

    A scripted answer that is not one of the box's buttons, or last() without
    a box, is a fault of the test: it goes to the failure handler, which a test
    framework's adapter sets (GoogleTest's ADD_FAILURE, Qt Test's QFAIL), and
    is logged as a warning under olvar.test otherwise.
*/
class ScriptedMessageBoxes : public OlvarControls::MessageBoxService
{
public:
    /*! Receives the description of a fault of the test. */
    using FailureHandler = std::function<void(const QString &message)>;

    /*! Records \a request and returns the next scripted answer, or the first button. */
    int show(const OlvarControls::MessageBoxRequest &request) override;

    /*! Queues \a answer (MsgBox::Ok ... MsgBox::No) for the next box. */
    void answerNext(int answer);
    /*! The answers queued and not yet used. */
    int pendingAnswers() const { return int(m_answers.size()); }

    /*! Every box shown so far, oldest first. */
    const QList<OlvarControls::MessageBoxRequest> &requests() const { return m_requests; }
    /*! The number of boxes shown. */
    int count() const { return int(m_requests.size()); }
    /*! The box shown last; an empty request, and a failure, if there was none. */
    OlvarControls::MessageBoxRequest last() const;
    /*! Forgets the boxes shown and the answers queued. */
    void clear();

    /*! Sends the faults of every scripted service to \a handler; an empty one logs them. */
    static void setFailureHandler(FailureHandler handler);

private:
    QList<OlvarControls::MessageBoxRequest> m_requests;
    QList<int> m_answers;
};

/*! The scripted message boxes installed with MsgBox::setService(); a failure, and a fresh service, if none is. */
ScriptedMessageBoxes &messageBoxes();

/*! \a request as readable text, for failure messages. */
QString describe(const OlvarControls::MessageBoxRequest &request);

} // namespace OlvarTest
