// Settings-file text in memory.
#include "script_engine/modules/ini_file.h"

#include <QRegularExpression>

#include "script_engine/front/script_error.h"

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isComment(const QString& trimmed) {
  return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

}  // namespace

void TscIniFile::SetText(const QString& text) {
  FSections.clear();
  FSections.push_back({QString(), {}});
  const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
  for (int i = 0; i < lines.size(); ++i) {
    const QString& raw = lines[i];
    if (i == lines.size() - 1 && raw.isEmpty()) break;  // the break after the last line
    const QString trimmed = raw.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      FSections.push_back({trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
      continue;
    }
    Line line{QString(), QString(), raw};
    const int eq = raw.indexOf(QLatin1Char('='));
    if (eq > 0 && !isComment(trimmed)) {
      line.name = raw.left(eq).trimmed();
      line.value = raw.mid(eq + 1).trimmed();
    }
    FSections.back().lines.push_back(line);
  }
  if (FSections.front().lines.empty()) FSections.erase(FSections.begin());
}

QString TscIniFile::Text() const {
  QString text;
  for (const Section& s : FSections) {
    if (&s != &FSections.front() || !s.name.isEmpty()) text += QLatin1Char('[') + s.name + QStringLiteral("]\n");
    for (const Line& line : s.lines) text += line.raw + QLatin1Char('\n');
  }
  return text;
}

const TscIniFile::Section* TscIniFile::find(const QString& section) const {
  for (const Section& s : FSections)
    if (sameName(s.name, section)) return &s;
  return nullptr;
}

const TscIniFile::Line* TscIniFile::findLine(const Section& s, const QString& name) {
  for (const Line& line : s.lines)
    if (!line.name.isEmpty() && sameName(line.name, name)) return &line;
  return nullptr;
}

bool TscIniFile::ValueExists(const QString& section, const QString& name) const {
  const Section* s = find(section);
  return s && findLine(*s, name);
}

QString TscIniFile::ReadString(const QString& section, const QString& name, const QString& def) const {
  const Section* s = find(section);
  const Line* line = s ? findLine(*s, name) : nullptr;
  return line ? line->value : def;
}

void TscIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
  if (name.trimmed().isEmpty() || name.contains(QLatin1Char('=')) || name.contains(QLatin1Char('\n')))
    throw ScriptError(QStringLiteral("Invalid name of a setting: '%1'").arg(name));
  Section* s = find(section);
  if (!s) {
    FSections.push_back({section, {}});
    s = &FSections.back();
  }
  QString flat = value;  // a value is one line
  flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const Line written{name.trimmed(), flat.trimmed(), name.trimmed() + QLatin1Char('=') + flat};
  if (auto* line = const_cast<Line*>(findLine(*s, name)))
    *line = written;
  else
    s->lines.push_back(written);
}

void TscIniFile::DeleteKey(const QString& section, const QString& name) {
  Section* s = find(section);
  if (!s) return;
  if (const Line* line = findLine(*s, name)) s->lines.erase(s->lines.begin() + (line - s->lines.data()));
}

void TscIniFile::EraseSection(const QString& section) {
  for (auto it = FSections.begin(); it != FSections.end(); ++it)
    if (sameName(it->name, section)) {
      FSections.erase(it);
      return;
    }
}

QStringList TscIniFile::Sections() const {
  QStringList names;
  for (const Section& s : FSections)
    if (!s.name.isEmpty()) names << s.name;
  return names;
}

QStringList TscIniFile::SectionNames(const QString& section) const {
  return valueLines(section, [](const Line& line) { return line.name; });
}

QStringList TscIniFile::SectionValues(const QString& section) const {
  return valueLines(section, [](const Line& line) { return line.name + QLatin1Char('=') + line.value; });
}

QStringList TscIniFile::SectionLines(const QString& section) const {
  QStringList lines;
  if (const Section* s = find(section))
    for (const Line& line : s->lines) {
      const QString trimmed = line.raw.trimmed();
      if (!trimmed.isEmpty() && !isComment(trimmed)) lines << line.raw;
    }
  return lines;
}
