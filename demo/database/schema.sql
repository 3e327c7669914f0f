-- SPDX-FileCopyrightText: 2026 The Olvar developers
-- SPDX-License-Identifier: MIT

-- The Sessara practice database.
--
-- Identifiers are INTEGER PRIMARY KEY AUTOINCREMENT: assigned on insert and never
-- given out twice, so the link rows a deleted session leaves behind never attach
-- to a later one. Date/time columns are DATETIME and hold day numbers (days since
-- 30 December 1899, the fraction being the time of day); Boolean columns are
-- BOOLEAN and hold 0 or 1. CHECK constraints keep other writers to that. Texts
-- compare without regard to case.

CREATE TABLE tblCounseller (
    CounsellerID INTEGER PRIMARY KEY AUTOINCREMENT,
    FirstName TEXT COLLATE NOCASE,
    LastName TEXT COLLATE NOCASE,
    Salutation TEXT COLLATE NOCASE,
    eMail TEXT COLLATE NOCASE,
    Fax TEXT COLLATE NOCASE,
    Gender TEXT COLLATE NOCASE,
    HomePhone TEXT COLLATE NOCASE,
    Mobile TEXT COLLATE NOCASE,
    Phone TEXT COLLATE NOCASE,
    WorkPhone TEXT COLLATE NOCASE,
    PhysAddr1 TEXT COLLATE NOCASE,
    PhysAddr2 TEXT COLLATE NOCASE,
    PhysAddr3 TEXT COLLATE NOCASE,
    PhysPcode TEXT COLLATE NOCASE,
    PostAddr1 TEXT COLLATE NOCASE,
    PostAddr2 TEXT COLLATE NOCASE,
    PostAddr3 TEXT COLLATE NOCASE,
    PostPcode TEXT COLLATE NOCASE
);

CREATE TABLE tblClient (
    ClientID INTEGER PRIMARY KEY AUTOINCREMENT,
    FirstName TEXT COLLATE NOCASE,
    LastName TEXT COLLATE NOCASE,
    OrganisationName TEXT COLLATE NOCASE,
    Salutation TEXT COLLATE NOCASE,
    Ancestry TEXT COLLATE NOCASE,
    Email TEXT COLLATE NOCASE,
    Fax TEXT COLLATE NOCASE,
    FirstContact DATETIME CHECK (typeof(FirstContact) IN ('integer', 'real', 'null')),
    Gender TEXT COLLATE NOCASE,
    Mobile TEXT COLLATE NOCASE,
    Occupation TEXT COLLATE NOCASE,
    WorkPhone TEXT COLLATE NOCASE,
    PhysAddr1 TEXT COLLATE NOCASE,
    PhysAddr2 TEXT COLLATE NOCASE,
    PhysAddr3 TEXT COLLATE NOCASE,
    PhysPcode TEXT COLLATE NOCASE,
    PostAddr1 TEXT COLLATE NOCASE,
    PostAddr2 TEXT COLLATE NOCASE,
    PostAddr3 TEXT COLLATE NOCASE,
    PostPcode TEXT COLLATE NOCASE
);

