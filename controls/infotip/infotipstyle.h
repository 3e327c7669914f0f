// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QFont>
#include <QString>

namespace OlvarControls {

/*!
    How an info tip looks and behaves: the settings behind its properties, with
    their defaults, and the fonts they make.
*/
struct InfoTipStyle
{
    /*! Alignments of the title and the text. */
    enum Alignment : qint32 { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
    /*! Border styles; any other value draws no border. */
    enum Border : qint32 { RaisedEdge = 0, FlatLine = 1 };

    bool showTitle = false;
    qint32 titleAlignment = AlignLeft;
    qint32 textAlignment = AlignLeft;
    OleColor titleColor = OleColor::system(OleColor::InfoText);
    OleColor foreColor = OleColor::system(OleColor::InfoText);
    OleColor backColor = OleColor::system(OleColor::InfoBackground);
    qint32 borderStyle = RaisedEdge;
    OleColor borderColor = OleColor::system(OleColor::DarkShadow3D);
    qint32 padding = 5; //!< inner margin in pixels
    qint32 tabSize = 8; //!< spaces for each tab of the text
    bool useSystemFont = true;
    QString fontName = QStringLiteral("Arial");
    qint32 fontSize = 8; //!< character height in pixels
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethrough = false;
    bool dropShadow = true;
    bool useTimeOut = true;
    qint32 timeOut = 2500; //!< milliseconds

    /*! Weights of the tip's fonts. */
    static constexpr int BoldWeight = 900;
    static constexpr int LightWeight = 300;

    /*!
        The font the text (\a title false) or the title (\a title true) is drawn
        in: the status-bar font with \c useSystemFont, else the \c font settings
        (a size below one pixel counts as one); the title's weight is always bold.
    */
    QFont font(bool title) const;
    /*! The font the platform uses in status bars. */
    static QFont statusBarFont();
};

} // namespace OlvarControls
