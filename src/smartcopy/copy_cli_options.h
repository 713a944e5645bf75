#pragma once
// The command line's smart copy words turned into options.

#include <string>
#include <string_view>

#include "settings/options.h"

namespace qf {

// --copy-to DIR: the destination (CFSDFLEDIT).
void SetCopyDestination(Options& options, std::string_view folder);
// --copy results,word,pdf: CFRESULTSC, CFWORDCHKB, CFPDFCHECK; the others off.
bool ParseCopyKinds(std::string_view words, Options& options, std::string& error);
// --layout one|types|tree: CFINONEFOL, CFINSUBFOL, CFINONEFOS.
bool ParseCopyLayout(std::string_view word, Options& options, std::string& error);
// --collide overwrite|names|exts: CFOVWRRDBN, CFINCRRDBN, CFNWEXRDBN.
bool ParseCopyCollision(std::string_view word, Options& options, std::string& error);
// --clear-dest: CFDELCHKBX.
void SetClearDestination(Options& options, bool clear);

}  // namespace qf
