#pragma once
// The copy run: every chosen file into its destination folder, each copied
// or failed file logged, the run going on after a failure.

#include <cstdint>
#include <string>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "smartcopy/copy_info.h"
#include "smartcopy/copy_layout.h"

namespace qf {

enum class CopyCollision {
    Overwrite,           // "Overwrite existing files "
    IncreaseNames,       // "Increase file names"
    IncreaseExtensions,  // "Increase file extensions"
};

// Tries of a free name before a file is given up.
constexpr int kMaxIncreaseAttempts = 998;

struct CopySettings {
    bool results = true;
    bool word = false;
    bool pdf = false;
    CopyLayout layout = CopyLayout::OneFolder;
    CopyCollision collision = CopyCollision::Overwrite;
    bool clearDestination = false;
    std::string destination;
};

// From CFRESULTSC, CFWORDCHKB, CFPDFCHECK, the layout and collision groups,
// CFDELCHKBX and CFSDFLEDIT (spaces trimmed).
CopySettings CopySettingsFromOptions(const Options& options);

struct CopyCounters {
    int attempted = 0;
    int failed = 0;
    int copied = 0;
    int replaced = 0;    // copies that overwrote a file copied earlier in the same run
    uint64_t bytes = 0;  // size of the files attempted ("Bytes copied")
};

// The dialog's progress fields, updated after each copied file.
class CopyProgress {
public:
    virtual ~CopyProgress() = default;
    virtual void FileCopied(const std::string& /*from*/, const std::string& /*to*/, const CopyCounters& /*counters*/) {}
};

// Starts the two temporary logs empty in `logFolder`, then copies the result
// files, the Word texts, the PDF texts and (with the Word texts) the Office
// texts that are chosen, in that order and each set in ascending path order.
// The sources are only read.
CopyCounters RunCopy(const CopySources& sources, const CopySettings& settings, const std::string& logFolder,
                     UserMessages& messages, CopyProgress& progress);

}  // namespace qf
