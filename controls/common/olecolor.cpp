// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "olecolor.h"

#include <QGuiApplication>

namespace OlvarControls {

OleColor OleColor::fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return fromRgb(rgb.red(), rgb.green(), rgb.blue());
}

QPalette::ColorRole OleColor::paletteRole(quint8 index)
{
    switch (index) {
    case Window:
    case ScrollBar:
        return QPalette::Base;
    case WindowText:
    case MenuText:
        return QPalette::Text;
    case ButtonFace:
    case Menu:
    case ActiveBorder:
    case InactiveBorder:
    case AppWorkspace:
    case Desktop:
        return QPalette::Button;
    case ButtonText:
    case CaptionText:
    case InactiveCaptionText:
        return QPalette::ButtonText;
    case DarkShadow3D:
    case WindowFrame:
        return QPalette::Shadow;
    case ButtonShadow:
        return QPalette::Dark;
    case ButtonHighlight:
        return QPalette::Light;
    case Light3D:
        return QPalette::Midlight;
    case Highlight:
    case ActiveCaption:
    case InactiveCaption:
        return QPalette::Highlight;
    case HighlightText:
        return QPalette::HighlightedText;
    case GrayText:
        return QPalette::PlaceholderText;
    case InfoText:
        return QPalette::ToolTipText;
    case InfoBackground:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

QColor OleColor::toQColor(const QPalette &palette) const
{
    if (isSystemColor()) {
        const quint8 index = systemIndex();
        if (index == GrayText)
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, paletteRole(index));
    }
    return QColor(red(), green(), blue());
}

QColor OleColor::toQColor() const
{
    return toQColor(QGuiApplication::palette());
}

namespace {

void registerOleColorConverters()
{
    QMetaType::registerConverter<OleColor, quint32>(&OleColor::value);
    QMetaType::registerConverter<quint32, OleColor>([](quint32 v) { return OleColor(v); });
    QMetaType::registerConverter<OleColor, qint32>([](OleColor c) { return qint32(c.value()); });
    QMetaType::registerConverter<qint32, OleColor>([](qint32 v) { return OleColor(quint32(v)); });
    QMetaType::registerConverter<OleColor, qint64>([](OleColor c) { return qint64(c.value()); });
    QMetaType::registerConverter<qint64, OleColor>([](qint64 v) { return OleColor(quint32(v)); });
    QMetaType::registerConverter<OleColor, QColor>([](OleColor c) { return c.toQColor(); });
    QMetaType::registerConverter<QColor, OleColor>(&OleColor::fromQColor);
}

Q_CONSTRUCTOR_FUNCTION(registerOleColorConverters)

} // namespace

} // namespace OlvarControls
