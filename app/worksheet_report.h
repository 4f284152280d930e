#pragma once

class TrpReport;
class TrpFont;

// The worksheet report as the window carries it: the stored template, read into the window's
// report component when the window is made.
namespace stroval {

struct TextFont;

// Resource path of the stored template (a report file in our own XML format).
inline constexpr const char* kWorksheetTemplateResource = ":/report/worksheet_template.xml";

// Reads the stored template into `report` the way a window reads its stored components: every
// stored value is taken as it stands, the program settings included (a report file load would
// keep the program's preview options instead). Returns false, with the messages in the report's
// error list, when the template could not be read completely.
bool LoadWorksheetTemplate(TrpReport& report);

// Sets `target` to the sample-font box's font: face, size in points, style and colour. Qt fonts
// carry no character set, so the report font takes the default one (text stays Unicode).
void AssignReportFont(TrpFont& target, const TextFont& font);

}  // namespace stroval
