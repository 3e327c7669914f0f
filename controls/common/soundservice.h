// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>

#include <memory>

namespace OlvarControls {

/*!
    The platform's sound service: plays wave files and tells whether there is a
    wave output device. Replaceable as one service; the production service
    plays through Qt Multimedia when the library is built with it and is silent
    (no device) otherwise.

    An asynchronous play returns at once; a later play replaces a sound still
    playing. A synchronous play returns when the sound has finished.
*/
class OLVAR_EXPORT SoundService
{
public:
    virtual ~SoundService();

    /*! The installed service. */
    static SoundService &instance();
    /*! Installs \a service; nullptr puts back the production service. */
    static void setInstance(std::unique_ptr<SoundService> service);

    /*! The number of wave output devices. */
    virtual int outputDeviceCount() const = 0;

    /*!
        Plays the wave file \a path, returning at once when \a async is true.
        False, without a message, when there is no output device or \a path is
        not a readable wave file, or when the device refuses the sound.
    */
    bool playWaveFile(const QString &path, bool async);

    /*! Whether \a path names a readable file with a RIFF WAVE header. */
    static bool isWaveFile(const QString &path);

protected:
    SoundService();

    /*! Starts playing the wave file \a path, which exists, on a device there is; true when it plays. */
    virtual bool startPlayback(const QString &path, bool async) = 0;

private:
    SoundService(const SoundService &) = delete;
    SoundService &operator=(const SoundService &) = delete;
};

} // namespace OlvarControls
