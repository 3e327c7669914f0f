#include "recordingsoundservice.h"

#include <QFileInfo>

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
    return dynamic_cast<RecordingSoundService &>(OlvarControls::SoundService::instance());
}

} // namespace OlvarTest
