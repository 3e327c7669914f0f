// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "qtprinters.h"

#include "scriptedmessageboxes.h"

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << "QVariant(" << (value.isValid() ? value.metaType().name() : "Empty");
    if (value.canConvert<QString>())
        *os << ", \"" << value.toString().toStdString() << '"';
    *os << ')';
}

void OlvarControls::PrintTo(const MessageBoxRequest &request, std::ostream *os)
{
    *os << OlvarTest::describe(request).toStdString();
}
