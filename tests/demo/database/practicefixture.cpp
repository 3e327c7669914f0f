#include "practicefixture.h"

using namespace OlvarControls::DataAccess;

PracticeFixture::PracticeFixture()
    : database(folder.filePath(QStringLiteral("DIV97.db")))
{
    database.create();
    connection.setConnectionString(database.connectionString());
    connection.Open();
}

void PracticeFixture::TearDown()
{
    if (connection.State() == adStateOpen)
        connection.Close();
}

void PracticeFixture::run(const QString &statement)
{
    connection.Execute(statement);
}

QVariantList PracticeFixture::column(const QString &select, const QString &field)
{
    QVariantList values;
    Recordset rs;
    rs.Open(select, connection, adOpenForwardOnly, adLockReadOnly, -1);
    for (; !rs.Eof(); rs.MoveNext())
        values.append(rs.Fields(field).Value());
    rs.Close();
    return values;
}

QVariant PracticeFixture::first(const QString &select, const QString &field)
{
    Recordset rs = connection.Execute(select);
    return rs.Eof() ? QVariant() : rs.Fields(field).Value();
}
