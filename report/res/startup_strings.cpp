#include "report/res/startup_strings.h"

#include "report/xml/xml_text.h"
#include "script_engine/front/script_messages.h"

#include <QString>

#include <iterator>
#include <vector>

namespace {

// English texts of the report subsystem. A leading "!" is kept here and dropped by the lookup.
constexpr TrpStartupString kStringsBeforeCompilerMessages[] = {
    // Preview window, outline, status texts, print dialog, print job and printer layer,
    // find dialog, page settings dialog.
    {"1", "OK"},
    {"2", "Cancel"},
    {"3", "All"},
    {"4", "Current page"},
    {"5", "Pages:"},
    {"6", "Page breaks"},
    {"7", "Page range"},
    {"9", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
    {"100", "Preview"},
    {"101", "Print"},
    {"102", "Print"},
    {"103", "Open"},
    {"104", "Open"},
    {"105", "Save"},
    {"106", "Save"},
    {"107", "Export"},
    {"108", "Export"},
    {"109", "Find"},
    {"110", "Find"},
    {"111", "Whole Page"},
    {"112", "Whole Page"},
    {"113", "Page Width"},
    {"114", "Page Width"},
    {"115", "100%"},
    {"116", "100%"},
    {"117", "Two Pages"},
    {"118", "Two Pages"},
    {"119", "Zoom"},
    {"120", "Page Settings"},
    {"121", "Page Settings"},
    {"122", "Outline"},
    {"123", "Outline"},
    {"124", "Zoom In"},
    {"125", "Zoom In"},
    {"126", "Zoom Out"},
    {"127", "Zoom Out"},
    {"128", "Outline"},
    {"129", "Report outline"},
    {"130", "Thumbnails"},
    {"131", "Thumbnails"},
    {"132", "Edit"},
    {"133", "Edit Page"},
    {"134", "First"},
    {"135", "First Page"},
    {"136", "Prior"},
    {"137", "Prior Page"},
    {"138", "Next"},
    {"139", "Next Page"},
    {"140", "Last"},
    {"141", "Last Page"},
    {"142", "Page Number"},
    {"150", "Full Screen"},
    {"151", "Export to PDF"},
    {"152", "Send by E-mail"},
    {"zmPageWidth", "Page width"},
    {"zmWholePage", "Whole page"},
    {"600", "Expand all"},
    {"601", "Collapse all"},
    {"clRPPfiles", "Prepared Report"},
    {"clSaving", "Saving file..."},
    {"clLoading", "Loading file..."},
    {"clCancel", "Cancel"},
    {"clClose", "Close"},
    {"clFirstPass", "First pass: page "},
    {"clPageOf", "Page %d of %d"},
    {"clOf", "of %d"},
    {"clStrNotFound", "Text not found"},
    {"clDecompressError", "Stream decompress error"},
    {"clErrors", "The following error(s) have occured:"},
    {"200", "Print"},
    {"201", "Printer"},
    {"202", "Pages"},
    {"203", "Number of copies"},
    {"204", "Collate"},
    {"205", "Copies"},
    {"206", "Print"},
    {"207", "!Other"},
    {"208", "Where:"},
    {"209", "Properties..."},
    {"210", "Print to file"},
    {"211", "!Order"},
    {"212", "Name:"},
    {"213", "Print mode"},
    {"214", "Print on sheet"},
    {"216", "Duplex"},
    {"ppAll", "All pages"},
    {"ppOdd", "Odd pages"},
    {"ppEven", "Even pages"},
    {"pgDefault", "Default"},
    {"pmDefault", "Default"},
    {"pmSplit", "Split big pages"},
    {"pmJoin", "Join small pages"},
    {"pmScale", "Scale"},
    {"poDirect", "!Direct (1-9)"},
    {"poReverse", "!Reverse (9-1)"},
    {"dupDefault", "Default"},
    {"dupVert", "Vertical"},
    {"dupHorz", "Horizontal"},
    {"dupSimpl", "Simplex"},
    {"507", "Print to file"},
    {"clNoPrinters", "No printers installed on your system"},
    {"clPrinting", "Printing page"},
    {"prPrinting", "Printing page %d"},
    {"prRunningFirst", "First pass: page %d"},
    {"prRunning", "Preparing page %d"},
    {"prExporting", "Exporting page %d"},
    {"prVirtual", "Virtual"},
    {"prDefault", "Default"},
    {"prCustom", "Custom"},
    {"mbConfirm", "Confirm"},
    {"mbError", "Error"},
    {"mbInfo", "Information"},
    {"300", "Find Text"},
    {"301", "Text to find:"},
    {"302", "Search options"},
    {"303", "Replace with"},
    {"304", "Search from beginning"},
    {"305", "Case sensitive"},
    {"400", "Page Settings"},
    {"401", "Width"},
    {"402", "Height"},
    {"403", "Size"},
    {"404", "Orientation"},
    {"405", "Left"},
    {"406", "Top"},
    {"407", "Right"},
    {"408", "Bottom"},
    {"409", "Margins"},
    {"410", "Portrait"},
    {"411", "Landscape"},
    {"412", "Other"},
    {"413", "Apply to the current page"},
    {"414", "Apply to all pages"},
    {"uCm", "cm"},
    {"uInch", "in"},
    {"uPix", "px"},
    {"uChar", "chr"},
    // The save-dialog filter of "Print to file": the bar separates description and pattern.
    {"510", "Printer file (*.prn)|*.prn"},
    // Help caption and printer set-up captions.
    {"8", "Help"},
    {"500", "Print Setup"},
    {"501", "Paper"},
    {"502", "Size:"},
    {"503", "Source:"},
    {"504", "Orientation"},
    {"505", "Portrait"},
    {"506", "Landscape"},
    {"508", "Output file name:"},
    {"509", "The file already exists. Replace it?"},
    // Report loading, band layout, data sets, variables and expressions.
    {"xrCantFindClass", "Cannot find class"},
    {"enUnconnHeader", "Header band is not connected to a data band"},
    {"enUnconnGroup", "Group header is not connected to a data band"},
    {"enUnconnGFooter", "Group footer is not connected to a group header"},
    {"enBandPos", "Incorrect band position:"},
    {"dbNotConn", "Data set is not connected to data"},
    {"dbFldNotFound", "Field not found:"},
    {"clDSNotIncl", "(dataset is not included in Report.DataSets)"},
    {"clUnknownVar", "Unknown variable or datafield:"},
    {"clScrError", "Script error at %s: %s"},
    {"clDSNotExist", "Data set %s does not exist"},
    {"clExprError", "Error in expression"},
    {"crFillMx", "Filling the cross-tab..."},
    {"crBuildMx", "Building the cross-tab..."},
};

// The script compiler's messages stand between the two parts. Their English texts are written
// once, in the script engine's table (scMessages::BuiltInTexts); a language file translates them
// here as any other entry, and UpdateFSResources copies the table's texts back into the engine.
constexpr TrpStartupString kStringsAfterCompilerMessages[] = {
    // Object tree, aggregates, styles, pictures.
    {"clCantRen", "Could not rename %s, it was introduced in the ancestor report"},
    {"rave0", "Sum"},
    {"rave1", "Minimum"},
    {"rave2", "Maximum"},
    {"rave3", "Average"},
    {"rave4", "Count"},
    {"clCirRefNotAllow", "Circular child reference is not allowed"},
    {"clDupName", "Duplicate name"},
    {"clErrorInExp", "Error in Calc expression:"},
    {"expMtm", "Export each page to its own file"},
    {"erInvalidImg", "Invalid picture format"},
    // Band kinds, named by themselves.
    {"ReportTitle", "ReportTitle"},
    {"ReportSummary", "ReportSummary"},
    {"PageHeader", "PageHeader"},
    {"PageFooter", "PageFooter"},
    {"Header", "Header"},
    {"Footer", "Footer"},
    {"MasterData", "MasterData"},
    {"DetailData", "DetailData"},
    {"SubdetailData", "SubdetailData"},
    {"Data4", "Data4"},
    {"Data5", "Data5"},
    {"Data6", "Data6"},
    {"GroupHeader", "GroupHeader"},
    {"GroupFooter", "GroupFooter"},
    {"Child", "Child"},
    {"ColumnHeader", "ColumnHeader"},
    {"ColumnFooter", "ColumnFooter"},
    {"Overlay", "Overlay"},
    // Barcode kinds, named by themselves.
    {"2_5_interleaved", "2_5_interleaved"},
    {"2_5_industrial", "2_5_industrial"},
    {"2_5_matrix", "2_5_matrix"},
    {"Code39", "Code39"},
    {"Code39 Extended", "Code39 Extended"},
    {"Code128A", "Code128A"},
    {"Code128B", "Code128B"},
    {"Code128C", "Code128C"},
    {"Code93", "Code93"},
    {"Code93 Extended", "Code93 Extended"},
    {"MSI", "MSI"},
    {"PostNet", "PostNet"},
    {"Codebar", "Codebar"},
    {"EAN8", "EAN8"},
    {"EAN13", "EAN13"},
    {"UPC_A", "UPC_A"},
    {"UPC_E0", "UPC_E0"},
    {"UPC_E1", "UPC_E1"},
    {"UPC Supp2", "UPC Supp2"},
    {"UPC Supp5", "UPC Supp5"},
    {"EAN128A", "EAN128A"},
    {"EAN128B", "EAN128B"},
    {"EAN128C", "EAN128C"},
    // Designer commands.
    {"rpEditRep", "Edit Report..."},
    {"rpEditAlias", "Edit Aliases..."},
};

std::vector<TrpStartupString> buildStartupStrings() {
  std::vector<TrpStartupString> strings(std::begin(kStringsBeforeCompilerMessages),
                                        std::end(kStringsBeforeCompilerMessages));
  for (const scMessages::BuiltInText& m : scMessages::BuiltInTexts()) strings.push_back({m.name, m.text});
  strings.insert(strings.end(), std::begin(kStringsAfterCompilerMessages),
                 std::end(kStringsAfterCompilerMessages));
  return strings;
}

QByteArray buildStartupXML() {
  QString xml = QStringLiteral("<?xml version=\"1.1\" encoding=\"utf-8\"?><Resources CodePage=\"1252\">");
  for (const auto& s : rpStartupStrings()) {
    xml += QStringLiteral("<StrRes Name=\"") + rpStrToXML(QString::fromUtf8(s.name)) +
           QStringLiteral("\" Text=\"") + rpStrToXML(QString::fromUtf8(s.text)) + QStringLiteral("\"/>");
  }
  xml += QStringLiteral("</Resources>");
  return xml.toUtf8();
}

}  // namespace

std::span<const TrpStartupString> rpStartupStrings() {
  static const std::vector<TrpStartupString> strings = buildStartupStrings();
  return strings;
}

const QByteArray& rpStartupXML() {
  static const QByteArray xml = buildStartupXML();
  return xml;
}
