// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// Fuzz target for the property bag's text form.
//
// Properties: reading any text either gives a bag or raises error 321 (a
// damaged text), never anything else; every date in a bag read lies in the
// date range; what the bag writes reads back as the same bag, and writes the
// same text again.

#include "propertybag.h"
#include "fuzzsupport.h"
#include "oledate.h"
#include "oleerror.h"

#include <cmath>

using OlvarControls::OleDate;
using OlvarControls::OleError;
using OlvarControls::PropertyBag;
using OlvarFuzz::check;

namespace {

// Whether the bag holds a double that is not a number (which equals nothing, not even itself).
bool holdsNaN(const PropertyBag &bag)
{
    for (const QString &key : bag.keys()) {
        const QVariant value = bag.ReadProperty(key);
        if (value.metaType().id() == QMetaType::Double && std::isnan(value.toDouble()))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    OlvarFuzz::ensureApplication();
    const QString text = OlvarFuzz::textOf(data, size);
    PropertyBag bag;
    try {
        bag = PropertyBag::fromText(text);
    } catch (const OleError &error) {
        check(error.number() == 321, "a damaged text raises error 321", text);
        return 0;
    }
    for (const QString &key : bag.keys()) {
        const QVariant value = bag.ReadProperty(key);
        if (value.metaType() == QMetaType::fromType<OleDate>())
            check(value.value<OleDate>().isValid(), "every date read lies in the date range", text);
    }
    const QString written = bag.toText();
    PropertyBag back;
    try {
        back = PropertyBag::fromText(written);
    } catch (const OleError &error) {
        check(false, "what the bag writes reads back", text + QLatin1String("\n--- wrote ---\n") + written);
    }
    check(holdsNaN(bag) || back == bag, "what the bag writes reads back as the same bag", text);
    check(back.toText() == written, "what the bag writes reads back and writes the same text", text);
    return 0;
}
