// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "soundservice.h"

#include <memory>

namespace OlvarControls {

/*!
    \internal
    The sound service on Qt Multimedia: one sound effect, so that a new play
    stops the one in progress. Devices are Qt's audio outputs.
*/
class MultimediaSoundService final : public SoundService
{
public:
    MultimediaSoundService();
    ~MultimediaSoundService() override;

    int outputDeviceCount() const override;

protected:
    bool startPlayback(const QString &path, bool async) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace OlvarControls
