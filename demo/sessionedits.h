// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

namespace Sessara {

class SessionControls;

/*!
    What the receptionist has typed into the session dialog, as the values of
    the fields that "Save" writes, so that edits not yet saved can be told
    from the state last shown or saved.
*/
class SessionEdits
{
public:
    /*! Nothing captured: no edits are ever pending. */
    SessionEdits() = default;

    /*! The values of the saved fields of \a ui now. */
    static SessionEdits capture(const SessionControls &ui);

    /*! Whether anything has been captured. */
    bool isCaptured() const { return m_captured; }
    /*! Whether \a now differs from these values; never when nothing was captured. */
    bool differsFrom(const SessionEdits &now) const { return m_captured && now.m_values != m_values; }

private:
    QStringList m_values;
    bool m_captured = false;
};

} // namespace Sessara
