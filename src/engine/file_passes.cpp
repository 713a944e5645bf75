#include "engine/file_passes.h"

#include "engine/date_rules.h"
#include "engine/size_rules.h"

namespace qf {

bool FilePasses(const Options& options, const FILETIME& creation, const FILETIME& lastAccess,
                const FILETIME& lastWrite, uint64_t size, std::time_t now) {
    if (size > kMaxFileSize) return false;
    if (!SizeRulePasses(options, size)) return false;
    if (!TimeRulePasses(options, kCreationRule, creation, now)) return false;
    if (!TimeRulePasses(options, kAccessRule, lastAccess, now)) return false;
    return TimeRulePasses(options, kWriteRule, lastWrite, now);
}

bool SizeOrTimeRulesOn(const Options& options) {
    return options.On(Opt::CSIZECHECK) || options.On(kCreationRule.selected) || options.On(kAccessRule.selected) ||
           options.On(kWriteRule.selected);
}

}  // namespace qf
