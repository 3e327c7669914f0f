// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "practicedatabase.h"

#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"

#include <QFile>

#include <sqlite3.h>

#include <initializer_list>

using OlvarControls::OleDate;
using OlvarControls::OleError;
using OlvarControls::ErrorNumber::GeneralFailure;

namespace Sessara {

namespace {

// ---------------------------------------------------------------------------
// The file, in one transaction, and prepared inserts on it.

class DatabaseFile
{
public:
    DatabaseFile(const QString &path, bool create)
        : m_path(path)
    {
        const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK) {
            const QString message = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
            sqlite3_close(m_db);
            throw OleError(GeneralFailure, QStringLiteral("Cannot open '%1': %2").arg(path, message));
        }
        exec("BEGIN IMMEDIATE");
    }
    ~DatabaseFile()
    {
        if (!m_committed)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(m_db);
    }
    DatabaseFile(const DatabaseFile &) = delete;
    DatabaseFile &operator=(const DatabaseFile &) = delete;

    void exec(const QString &sql) { check(sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr)); }
    void exec(const char *sql) { check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr)); }
    void commit()
    {
        exec("COMMIT");
        m_committed = true;
        exec("ANALYZE"); // the planner's statistics, for the day view's load and the conflict checks
    }
    qint64 count(const char *table)
    {
        sqlite3_stmt *statement = nullptr;
        check(sqlite3_prepare_v2(m_db, QByteArray("SELECT count(*) FROM ").append(table).constData(), -1, &statement,
                                 nullptr));
        sqlite3_step(statement);
        const qint64 rows = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
        return rows;
    }
    void check(int rc) const
    {
        if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
            throw OleError(GeneralFailure,
                           QStringLiteral("%1: %2").arg(m_path, QString::fromUtf8(sqlite3_errmsg(m_db))));
        }
    }
    sqlite3 *handle() const { return m_db; }

private:
    QString m_path;
    sqlite3 *m_db = nullptr;
    bool m_committed = false;
};

class Insert
{
public:
    Insert(DatabaseFile &file, const char *sql)
        : m_file(file)
    {
        m_file.check(sqlite3_prepare_v2(file.handle(), sql, -1, &m_statement, nullptr));
    }
    ~Insert() { sqlite3_finalize(m_statement); }
    Insert(const Insert &) = delete;
    Insert &operator=(const Insert &) = delete;

