#include "resumenext.h"

namespace Sessara {

void ResumeNext::remember(int number, const QString &description)
{
    m_number = number;
    m_description = description;
}

void ResumeNext::clear()
{
    m_number = 0;
    m_description.clear();
}

} // namespace Sessara
