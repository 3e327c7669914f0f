// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace OlvarTest {

/*!
    Records, while it lives, the messages of type \a type that the logging
    category \a category gives; a debug log also turns that category's debug
    messages on, which are off by default.
*/
class MessageLog
{
public:
    MessageLog(const char *category, QtMsgType type)
        : m_category(category)
        , m_type(type)
    {
        if (type == QtDebugMsg)
            QLoggingCategory::setFilterRules(QString::fromLatin1(m_category + ".debug=true"));
        s_current = this;
        m_previous = qInstallMessageHandler(&MessageLog::handle);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
        if (m_type == QtDebugMsg)
            QLoggingCategory::setFilterRules(QString());
    }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    QStringList messages;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_current && type == s_current->m_type && context.category && s_current->m_category == context.category)
            s_current->messages << message;
    }

    static inline MessageLog *s_current = nullptr;
    QByteArray m_category;
    QtMsgType m_type;
    QtMessageHandler m_previous;
};

} // namespace OlvarTest
