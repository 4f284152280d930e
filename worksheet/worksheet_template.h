#pragma once

class TrpReport;

// The stored worksheet report template: one A4 page of endless height with its page-header band
// (the title and the captions for class, name and date), kept as a report file in our own XML
// format and compiled into the program as a resource.
namespace stroval {

// Resource path of the stored template.
inline constexpr const char* kWorksheetTemplateResource = ":/report/worksheet_template.xml";

// Reads the stored template into `report` the way a window reads its stored components: every
// stored value is taken as it stands, the program settings included (a report file load would
// keep the program's preview options instead). Returns false, with the messages in the report's
// error list, when the template could not be read completely.
bool LoadWorksheetTemplate(TrpReport& report);

}  // namespace stroval
