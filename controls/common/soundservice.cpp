// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "soundservice.h"

#include "serviceholder_p.h"

#include <QFile>

#if defined(OLVAR_HAVE_MULTIMEDIA)
#include "multimediasoundservice_p.h"
#endif

namespace OlvarControls {

namespace {

#if !defined(OLVAR_HAVE_MULTIMEDIA)
/* Built without a sound back end: there is no device, so nothing plays. */
class SilentSoundService final : public SoundService
{
public:
    int outputDeviceCount() const override { return 0; }

protected:
    bool startPlayback(const QString &, bool) override { return false; }
};
using ProductionSoundService = SilentSoundService;
#else
using ProductionSoundService = MultimediaSoundService;
#endif

using Holder = ServiceHolder<SoundService, ProductionSoundService>;

} // namespace

SoundService::SoundService() = default;

SoundService::~SoundService() = default;

SoundService &SoundService::instance()
{
    return Holder::get();
}

void SoundService::setInstance(std::unique_ptr<SoundService> service)
{
    Holder::set(std::move(service));
}

bool SoundService::playWaveFile(const QString &path, bool async)
{
    if (outputDeviceCount() <= 0 || !isWaveFile(path))
        return false;
    return startPlayback(path, async);
}

bool SoundService::isWaveFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

} // namespace OlvarControls
