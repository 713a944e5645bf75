#pragma once
// The settings file (*.SET): the whole settings model as fixed-size records.

#include <string>
#include <vector>

#include "platform/user_messages.h"
#include "settings/options.h"
#include "settings/setting_record.h"

namespace qf {

constexpr int32_t kSettingsEndRecord = 900;
constexpr const char* kEndRecordKey = "VEGVEGEVE";

// The records of the model in file order, closed by the end record.
std::vector<_Setting_Record_Struct> SettingsRecords(const Options& options);

// Writes the file; reports 0069 when it cannot be opened. False on any failure.
bool SaveSettingsFile(const Options& options, const std::string& path, UserMessages& messages);

// Restores every option from the file. A damaged file changes nothing and is
// reported with one message; records of unknown number are skipped and counted.
bool LoadSettingsFile(Options& options, const std::string& path, UserMessages& messages);

}  // namespace qf
