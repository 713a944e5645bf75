#pragma once
// Whether the standard streams are terminals (progress line and bell).

namespace qf::cli {

bool StderrIsTerminal();
bool StdoutIsTerminal();

}  // namespace qf::cli
