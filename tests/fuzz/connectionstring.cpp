// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Fuzz target: the connection-string parser and the data-link reader. Any
// input may be refused (an OleError); nothing crashes, and:
// - the values of a parsed string, written again between quotes, parse back the same;
// - any text, as a quoted value (either quote) or as a plain one where it can be, reads back as itself;
// - any text written as the connection string of a data-link file (UTF-16 with
//   a byte-order mark, or UTF-8) reads back as itself, where a line can hold it.

#include "connectionstringparser.h"
#include "datalink.h"
#include "fuzzsupport.h"
#include "oleerror.h"

#include <QStringEncoder>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

QString quoted(QString value, QChar quote)
{
    return quote + value.replace(quote, QString(2, quote)) + quote;
}

std::optional<ConnectionStringParser> parse(const QString &text)
{
    try {
        return ConnectionStringParser(text);
    } catch (const OleError &) {
        return std::nullopt;
    }
}

void checkParsedValuesRoundTrip(const QString &input)
{
    const std::optional<ConnectionStringParser> parsed = parse(input);
    if (!parsed)
        return;
    // The keys: what stands before "=" in a part (parts inside quoted values are no keys and are not found).
    QStringList keys;
    for (const QString &part : input.split(QLatin1Char(';'))) {
        const QString key = ConnectionStringParser::normalizedKey(part.section(QLatin1Char('='), 0, 0));
        if (part.contains(QLatin1Char('=')) && parsed->contains(key) && !keys.contains(key))
            keys.append(key);
    }
    QString written;
    for (const QString &key : keys)
        written += key + QLatin1Char('=') + quoted(parsed->value(key), QLatin1Char('"')) + QLatin1Char(';');
    const std::optional<ConnectionStringParser> again = parse(written);
    OlvarFuzz::check(again.has_value(), "values written again between quotes do not parse", input);
    for (const QString &key : keys)
        OlvarFuzz::check(again->value(key) == parsed->value(key), "a value written again reads back otherwise", input);
}

void checkAnyValueRoundTrips(const QString &value)
{
    for (const QChar quote : {QLatin1Char('"'), QLatin1Char('\'')}) {
        const std::optional<ConnectionStringParser> parsed =
            parse(QStringLiteral("Provider=SQLite; Data Source = ") + quoted(value, quote) + QStringLiteral(" ;x=1"));
        OlvarFuzz::check(parsed && parsed->value(QStringLiteral("data source")) == value
                             && parsed->value(QStringLiteral("X")) == QLatin1String("1"),
                         "a quoted value does not read back as itself", value);
    }
    const bool plain = value == value.trimmed() && !value.contains(QLatin1Char(';'))
        && !value.startsWith(QLatin1Char('"')) && !value.startsWith(QLatin1Char('\''));
    if (plain) {
        const std::optional<ConnectionStringParser> parsed = parse(QStringLiteral("Data Source=") + value);
        OlvarFuzz::check(parsed && parsed->value(QStringLiteral("Data Source")) == value,
                         "a plain value does not read back as itself", value);
    }
}

void checkDataLinkRoundTrip(const QString &input)
{
    QString line = input;
    line.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (line.isEmpty() || line != line.trimmed() || line.startsWith(QLatin1Char(';'))
        || (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))))
        return;
    const QString file = QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n") + line
        + QStringLiteral("\r\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray asUtf16 = utf16.encode(file);
    OlvarFuzz::check(DataLink::connectionStringFromContents(asUtf16) == line,
                     "a UTF-16 data-link file does not give back its connection string", input);
    OlvarFuzz::check(DataLink::connectionStringFromContents(file.toUtf8()) == line,
                     "a UTF-8 data-link file does not give back its connection string", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = OlvarFuzz::textOf(data, size);
    checkParsedValuesRoundTrip(text);
    checkAnyValueRoundTrips(text);
    checkDataLinkRoundTrip(text);
    // The raw bytes as a data-link file: whatever it holds is read without harm and parsed or refused.
    const QString fromFile =
        DataLink::connectionStringFromContents(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    parse(fromFile);
    return 0;
}
