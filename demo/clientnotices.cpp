#include "clientnotices.h"

namespace Sessara {

ClientNotices &ClientNotices::instance()
{
    static ClientNotices notices;
    return notices;
}

} // namespace Sessara