    /*! Inserts one row of \a values; returns its identifier. */
    qint64 run(std::initializer_list<QVariant> values)
    {
        int index = 0;
        for (const QVariant &value : values)
            bind(++index, value);
        const int rc = sqlite3_step(m_statement);
        sqlite3_reset(m_statement);
        m_file.check(rc);
        return sqlite3_last_insert_rowid(m_file.handle());
    }

private:
    void bind(int index, const QVariant &value)
    {
        if (!value.isValid() || OlvarControls::isNullVariant(value)) {
            sqlite3_bind_null(m_statement, index);
        } else if (value.typeId() == QMetaType::Double) {
            sqlite3_bind_double(m_statement, index, value.toDouble());
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(m_statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(m_statement, index, value.toLongLong());
        }
    }

    DatabaseFile &m_file;
    sqlite3_stmt *m_statement = nullptr;
};

QVariant text(const char *value)
{
    return value ? QVariant(QString::fromUtf8(value)) : OlvarControls::nullVariant();
}

// ---------------------------------------------------------------------------
// The practice.

const char *const ethnicities[] = {"European", "Māori", "Samoan", "Tongan", "Chinese", "Indian", "Middle Eastern"};
const char *const languages[] = {"English", "Te Reo Māori", "Samoan", "Tongan", "Mandarin", "Hindi", "Arabic"};
const char *const locations[] = {"Room 1", "Room 2", "Room 3", "Group Room"};
const char *const sessionTypes[] = {"Assessment", "Counselling", "Review", "Group Session", "Supervision"};
const char *const clientTypes[] = {"Adult", "Child", "Couple", "Family", "Organisation"};
enum SessionType { Assessment = 1, Counselling, Review, GroupSession, Supervision };
enum ClientType { Adult = 1, Child, Couple, Family, Organisation };

struct Counsellor
{
    const char *salutation, *firstName, *lastName, *gender, *email, *phone, *mobile;
    std::initializer_list<int> ethnicities, languages;
};

const Counsellor counsellors[] = {
    {"Dr", "Aroha", "Ngata", "F", "aroha.ngata@sessara.example", "09 555 0101", "021 555 0101", {2, 1}, {1, 2}},
    {"Mr", "James", "Whitfield", "M", "james.whitfield@sessara.example", "09 555 0102", "021 555 0102", {1}, {1}},
    {"Ms", "Mei", "Chen", "F", "mei.chen@sessara.example", "09 555 0103", "021 555 0103", {5}, {1, 5}},
    {"Mrs", "Priya", "Sharma", "F", "priya.sharma@sessara.example", "09 555 0104", "021 555 0104", {6}, {1, 6}},
    {"Mr", "Sione", "Tupou", "M", "sione.tupou@sessara.example", "09 555 0105", "021 555 0105", {4, 3}, {1, 3, 4}},
};

struct Client
{
    const char *salutation, *firstName, *lastName, *organisation, *gender, *occupation, *street, *suburb, *postcode;
    int clientType;
    std::initializer_list<int> ethnicities, languages;
};

const Client clients[] = {
    {"Ms", "Ann", "Lee", nullptr, "F", "Teacher", "12 Rata Street", "Mt Eden", "1024", Adult, {5}, {1, 5}},
    {"Mr", "Tama", "Wiremu", nullptr, "M", "Builder", "4 Kauri Road", "Otahuhu", "1062", Adult, {2}, {1, 2}},
    {"Mrs", "Losa", "Faleolo", nullptr, "F", "Nurse", "88 Great South Road", "Papatoetoe", "2025", Family, {3}, {1, 3}},
    {"Mr", "David", "O'Connor", nullptr, "M", "Accountant", "7 Queen Street", "Ponsonby", "1011", Adult, {1}, {1}},
    {"Miss", "Ruby", "Patel", nullptr, "F", "Student", "23 Dominion Road", "Balmoral", "1041", Child, {6}, {1, 6}},
    {"Mr", "Wei", "Zhang", nullptr, "M", "Engineer", "150 Remuera Road", "Remuera", "1050", Adult, {5}, {5}},
    {"Ms", "Hana", "Tipene", nullptr, "F", "Artist", "3 Pohutukawa Place", "Devonport", "0624", Adult, {2, 1}, {1}},
    {"Mr", "Sami", "Haddad", nullptr, "M", "Chef", "61 Karangahape Road", "Newton", "1010", Adult, {7}, {7}},
    {"Mr & Mrs", "Tom", "Baker", nullptr, "M", "Retired", "19 Lake Road", "Takapuna", "0622", Couple, {1}, {1}},
    {"Ms", "Mele", "Taufa", nullptr, "F", "Retail assistant", "5 Bairds Road", "Otara", "2023", Adult, {4}, {1, 4}},
    {"Mr", "Arjun", "Singh", nullptr, "M", "Taxi driver", "30 Lambie Drive", "Manukau", "2104", Adult, {6}, {6}},
    {"Mrs", "Grace", "Kim", nullptr, "F", "Pharmacist", "2 Esplanade", "Mission Bay", "1071", Adult, {5}, {1}},
    {"Master", "Liam", "Walker", nullptr, "M", "Pupil", "44 Sandringham Road", "Kingsland", "1021", Child, {1}, {1}},
    {"Ms", "Aroha", "Paki", nullptr, "F", "Social worker", "9 Tainui Road", "Mangere", "2022", Adult, {2}, {1, 2}},
    {"Mr", "Ioane", "Leota", nullptr, "M", "Bus driver", "71 Massey Road", "Mangere East", "2024", Family, {3}, {3}},
    {"Ms",
     "Sarah",
     "McKenzie",
     nullptr,
     "F",
     "Lawyer",
     "16 Shortland Street",
     "Auckland Central",
     "1010",
     Adult,
     {1},
     {1}},
    {nullptr,
     "Peter",
     "Grant",
     "Harbour Bridge Engineering",
     "M",
     "Human resources",
     "1 Fanshawe Street",
     "Auckland Central",
     "1010",
     Organisation,
     {},
     {1}},
    {nullptr,
     "Linda",
     "Ward",
     "Southside Community Trust",
     "F",
     "Manager",
     "200 Great South Road",
     "Manurewa",
     "2102",
     Organisation,
     {},
     {1}},
    {nullptr,
     "Kiri",
     "Rangi",
     "Te Whare Awhina",
     "F",
     "Coordinator",
     "12 Marae Road",
     "Otara",
     "2023",
     Organisation,
     {2},
     {1, 2}},
    {nullptr,
     "Michael",
     "Brown",
     "Northcote Primary School",
     "M",
     "Principal",
     "5 Lake Road",
     "Northcote",
     "0627",
     Organisation,
     {},
     {1}},
};
constexpr int clientCount = int(std::size(clients));
constexpr int caseCount = 6; // clients 1 to 6 have a case each

// The six daily slots: start and end as times of day.
const QTime slotStarts[] = {QTime(9, 0), QTime(10, 0), QTime(11, 30), QTime(13, 0), QTime(14, 30), QTime(16, 0)};
constexpr int slotCount = int(std::size(slotStarts));

QString clientName(int client)
{
    const Client &c = clients[client - 1];
    if (c.organisation)
        return QString::fromUtf8(c.organisation);
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromUtf8(c.salutation), QString::fromUtf8(c.firstName), QString::fromUtf8(c.lastName));
}

