// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "findquery.h"

#include <QDialog>

#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
class QTreeWidget;
QT_END_NAMESPACE

namespace Sessara {

/*!
    The finder, "Find Client" or "Find Counsellor": what is typed into
    txtFind is looked for as it is typed, by name, organisation, phone or
    number, and the matches are listed in lstFound (number, name, phone).
    "Choose", Enter or a double-click on a match closes it with that match.
*/
class frmFind : public QDialog
{
    Q_OBJECT

public:
    explicit frmFind(FindQuery::Kind kind, QWidget *parent = nullptr);
    ~frmFind() override;

    /*! Shows a finder of \a kind modally over \a parent; the number chosen, or nothing. */
    static std::optional<qint32> choose(FindQuery::Kind kind, QWidget *parent);

    QLineEdit *txtFind() const;
    QTreeWidget *lstFound() const;
    /*! The number of the match chosen; nothing until one is. */
    std::optional<qint32> chosen() const;

    /*! Lists the matches of \a typed. */
    void search(const QString &typed);

private:
    void chooseCurrent();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Sessara
