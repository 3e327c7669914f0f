// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clockpanellayout.h"

namespace OlvarControls {

namespace {

/* Gap kept from the right and bottom edges and between the chime boxes. */
constexpr int EdgeGap = 5;
constexpr int BoxGap = 10;

} // namespace

QStringList ClockPanelLayout::elementNames()
{
    return {QStringLiteral("lblOnOff"),  QStringLiteral("chkOnOff"), QStringLiteral("lblTimer"),
            QStringLiteral("cmdTimer"),  QStringLiteral("Label2"),   QStringLiteral("chkS"),
            QStringLiteral("chkM"),      QStringLiteral("chkH"),     QStringLiteral("lblHMS"),
            QStringLiteral("lblChimes"), QStringLiteral("Label1"),   QStringLiteral("txtAlarmTime")};
}

QSize ClockPanelLayout::elementSize(const QString &name)
{
    static const QHash<QString, QSize> sizes{
        {QStringLiteral("lblOnOff"), QSize(975, 255)},  {QStringLiteral("chkOnOff"), QSize(255, 255)},
        {QStringLiteral("lblTimer"), QSize(1215, 255)}, {QStringLiteral("cmdTimer"), QSize(735, 315)},
        {QStringLiteral("Label2"), QSize(495, 255)},    {QStringLiteral("chkS"), QSize(135, 195)},
        {QStringLiteral("chkM"), QSize(135, 195)},      {QStringLiteral("chkH"), QSize(135, 195)},
        {QStringLiteral("lblHMS"), QSize(735, 255)},    {QStringLiteral("lblChimes"), QSize(735, 255)},
        {QStringLiteral("Label1"), QSize(1095, 255)},   {QStringLiteral("txtAlarmTime"), QSize(495, 315)},
    };
    return sizes.value(name);
}

QHash<QString, QRect> ClockPanelLayout::layOut(QSize client)
{
    const int width = client.width();
    const int height = client.height();
    QHash<QString, QRect> at;
    const auto place = [&at](const QString &name, int left, int top) {
        at.insert(name, QRect(QPoint(left, top), elementSize(name)));
    };

    place(QStringLiteral("Label1"), 0, 0);
    place(QStringLiteral("txtAlarmTime"), 0, 240);

    const QSize onOff = elementSize(QStringLiteral("lblOnOff"));
    place(QStringLiteral("lblOnOff"), width - onOff.width(), 0);
    place(QStringLiteral("chkOnOff"), width - elementSize(QStringLiteral("chkOnOff")).width(), onOff.height());

    const int timerTop = height - elementSize(QStringLiteral("lblTimer")).height() - EdgeGap;
    place(QStringLiteral("lblTimer"), 0, timerTop);
    const int buttonTop = timerTop - elementSize(QStringLiteral("cmdTimer")).height();
    place(QStringLiteral("cmdTimer"), 0, buttonTop);
    const int captionTop = buttonTop - elementSize(QStringLiteral("Label2")).height();
    place(QStringLiteral("Label2"), 0, captionTop);

    const QSize box = elementSize(QStringLiteral("chkS"));
    const int boxTop = height - box.height() - EdgeGap;
    const int secondsLeft = width - box.width() - EdgeGap;
    const int minutesLeft = secondsLeft - box.width() - BoxGap;
    const int hoursLeft = minutesLeft - box.width() - BoxGap;
    place(QStringLiteral("chkS"), secondsLeft, boxTop);
    place(QStringLiteral("chkM"), minutesLeft, boxTop);
    place(QStringLiteral("chkH"), hoursLeft, boxTop);
    place(QStringLiteral("lblHMS"), hoursLeft, boxTop - elementSize(QStringLiteral("lblHMS")).height());
    place(QStringLiteral("lblChimes"), width - elementSize(QStringLiteral("lblChimes")).width() + EdgeGap, captionTop);
    return at;
}

} // namespace OlvarControls