void insertNames(DatabaseFile &file, const char *sql, const char *const *names, size_t count)
{
    Insert insert(file, sql);
    for (size_t i = 0; i < count; ++i)
        insert.run({text(names[i])});
}

void insertLinks(Insert &insert, int owner, std::initializer_list<int> targets)
{
    for (int target : targets)
        insert.run({owner, target});
}

void insertPeople(DatabaseFile &file, QDate day)
{
    insertNames(file, "INSERT INTO tblEthnecity (Description) VALUES (?)", ethnicities, std::size(ethnicities));
    insertNames(file, "INSERT INTO tblLanguage (Description) VALUES (?)", languages, std::size(languages));
    insertNames(file, "INSERT INTO tblLocation (Description) VALUES (?)", locations, std::size(locations));
    insertNames(file, "INSERT INTO tblSessionType (Description) VALUES (?)", sessionTypes, std::size(sessionTypes));
    insertNames(file, "INSERT INTO tblClientType (Description) VALUES (?)", clientTypes, std::size(clientTypes));
    Insert(file, "INSERT INTO tblConfig (Description, Value) VALUES (?, ?)")
        .run({text("MinimumCancellationTime"), text("24")});

    Insert counsellor(file,
                      "INSERT INTO tblCounseller (Salutation, FirstName, LastName, Gender, eMail, WorkPhone, "
                      "Mobile, PhysAddr1, PhysAddr2, PhysPcode, PostAddr1, PostAddr2, PostPcode) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, '101 Carlton Gore Road', 'Newmarket', '1023', "
                      "'PO Box 9090', 'Newmarket', '1149')");
    Insert counsellorEthnecity(file,
                               "INSERT INTO tblCounsellerEthnecityLink (CounsellerID, EthnecityID) VALUES (?, ?)");
    Insert counsellorLanguage(file, "INSERT INTO tblCounsellorLanguageLink (CounsellerID, LanguageID) VALUES (?, ?)");
    for (const Counsellor &c : counsellors) {
        const qint64 id = counsellor.run({text(c.salutation), text(c.firstName), text(c.lastName), text(c.gender),
                                          text(c.email), text(c.phone), text(c.mobile)});
        insertLinks(counsellorEthnecity, int(id), c.ethnicities);
        insertLinks(counsellorLanguage, int(id), c.languages);
    }

    Insert client(file,
                  "INSERT INTO tblClient (Salutation, FirstName, LastName, OrganisationName, Gender, Occupation, "
                  "PhysAddr1, PhysAddr2, PhysAddr3, PhysPcode, Email, Mobile, FirstContact) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'Auckland', ?, ?, ?, ?)");
    Insert clientEthnecity(file, "INSERT INTO tblClientEthnecityLink (ClientID, EthnecityID) VALUES (?, ?)");
    Insert clientLanguage(file, "INSERT INTO tblClientLanguageLink (ClientID, LanguageID) VALUES (?, ?)");
    Insert clientCase(file, "INSERT INTO tblClientCase (ClientID, Description, OpenedDate) VALUES (?, ?, ?)");
    int index = 0;
    for (const Client &c : clients) {
        ++index;
        const QString email = QString::fromUtf8(c.firstName).toLower() + QLatin1Char('.')
            + QString::fromUtf8(c.lastName).toLower().remove(QLatin1Char('\'')) + QStringLiteral("@mail.example");
        const QDate firstContact = day.addDays(-30 - 11 * index);
        const qint64 id =
            client.run({text(c.salutation), text(c.firstName), text(c.lastName), text(c.organisation), text(c.gender),
                        text(c.occupation), text(c.street), text(c.suburb), text(c.postcode), email,
                        QStringLiteral("022 555 %1").arg(2000 + index), OleDate::fromDate(firstContact).value()});
        insertLinks(clientEthnecity, int(id), c.ethnicities);
        insertLinks(clientLanguage, int(id), c.languages);
        if (index <= caseCount)
            clientCase.run(
                {id, QStringLiteral("Case of %1").arg(clientName(index)), OleDate::fromDate(firstContact).value()});
    }
}

