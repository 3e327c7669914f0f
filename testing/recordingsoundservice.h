// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <Olvar/soundservice.h>

#include <QList>
#include <QString>

namespace OlvarTest {

/*!
    A sound service for a host's tests: plays nothing and records what it was
    asked to start. Install it with SoundService::setInstance().
*/
class RecordingSoundService final : public OlvarControls::SoundService
{
public:
    /*! One sound started. */
    struct Play
    {
        QString path; //!< the wave file, as given to playWaveFile()
        bool async = false; //!< whether the caller went on at once
    };

    /*! The value of #devices. */
    int outputDeviceCount() const override { return devices; }

    /*! The file names (without folder) of the sounds started, in order. */
    QStringList fileNames() const;

    /*! Wave output devices the service reports; one by default. */
    int devices = 1;
    /*! Whether a start succeeds. */
    bool deviceAccepts = true;
    /*! The sounds started, in order. */
    QList<Play> plays;

protected:
    /*! Records the play unless #deviceAccepts is false. */
    bool startPlayback(const QString &path, bool async) override;
};

/*! The recording sound service installed with SoundService::setInstance(); installs one if another is. */
RecordingSoundService &sounds();

} // namespace OlvarTest
