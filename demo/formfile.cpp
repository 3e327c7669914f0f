// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "formfile.h"

#include "oleerror.h"

#include <QFile>
#include <QStringList>

using namespace OlvarControls;

namespace Sessara {

namespace {

const QString BeginWord = QStringLiteral("Begin");
const QString EndLine = QStringLiteral("End");

OleError damaged(int lineNumber, const QString &why)
{
    return OleError(ErrorNumber::InvalidFileFormat, QStringLiteral("Form line %1: %2").arg(lineNumber).arg(why));
}

bool isIgnorable(const QString &line)
{
    return line.isEmpty() || line.startsWith(QLatin1Char('\''));
}

} // namespace

QList<FormControl> FormFile::fromText(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    QList<FormControl> controls;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (isIgnorable(line))
            continue;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() != 3 || words.at(0) != BeginWord)
            throw damaged(i + 1, QStringLiteral("expected \"Begin <type name> <name>\""));

        FormControl control;
        control.typeName = words.at(1);
        control.name = words.at(2);
        QStringList bagLines;
        int j = i + 1;
        for (; j < lines.size(); ++j) {
            bagLines.append(lines.at(j));
            if (lines.at(j).trimmed() == EndLine)
                break;
        }
        if (j == lines.size())
            throw damaged(i + 1, QStringLiteral("the properties of %1 do not end").arg(control.name));
        try {
            control.properties = PropertyBag::fromText(bagLines.join(QLatin1Char('\n')));
        } catch (const OleError &error) {
            throw damaged(i + 2, QStringLiteral("the properties of %1: %2").arg(control.name, error.description()));
        }
        controls.append(control);
        i = j;
    }
    return controls;
}

QList<FormControl> FormFile::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw OleError(ErrorNumber::FileNotFound, QStringLiteral("File not found: %1").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw OleError(ErrorNumber::PathFileAccessError, QStringLiteral("Cannot read %1").arg(fileName));
    return fromText(QString::fromUtf8(file.readAll()));
}

QString FormFile::toText(const QList<FormControl> &controls)
{
    QString text;
    for (const FormControl &control : controls) {
        text += BeginWord + QLatin1Char(' ') + control.typeName + QLatin1Char(' ') + control.name + QLatin1Char('\n');
        text += control.properties.toText();
        if (!text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
    }
    return text;
}

} // namespace Sessara