// ---------------------------------------------------------------------------
// Sessions.

struct Booking
{
    QDate day;
    int slot = 0;
    int counsellor = 1;
    int client = 1;
    int sessionType = Counselling;
    bool cancelled = false;
    bool past = false;
    bool invoiced = false;
};

class SessionWriter
{
public:
    explicit SessionWriter(DatabaseFile &file)
        : m_session(file,
                    "INSERT INTO tblSession (SessionDate, StartTime, EndTime, SessionDescription, "
                    "AdditionalNotes, SessionTypeID, LocationID, ClientNominatedLocation, ClientTypeID, "
                    "BookedClientID, ActualStartTime, ActualEndTime, Chargeable, Cancelled, Invoiced) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        , m_counsellorLink(file, "INSERT INTO tblCounsellerSessionLink (CounsellerID, SessionID) VALUES (?, ?)")
        , m_clientLink(file, "INSERT INTO tblClientSessionLink (ClientID, SessionID, Status) VALUES (?, ?, 'Booked')")
        , m_caseLink(file, "INSERT INTO tblClientCaseSessionLink (ClientCaseID, SessionID) VALUES (?, ?)")
        , m_endNote(file, "INSERT INTO tblSessionClientEndNote (ClientID, SessionID, EndNote) VALUES (?, ?, ?)")
    {
    }

    /*! Stores \a booking with its links; returns the session's identifier. */
    qint64 add(const Booking &booking, bool withNotes)
    {
        // Counsellors 1 to 4 work in the rooms of the same numbers, counsellor 5 where the client asks.
        const bool ownRoom = booking.counsellor <= int(std::size(locations));
        const QString locationText = ownRoom ? QString::fromUtf8(locations[booking.counsellor - 1])
                                             : QStringLiteral("Client Nominated Location");
        const int clientType = clients[booking.client - 1].clientType;
        const QString subject = QStringLiteral("%1 %2 (%3) (%4)")
                                    .arg(QString::fromUtf8(clientTypes[clientType - 1]),
                                         QString::fromUtf8(sessionTypes[booking.sessionType - 1]), locationText,
                                         clientName(booking.client));
        const QTime start = slotStarts[booking.slot];
        const QTime end = start.addSecs(3600);
        const qint64 id = m_session.run({
            OleDate::fromDate(booking.day).value(),
            OleDate::fromTime(start).value(),
            OleDate::fromTime(end).value(),
            subject,
            withNotes ? notes(booking) : QString(),
            booking.sessionType,
            ownRoom ? booking.counsellor : -1,
            ownRoom ? QString() : QStringLiteral("Client's workplace"),
            clientType,
            booking.client,
            booking.past ? QVariant(start.addSecs(120).toString(QStringLiteral("HH:mm:ss")))
                         : OlvarControls::nullVariant(),
            booking.past ? QVariant(end.addSecs(-300).toString(QStringLiteral("HH:mm:ss")))
                         : OlvarControls::nullVariant(),
            booking.sessionType != Review,
            booking.cancelled,
            booking.invoiced,
        });
        m_counsellorLink.run({booking.counsellor, id});
        m_clientLink.run({booking.client, id});
        if (booking.sessionType == GroupSession)
            m_clientLink.run({booking.client % clientCount + 1, id});
        if (withNotes && booking.client <= caseCount)
            m_caseLink.run({booking.client, id});
        if (withNotes && booking.past && !booking.cancelled) {
            m_endNote.run({booking.client, id,
                           QStringLiteral("Reviewed the client's goals for %1; next steps agreed.")
                               .arg(booking.day.toString(Qt::ISODate))});
        }
        return id;
    }

private:
    static QString notes(const Booking &booking)
    {
        switch ((booking.client + booking.slot) % 4) {
        case 0:
            return QStringLiteral("Interpreter booked");
        case 1:
            return QStringLiteral("Follow-up from the last session");
        default:
            return QString();
        }
    }

    Insert m_session;
    Insert m_counsellorLink;
    Insert m_clientLink;
    Insert m_caseLink;
    Insert m_endNote;
};

// Booking of \a counsellor's \a slot on the \a dayIndex-th weekday, the same for sample and large sets.
Booking booking(QDate day, int dayIndex, int counsellor, int slot)
{
    Booking b;
    b.day = day;
    b.slot = slot;
    b.counsellor = counsellor;
    // Counsellors differ by 1 to 4, so 3 * difference is never a multiple of 20: no client is booked twice at once.
    b.client = (dayIndex * 5 + counsellor * 3 + slot * 7) % clientCount + 1;
    b.sessionType = counsellor == 5 && slot == slotCount - 1 ? GroupSession
        : day.dayOfWeek() == Qt::Friday && slot == 0         ? Review
        : (dayIndex + slot) % 4 == 0                         ? Assessment
                                                             : Counselling;
    b.cancelled = (dayIndex + counsellor + slot) % 11 == 0;
    return b;
}

bool isWeekday(QDate day)
{
    return day.dayOfWeek() <= Qt::Friday;
}

void checkEmpty(DatabaseFile &file, const QString &path)
{
    if (file.count("tblCounseller") > 0 || file.count("tblSession") > 0)
        throw OleError(GeneralFailure, QStringLiteral("The database '%1' already holds a practice.").arg(path));
}

} // namespace

