#pragma once
// Whether the standard streams are terminals (progress line and bell).

namespace qf::cli {

bool StderrIsTerminal();

}  // namespace qf::cli
