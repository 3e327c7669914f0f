// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

/*! \file dataaccessenums.h
    The numbers the data-access objects take for cursor types, lock types,
    command types and cursor locations, and the ones they report for states and
    positions. Every argument taking one of them also takes the plain number. */

namespace OlvarControls::DataAccess {

/*! How a recordset's cursor moves. */
enum CursorTypeEnum : int {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0, //!< forward only, the default
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

/*! The locking a recordset asks for; rows are changed through statements only. */
enum LockTypeEnum : int {
    adLockUnspecified = -1,
    adLockReadOnly = 1, //!< the default
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

/*! What a source text is. */
enum CommandTypeEnum : int {
    adCmdUnspecified = -1, //!< a statement, or a table when the text is a single name
    adCmdText = 1,
    adCmdTable = 2,
    adCmdUnknown = 8,
    adCmdTableDirect = 512,
};

/*! Where a recordset's cursor lives; a client-side cursor can always move back. */
enum CursorLocationEnum : int {
    adUseServer = 2, //!< the default
    adUseClient = 3,
};

/*! Whether an object is open. */
enum ObjectStateEnum : int {
    adStateClosed = 0,
    adStateOpen = 1,
};

/*! AbsolutePosition values that are no row number. */
enum PositionEnum : int {
    adPosUnknown = -1,
    adPosBOF = -2,
    adPosEOF = -3,
};

} // namespace OlvarControls::DataAccess
