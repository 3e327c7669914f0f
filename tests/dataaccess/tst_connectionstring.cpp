// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "connectionstringparser.h"
#include "datalink.h"
#include "oleerror.h"
#include "testenvironment.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

TEST(ConnectionStringParser, ReadsKeysCaseInsensitivelyAndTrimsBlanks)
{
    const ConnectionStringParser parsed(QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0; data   SOURCE = C:\\Sessara\\DIV97.mdb ;Persist Security Info=False;;"));
    EXPECT_EQ(parsed.provider(), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(parsed.value(QStringLiteral("Data Source")), QStringLiteral("C:\\Sessara\\DIV97.mdb"));
    EXPECT_EQ(parsed.dataSource(), QStringLiteral("C:/Sessara/DIV97.mdb"));
    EXPECT_EQ(parsed.value(QStringLiteral("PERSIST security info")), QStringLiteral("False"));
    EXPECT_FALSE(parsed.contains(QStringLiteral("User ID")));
    EXPECT_EQ(parsed.value(QStringLiteral("User ID"), QStringLiteral("Admin")), QStringLiteral("Admin"));
}

TEST(ConnectionStringParser, QuotedValuesMayHoldSemicolonsAndTheirOwnQuote)
{
    const ConnectionStringParser parsed(QStringLiteral(
        "Data Source=\"/tmp/a;b.db\"; Extended='it''s'; Provider = SQLite ; Data Source=\"/tmp/say \"\"hi\"\".db\""));
    EXPECT_EQ(parsed.value(QStringLiteral("Extended")), QStringLiteral("it's"));
    EXPECT_EQ(parsed.provider(), QStringLiteral("SQLite"));
    // A key given twice keeps its last value.
    EXPECT_EQ(parsed.dataSource(), QStringLiteral("/tmp/say \"hi\".db"));
    EXPECT_EQ(ConnectionStringParser(QStringLiteral("Data Source='/tmp/a;b.db'")).dataSource(),
              QStringLiteral("/tmp/a;b.db"));
}

TEST(ConnectionStringParser, MalformedPartsAreGeneralFailures)
{
    for (const char *text : {"Provider", "Provider=SQLite;garbage", "=value", "Data Source=\"open", "A='x' y"}) {
        try {
            ConnectionStringParser parsed{QString::fromLatin1(text)};
            ADD_FAILURE() << text;
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure) << text;
        }
    }
    EXPECT_NO_THROW(ConnectionStringParser{QString()});
    EXPECT_NO_THROW(ConnectionStringParser{QStringLiteral(" ; ;")});
}

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray utf16LittleEndianWithMark(const QString &text)
{
    QByteArray bytes("\xff\xfe", 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

const QString dataLinkText = QStringLiteral("[oledb]\r\n"
                                            "; Everything after this line is an OLE DB initstring\r\n"
                                            "Provider=SQLite;Data Source=/srv/Sessara/Praxis Größe.db\r\n");

} // namespace

TEST(DataLink, ReadsUtf16AndUtf8Files)
{
    OlvarTest::TempFolder folder;
    const QString expected = QStringLiteral("Provider=SQLite;Data Source=/srv/Sessara/Praxis Größe.db");

    writeFile(folder.filePath(QStringLiteral("wide.udl")), utf16LittleEndianWithMark(dataLinkText));
    EXPECT_EQ(DataLink::readConnectionString(folder.filePath(QStringLiteral("wide.udl"))), expected);

    writeFile(folder.filePath(QStringLiteral("plain.udl")), dataLinkText.toUtf8());
    EXPECT_EQ(DataLink::readConnectionString(folder.filePath(QStringLiteral("plain.udl"))), expected);

    writeFile(folder.filePath(QStringLiteral("marked.udl")), "\xef\xbb\xbf" + dataLinkText.toUtf8());
    EXPECT_EQ(DataLink::readConnectionString(folder.filePath(QStringLiteral("marked.udl"))), expected);
}

TEST(DataLink, OnlyTheDataLinkSectionCounts)
{
    EXPECT_EQ(DataLink::connectionStringFromContents("[other]\nProvider=X\n[OLEDB]\n;comment\n\nProvider=SQLite\n"),
              QStringLiteral("Provider=SQLite"));
    EXPECT_TRUE(DataLink::connectionStringFromContents("Provider=SQLite\n").isEmpty());
}

TEST(DataLink, MissingEmptyOrUnreadableFilesAreErrorsNamingTheFile)
{
    OlvarTest::TempFolder folder;
    writeFile(folder.filePath(QStringLiteral("empty.udl")), "[oledb]\r\n; nothing here\r\n");
    for (const QString &path : {folder.filePath(QStringLiteral("missing.udl")),
                                folder.filePath(QStringLiteral("empty.udl")), folder.path()}) {
        try {
            DataLink::readConnectionString(path);
            ADD_FAILURE() << qPrintable(path);
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure);
            EXPECT_TRUE(error.description().contains(path)) << qPrintable(error.description());
        }
    }
}
