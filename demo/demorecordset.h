// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "recordset.h"
#include "resumenext.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace Sessara {

/*!
    A recordset as the demo reads it: every call is one statement that may
    fail on its own. A failing call leaves its error pending on the
    connection's ResumeNext and answers as an empty result would: eof() true,
    value() Empty, absolutePosition() adPosEOF.
*/
class DemoRecordset
{
public:
    /*! Reads \a recordset, keeping failures on \a errors. */
    DemoRecordset(OlvarControls::DataAccess::Recordset recordset, std::shared_ptr<ResumeNext> errors);

    /*! Whether there is no current row (also when the read failed). */
    bool eof() const;
    /*! Moves to the next row. */
    void moveNext();
    /*! Moves to the first row. */
    void moveFirst();
    /*! The 1-based number of the current row; adPosEOF when there is none. */
    int absolutePosition() const;
    /*! The value of the column \a name in the current row; Empty when it cannot be read. */
    QVariant value(const QString &name) const;
    /*! The value of the column at \a index; Empty when it cannot be read. */
    QVariant value(int index) const;
    /*! Closes the recordset; a closed one is left as it is. */
    void close();

private:
    OlvarControls::DataAccess::Recordset m_recordset;
    std::shared_ptr<ResumeNext> m_errors;
};

} // namespace Sessara