CREATE TABLE tblEthnecity (
    EthnecityID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblLanguage (
    LanguageID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblCounsellerEthnecityLink (
    CounsellerID INTEGER NOT NULL,
    EthnecityID INTEGER NOT NULL
);
CREATE UNIQUE INDEX idxCounsellerEthnecity ON tblCounsellerEthnecityLink (CounsellerID, EthnecityID);
CREATE INDEX idxCounsellerEthnecityByEthnecity ON tblCounsellerEthnecityLink (EthnecityID);

CREATE TABLE tblClientEthnecityLink (
    ClientID INTEGER NOT NULL,
    EthnecityID INTEGER NOT NULL
);
CREATE UNIQUE INDEX idxClientEthnecity ON tblClientEthnecityLink (ClientID, EthnecityID);
CREATE INDEX idxClientEthnecityByEthnecity ON tblClientEthnecityLink (EthnecityID);

CREATE TABLE tblCounsellorLanguageLink (
    CounsellerID INTEGER NOT NULL,
    LanguageID INTEGER NOT NULL
);
CREATE UNIQUE INDEX idxCounsellorLanguage ON tblCounsellorLanguageLink (CounsellerID, LanguageID);
CREATE INDEX idxCounsellorLanguageByLanguage ON tblCounsellorLanguageLink (LanguageID);

CREATE TABLE tblClientLanguageLink (
    ClientID INTEGER NOT NULL,
    LanguageID INTEGER NOT NULL
);
CREATE UNIQUE INDEX idxClientLanguage ON tblClientLanguageLink (ClientID, LanguageID);
CREATE INDEX idxClientLanguageByLanguage ON tblClientLanguageLink (LanguageID);

CREATE TABLE tblLocation (
    LocationID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblSessionType (
    SessionTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblClientType (
    ClientTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblCaseType (
    CaseTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE
);

CREATE TABLE tblClientCase (
    ClientCaseID INTEGER PRIMARY KEY AUTOINCREMENT,
    ClientID INTEGER,
    Description TEXT COLLATE NOCASE,
    CaseTypeID INTEGER,
    OpenedDate DATETIME CHECK (typeof(OpenedDate) IN ('integer', 'real', 'null'))
);

-- LocationID is -1 for a location the client nominates (ClientNominatedLocation).
CREATE TABLE tblSession (
    SessionID INTEGER PRIMARY KEY AUTOINCREMENT,
    SessionDate DATETIME CHECK (typeof(SessionDate) IN ('integer', 'real', 'null')),
    StartTime DATETIME CHECK (typeof(StartTime) IN ('integer', 'real', 'null')),
    EndTime DATETIME CHECK (typeof(EndTime) IN ('integer', 'real', 'null')),
    SessionDescription TEXT COLLATE NOCASE,
    AdditionalNotes TEXT COLLATE NOCASE,
    SessionTypeID INTEGER,
    LocationID INTEGER,
    ClientNominatedLocation TEXT COLLATE NOCASE,
    ClientTypeID INTEGER,
    BookedClientID INTEGER,
    ActualStartTime TEXT COLLATE NOCASE,
    ActualEndTime TEXT COLLATE NOCASE,
    Chargeable BOOLEAN NOT NULL DEFAULT 0 CHECK (Chargeable IN (0, 1)),
    Cancelled BOOLEAN NOT NULL DEFAULT 0 CHECK (Cancelled IN (0, 1)),
    Invoiced BOOLEAN NOT NULL DEFAULT 0 CHECK (Invoiced IN (0, 1))
);
-- The day view's load finds a day's sessions by SessionDate, or by EndTime for
-- sessions whose times carry dates; the conflict checks by SessionDate.
CREATE INDEX idxSessionDate ON tblSession (SessionDate);
CREATE INDEX idxSessionEndTime ON tblSession (EndTime);

CREATE TABLE tblCounsellerSessionLink (
    CounsellerID INTEGER NOT NULL,
    SessionID INTEGER NOT NULL
);
-- One index serves the look-ups by session and by session and counsellor. There
-- is deliberately none led by CounsellerID: it would tempt the planner to walk
-- all of a counsellor's sessions, however many years they span, for the day
-- view's load and the booking-conflict check instead of the day's few sessions.
CREATE UNIQUE INDEX idxCounsellerSessionBySession ON tblCounsellerSessionLink (SessionID, CounsellerID);

CREATE TABLE tblClientSessionLink (
    ClientID INTEGER NOT NULL,
    SessionID INTEGER NOT NULL,
    Status TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX idxClientSessionBySession ON tblClientSessionLink (SessionID, ClientID);
CREATE INDEX idxClientSessionByClient ON tblClientSessionLink (ClientID);

-- The sessions booked together as a weekly or fortnightly series: SeriesID is
-- the SessionID of the series' first session, Position a session's place in it.
CREATE TABLE tblSessionSeries (
    SessionID INTEGER PRIMARY KEY,
    SeriesID INTEGER NOT NULL,
    Position INTEGER NOT NULL,
    UNIQUE (SeriesID, Position)
);

CREATE TABLE tblClientCaseSessionLink (
    ClientCaseID INTEGER NOT NULL,
    SessionID INTEGER NOT NULL
);
CREATE UNIQUE INDEX idxClientCaseSession ON tblClientCaseSessionLink (ClientCaseID, SessionID);
CREATE INDEX idxClientCaseSessionBySession ON tblClientCaseSessionLink (SessionID);

CREATE TABLE tblSessionClientEndNote (
    ClientID INTEGER NOT NULL,
    SessionID INTEGER NOT NULL,
    EndNote TEXT COLLATE NOCASE
);
CREATE UNIQUE INDEX idxSessionClientEndNote ON tblSessionClientEndNote (ClientID, SessionID);
CREATE INDEX idxSessionClientEndNoteBySession ON tblSessionClientEndNote (SessionID);

CREATE TABLE tblConfig (
    ConfigID INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT COLLATE NOCASE UNIQUE,
    Value TEXT
);
