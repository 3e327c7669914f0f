// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datalink.h"

#include "oleerror.h"

#include <QFile>
#include <QStringDecoder>

namespace OlvarControls::DataAccess {

namespace {

QString decode(const QByteArray &contents)
{
    // The byte-order mark decides; without one the text is taken as UTF-8.
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(contents);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder.decode(contents);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

} // namespace

QString DataLink::connectionStringFromContents(const QByteArray &contents)
{
    const QString text = decode(contents);
    bool inDataLinkSection = false;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inDataLinkSection = line.compare(QLatin1String("[oledb]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inDataLinkSection)
            return line;
    }
    return QString();
}

QString DataLink::readConnectionString(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("Cannot read the data-link file '%1': %2").arg(path, file.errorString()));
    }
    const QString connectionString = connectionStringFromContents(file.readAll());
    if (connectionString.isEmpty()) {
        throw OleError(ErrorNumber::GeneralFailure,
                       QStringLiteral("The data-link file '%1' holds no connection string.").arg(path));
    }
    return connectionString;
}

} // namespace OlvarControls::DataAccess
