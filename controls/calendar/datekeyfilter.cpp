// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datekeyfilter.h"

namespace OlvarControls {

namespace {

constexpr char16_t Backspace = 8;

} // namespace

std::optional<QChar> DateKeyFilter::filter(QChar typed)
{
    const char16_t c = typed.unicode();
    if ((c >= u'0' && c <= u'9') || c == Backspace)
        return typed;
    if (c == u'.' || c == u':' || c == u'/' || c == u'\\')
        return QChar(u'/');
    return std::nullopt;
}

QString DateKeyFilter::filter(const QString &typed)
{
    QString result;
    for (const QChar c : typed) {
        if (const std::optional<QChar> passed = filter(c))
            result.append(*passed);
    }
    return result;
}

} // namespace OlvarControls
