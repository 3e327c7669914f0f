#pragma once

#include "connection.h"
#include "errornumberof.h"
#include "testenvironment.h"

#include <QStringList>
#include <QVariant>

/*! A database file of its own in a temporary folder, made by running \a statements on an empty file. */
class TestDatabase
{
public:
    explicit TestDatabase(const QStringList &statements);

    QString path() const { return m_path; }
    /*! "Provider=SQLite;Data Source=<path>", then \a extra. */
    QString connectionString(const QString &extra = QString()) const;
    /*! A connection to the file, open. */
    OlvarControls::DataAccess::Connection open(const QString &extra = QString()) const;
    /*! The first column of the first row of \a select, read on a connection of its own. */
    QVariant scalar(const QString &select) const;

private:
    OlvarTest::TempFolder m_folder;
    QString m_path;
};
