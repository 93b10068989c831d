#include "cli/fields.h"

#include "cli/text.h"
#include "core/settings/settings.h"

const FieldNames& NamesOf(Field field) {
    return kFields[static_cast<std::size_t>(field)];
}

bool ReportsDhcp(std::string_view settings) {
    return GetSetting(settings, "nwk.bootproto") == "dhcp";
}

std::string FieldText(std::string_view settings, Field field) {
    if (field == Field::kMode)
        return ReportsDhcp(settings) ? "dhcp" : "fixed";
    return Shown(GetSetting(settings, NamesOf(field).key));
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kFields.size(); ++i)
            if (static_cast<std::size_t>(kFields[i].field) != i)
                return false;
        return true;
    }(),
    "kFields lists the fields in the order of their enumerators");
