#pragma once
// The fields of a result record by name, in their order.

#include <array>
#include <string>
#include <string_view>

#include "results/list_view_spacer.h"
#include "results/result_record.h"

namespace qf::cli {

struct RecordField {
    const char* name;
    std::string tagPrivStruct::*text;  // null for the two numbers
    int32_t tagPrivStruct::*number;
    Padding padding = Padding::None;  // of the text
};

extern const std::array<RecordField, 36> kRecordFields;

// The field's value as text without its column padding (numbers in
// decimal, written to `number`); it lives as long as record and number do.
std::string_view FieldText(const tagPrivStruct& record, const RecordField& field, std::string& number);

}  // namespace qf::cli
