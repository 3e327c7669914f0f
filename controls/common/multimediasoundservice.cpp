// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "multimediasoundservice_p.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace OlvarControls {

namespace {

/* The longest a synchronous play waits for its sound to end. */
constexpr int SynchronousLimitMs = 60000;

} // namespace

struct MultimediaSoundService::Private
{
    std::unique_ptr<QSoundEffect> effect;
};

MultimediaSoundService::MultimediaSoundService()
    : d(std::make_unique<Private>())
{
}

MultimediaSoundService::~MultimediaSoundService() = default;

int MultimediaSoundService::outputDeviceCount() const
{
    return int(QMediaDevices::audioOutputs().size());
}

bool MultimediaSoundService::startPlayback(const QString &path, bool async)
{
    if (d->effect)
        d->effect->stop();
    // A fresh effect for every sound: the previous one is stopped and goes with it.
    d->effect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
    QSoundEffect *effect = d->effect.get();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
    if (effect->status() == QSoundEffect::Error)
        return false;
    if (async)
        return true;

    // Waits for the end of the sound. A play started meanwhile (by a timer, say)
    // replaces this effect, and the wait ends with it.
    QPointer<QSoundEffect> watched(effect);
    QEventLoop loop;
    QObject::connect(effect, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
        if (!effect->isPlaying())
            loop.quit();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&loop, effect] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    QTimer::singleShot(SynchronousLimitMs, &loop, &QEventLoop::quit);
    if (effect->isPlaying() || effect->status() == QSoundEffect::Loading)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return !watched || watched->status() != QSoundEffect::Error;
}

} // namespace OlvarControls
