#pragma once
// The text of a settings file ("ini" file) held in memory: sections in brackets with
// "name=value" lines. Sections and names are found ignoring case; the order of sections and lines,
// comments and lines without "=" are kept as read, so a file written back differs only where it
// was changed.
#include <QString>
#include <QStringList>

#include <vector>

class TscIniFile {
 public:
  void SetText(const QString& text);  // replaces everything
  QString Text() const;               // every line followed by a line break
  void Clear() { FSections.clear(); }

  bool SectionExists(const QString& section) const { return find(section) != nullptr; }
  bool ValueExists(const QString& section, const QString& name) const;
  QString ReadString(const QString& section, const QString& name, const QString& def) const;
  void WriteString(const QString& section, const QString& name, const QString& value);
  void DeleteKey(const QString& section, const QString& name);
  void EraseSection(const QString& section);

  QStringList Sections() const;
  QStringList SectionNames(const QString& section) const;   // the names of its values
  QStringList SectionValues(const QString& section) const;  // "name=value" for each
  QStringList SectionLines(const QString& section) const;   // every line as written but comments

 private:
  struct Line {
    QString name;  // empty for a comment or a line without "="
    QString value;
    QString raw;
  };
  struct Section {
    QString name;
    std::vector<Line> lines;
  };
  const Section* find(const QString& section) const;
  Section* find(const QString& section) {
    return const_cast<Section*>(static_cast<const TscIniFile*>(this)->find(section));
  }
  static const Line* findLine(const Section& s, const QString& name);
  // One text for each "name=value" line of the section.
  template <class Text>
  QStringList valueLines(const QString& section, Text text) const {
    QStringList lines;
    if (const Section* s = find(section))
      for (const Line& line : s->lines)
        if (!line.name.isEmpty()) lines << text(line);
    return lines;
  }

  std::vector<Section> FSections;  // the first may have an empty name: lines before any section
};
