// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oleerror.h"

/*! Runs \a call and returns the number of the OleError it raises, or 0. */
template <typename Call>
int errorNumberOf(Call call)
{
    try {
        call();
    } catch (const OlvarControls::OleError &error) {
        return error.number();
    }
    return 0;
}
