#include "cli/record_fields.h"

namespace qf::cli {

#define QF_TEXT(f) RecordField{#f, &tagPrivStruct::f, nullptr, PaddingOf(&tagPrivStruct::f)}
#define QF_NUMBER(f) RecordField{#f, nullptr, &tagPrivStruct::f, Padding::None}

const std::array<RecordField, 36> kRecordFields = {
    QF_TEXT(readOrderMark),     QF_TEXT(folderNumber),      QF_TEXT(fileNumberInFolder),
    QF_TEXT(lineNumber),        QF_TEXT(resultNumber),      QF_TEXT(lineFromFirstHit),
    QF_TEXT(fullLine),          QF_TEXT(newFileMark),       QF_TEXT(fileName),
    QF_TEXT(extension),         QF_TEXT(newFolderMark),     QF_TEXT(folderPath),
    QF_TEXT(hitsLocatedIn),     QF_TEXT(size),              QF_TEXT(creationTime),
    QF_TEXT(lastAccessTime),    QF_TEXT(lastWriteTime),     QF_TEXT(archiveFolder),
    QF_TEXT(archiveFileName),   QF_TEXT(archiveExtension),  QF_TEXT(unzippedFolder),
    QF_TEXT(unzippedFileName),  QF_TEXT(unzippedExtension), QF_TEXT(convertedFolder),
    QF_TEXT(convertedFileName), QF_TEXT(convertedExtension), QF_TEXT(fullPath),
    QF_TEXT(convertedFullPath), QF_TEXT(unzippedFullPath),  QF_TEXT(spare),
    QF_NUMBER(lineNumberValue), QF_NUMBER(resultKind),      QF_TEXT(typeCode),
    QF_TEXT(folderKey),         QF_TEXT(fileKey),           QF_TEXT(lineNumberCopy),
};

#undef QF_TEXT
#undef QF_NUMBER

std::string_view FieldText(const tagPrivStruct& record, const RecordField& field, std::string& number) {
    if (field.text) return Unpadded(record.*field.text, field.padding);
    number = std::to_string(record.*field.number);
    return number;
}

}  // namespace qf::cli
