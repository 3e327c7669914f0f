// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "recordingsoundservice.h"

#include <QFileInfo>

#include <memory>

namespace OlvarTest {

QStringList RecordingSoundService::fileNames() const
{
    QStringList names;
    for (const Play &play : plays)
        names.append(QFileInfo(play.path).fileName());
    return names;
}

bool RecordingSoundService::startPlayback(const QString &path, bool async)
{
    if (!deviceAccepts)
        return false;
    plays.append({path, async});
    return true;
}

RecordingSoundService &sounds()
{
    if (auto *recording = dynamic_cast<RecordingSoundService *>(&OlvarControls::SoundService::instance()))
        return *recording;
    auto service = std::make_unique<RecordingSoundService>();
    RecordingSoundService &installed = *service;
    OlvarControls::SoundService::setInstance(std::move(service));
    return installed;
}

} // namespace OlvarTest
