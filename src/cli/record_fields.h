#pragma once
// The fields of a result record by name, in their order.

#include <array>
#include <string>

#include "results/result_record.h"

namespace qf::cli {

struct RecordField {
    const char* name;
    std::string tagPrivStruct::*text;  // null for the two numbers
    int32_t tagPrivStruct::*number;
};

extern const std::array<RecordField, 36> kRecordFields;

// The field's value as text (numbers in decimal).
std::string FieldText(const tagPrivStruct& record, const RecordField& field);

}  // namespace qf::cli
