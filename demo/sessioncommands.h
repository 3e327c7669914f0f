#pragma once

#include <QObject>

#include <functional>

QT_BEGIN_NAMESPACE
class QDialog;
QT_END_NAMESPACE

namespace Sessara {

class SessionControls;

/*!
    The session dialog's commands on the stored session
    basGeneral::lngSessionID: "Cancel Session" / "Uncancel" within the
    practice's minimum notice, "Delete" through the view shown, and the two
    "Now" buttons that stamp the actual start and end times.
*/
class SessionCommands : public QObject
{
    Q_OBJECT

public:
    /*!
        Serves the command buttons of \a ui on \a dialog, which a delete
        closes; \a shownView gives the view the main window shows (its week
        view while basGeneral::bolWeekView is true, else its day view).
    */
    SessionCommands(SessionControls &ui, QDialog &dialog, std::function<QObject *()> shownView,
                    QObject *parent = nullptr);

    /*! cmdCancel: cancels the session when allowed, or un-cancels it; the caption tells which. */
    void cancelOrUncancel();
    /*! cmdDelete: once the user agrees, deletes the session through the view and closes the dialog. */
    void deleteSession();
    /*! cmdNow(\a index): puts the time now into the actual start (0) or end (1) time, asking before replacing one. */
    void stampNow(int index);

private:
    void cancel();
    void uncancel();

    SessionControls &m_ui;
    QDialog &m_dialog;
    std::function<QObject *()> m_shownView;
};

} // namespace Sessara
