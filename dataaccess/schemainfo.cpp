#include "schemainfo.h"

namespace OlvarControls::DataAccess {

SchemaInfo::ColumnKind SchemaInfo::kindOfDeclaredType(QStringView declaredType)
{
    static const char *const dateTypes[] = {"DATETIME", "DATE", "TIME", "TIMESTAMP"};
    static const char *const booleanTypes[] = {"BOOLEAN", "BOOL", "BIT", "YESNO"};
    const QStringView type = declaredType.trimmed();
    for (const char *name : dateTypes) {
        if (type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return DateTimeColumn;
    }
    for (const char *name : booleanTypes) {
        if (type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return BooleanColumn;
    }
    return OtherColumn;
}

} // namespace OlvarControls::DataAccess
