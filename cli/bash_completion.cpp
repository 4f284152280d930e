#include "cli/bash_completion.h"

#include "cli/command_line.h"

#include <QStringList>

namespace {

// Options whose value is one of a few words.
struct FixedValues {
  const char* option;
  const char* values;
};
constexpr FixedValues kFixedValues[] = {
    {"format", "pdf png jpeg txt"},
    {"mode", "default split join scale"},
    {"guides", "none tian mi jiugong"},
    {"syntax", "PascalScript C++Script BasicScript JScript"},
};

// What follows an option that takes a value: its fixed words, a folder, a file, or nothing to
// offer (a number, a range, a password), as one arm of a bash case.
QString valueArm(const TrpToolOption& option) {
  QStringList names;
  for (const QString& name : option.Names) names << rpDashedOption(name);
  QString action = QStringLiteral("return 0");
  for (const FixedValues& fixed : kFixedValues)
    if (option.Names.contains(QLatin1String(fixed.option)))
      action = QStringLiteral("COMPREPLY=($(compgen -W \"%1\" -- \"$cur\")); return 0").arg(QLatin1String(fixed.values));
  if (option.ValueName == QLatin1String("DIR"))
    action = QStringLiteral("COMPREPLY=($(compgen -d -- \"$cur\")); return 0");
  else if (option.ValueName.contains(QLatin1String("FILE")) || option.ValueName.startsWith(QLatin1String("OUT")))
    action = QStringLiteral("COMPREPLY=($(compgen -f -- \"$cur\")); return 0");
  return QStringLiteral("    %1) %2 ;;\n").arg(names.join(u'|'), action);
}

}  // namespace

QString rpBashCompletion() {
  QStringList commands;
  QString valueArms;
  QStringList seenValueOptions;
  QString optionArms;
  for (const TrpToolCommand& command : rpToolCommands()) {
    commands << command.Name;
    QStringList options;
    for (const TrpToolOption& option : command.Options) {
      for (const QString& name : option.Names) options << rpDashedOption(name);
      if (option.ValueName.isEmpty() || seenValueOptions.contains(option.Names.first())) continue;
      seenValueOptions << option.Names.first();
      valueArms += valueArm(option);
    }
    options << QStringLiteral("--help");
    optionArms += QStringLiteral("    %1) options=\"%2\" ;;\n").arg(command.Name, options.join(u' '));
  }
  const QString commandWords = commands.join(u' ');
  return QStringLiteral(
             "# bash completion for stroval-report, written by the build from the tool's command table.\n"
             "_stroval_report() {\n"
             "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
             "  local command=\"\" options=\"\" i\n"
             "  COMPREPLY=()\n"
             "  case $prev in\n"
             "%1"
             "  esac\n"
             "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
             "    case ${COMP_WORDS[i]} in\n"
             "      --password) ((i++)) ;;\n"
             "      -*) ;;\n"
             "      *) command=${COMP_WORDS[i]}; break ;;\n"
             "    esac\n"
             "  done\n"
             "  if [[ -z $command ]]; then\n"
             "    COMPREPLY=($(compgen -W \"%2 --password --version --help\" -- \"$cur\"))\n"
             "    return 0\n"
             "  fi\n"
             "  if [[ $command == help ]]; then\n"
             "    COMPREPLY=($(compgen -W \"%2\" -- \"$cur\"))\n"
             "    return 0\n"
             "  fi\n"
             "  case $command in\n"
             "%3"
             "  esac\n"
             "  if [[ $cur == -* ]]; then\n"
             "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
             "  else\n"
             "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
             "  fi\n"
             "  return 0\n"
             "}\n"
             "complete -o filenames -F _stroval_report stroval-report\n")
      .arg(valueArms, commandWords, optionArms);
}
