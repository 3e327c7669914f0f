// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "infotipstyle.h"

#include <QApplication>

#include <algorithm>

namespace OlvarControls {

QFont InfoTipStyle::font(bool title) const
{
    QFont result = statusBarFont();
    if (!useSystemFont) {
        result.setFamily(fontName);
        result.setPixelSize(std::max(1, fontSize));
        result.setWeight(QFont::Weight(fontBold ? BoldWeight : LightWeight));
        result.setItalic(fontItalic);
        result.setUnderline(fontUnderline);
        result.setStrikeOut(fontStrikethrough);
    }
    if (title)
        result.setWeight(QFont::Weight(BoldWeight));
    return result;
}

QFont InfoTipStyle::statusBarFont()
{
    return QApplication::font("QStatusBar");
}

} // namespace OlvarControls
