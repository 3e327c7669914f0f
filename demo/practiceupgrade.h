// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace Sessara {

/*!
    Brings a practice database written by an older Sessara up to the current
    schema. It only adds what is missing (the case types: the table
    tblCaseType and the column tblClientCase.CaseTypeID; the series of
    sessions: the table tblSessionSeries) and never removes or changes data.
*/
class PracticeUpgrade
{
public:
    /*!
        Upgrades the database \a connectionString names and returns how many
        additions were made. A database that cannot be opened or changed is
        left as it is, and the failure is logged under "olvar.sessara.upgrade".
    */
    static int apply(const QString &connectionString);
};

} // namespace Sessara
