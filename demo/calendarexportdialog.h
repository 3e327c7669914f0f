// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QDialog>

#include <memory>

namespace Sessara {

/*!
    "Export Calendar": the counsellor (or "All Counsellors") and the dates
    whose sessions go into an iCalendar file; on "Export" it asks for the
    file and writes it.
*/
class CalendarExportDialog : public QDialog
{
    Q_OBJECT

public:
    /*! The dialog with \a counsellor chosen and the four weeks from \a from. */
    CalendarExportDialog(qint32 counsellor, QDate from, QWidget *parent = nullptr);
    ~CalendarExportDialog() override;

    /*! The chosen counsellor's CounsellerID; 0 for all. */
    qint32 counsellor() const;
    QDate from() const;
    QDate to() const;
    /*! Writes the chosen sessions to \a fileName; false after showing why not. */
    bool exportTo(const QString &fileName);

private:
    void exportClicked();

    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace Sessara
