#pragma once

#include "soundservice.h"

#include <QList>
#include <QString>

namespace OlvarTest {

/*! A sound service that plays nothing and records what it was asked to start. */
class RecordingSoundService final : public OlvarControls::SoundService
{
public:
    /*! One sound started. */
    struct Play
    {
        QString path;
        bool async = false;
    };

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
    bool startPlayback(const QString &path, bool async) override;
};

/*! The recording sound service installed for the running test. */
RecordingSoundService &sounds();

} // namespace OlvarTest