PracticeDatabase::PracticeDatabase(const QString &filePath)
    : m_filePath(filePath)
{
}

QString PracticeDatabase::connectionString() const
{
    return QStringLiteral("Provider=SQLite;Data Source=\"%1\"")
        .arg(QString(m_filePath).replace(QLatin1Char('"'), QLatin1String("\"\"")));
}

QString PracticeDatabase::schemaScript()
{
    QFile file(QStringLiteral(":/sessara/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw OleError(GeneralFailure, QStringLiteral("The practice schema is missing from the program."));
    return QString::fromUtf8(file.readAll());
}

void PracticeDatabase::create()
{
    if (QFile::exists(m_filePath)) {
        throw OleError(GeneralFailure,
                       QStringLiteral("The file '%1' already exists; it is not overwritten.").arg(m_filePath));
    }
    try {
        DatabaseFile file(m_filePath, true);
        file.exec(schemaScript());
        file.commit();
    } catch (...) {
        QFile::remove(m_filePath);
        throw;
    }
}

void PracticeDatabase::fillSample(QDate day)
{
    DatabaseFile file(m_filePath, false);
    checkEmpty(file, m_filePath);
    insertPeople(file, day);
    SessionWriter writer(file);
    int dayIndex = 0;
    for (QDate d = day.addDays(-7); d <= day.addDays(6); d = d.addDays(1)) {
        if (!isWeekday(d))
            continue;
        for (int counsellor = 1; counsellor <= int(std::size(counsellors)); ++counsellor) {
            for (int slot = 0; slot < slotCount; ++slot) {
                if ((dayIndex + counsellor + slot) % 3 == 0)
                    continue; // a free slot
                Booking b = booking(d, dayIndex, counsellor, slot);
                b.past = d < day;
                b.invoiced = b.past && !b.cancelled && (counsellor + slot) % 3 == 1;
                writer.add(b, true);
            }
        }
        ++dayIndex;
    }
    file.commit();
}

void PracticeDatabase::fillLarge(int sessionCount, QDate firstDay)
{
    DatabaseFile file(m_filePath, false);
    checkEmpty(file, m_filePath);
    insertPeople(file, firstDay);
    SessionWriter writer(file);
    int written = 0;
    int dayIndex = 0;
    for (QDate d = firstDay; written < sessionCount; d = d.addDays(1)) {
        if (!isWeekday(d))
            continue;
        for (int counsellor = 1; counsellor <= int(std::size(counsellors)) && written < sessionCount; ++counsellor) {
            for (int slot = 0; slot < slotCount && written < sessionCount; ++slot, ++written)
                writer.add(booking(d, dayIndex, counsellor, slot), false);
        }
        ++dayIndex;
    }
    file.commit();
}

} // namespace Sessara
