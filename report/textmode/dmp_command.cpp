#include "report/textmode/dmp_command.h"

#include "report/objects/class_info.h"
#include "report/objects/property_builders.h"
#include "report/res/resources.h"

TrpDMPCommand::TrpDMPCommand(TrpComponent* owner) : TrpOnCharacterGrid<TrpView>(owner) {
  SetBounds(0, 0, rp1CharX, rp1CharY);
}

const TrpClassInfo& TrpDMPCommand::StaticClassInfo() {
  using C = TrpDMPCommand;
  static const TrpClassInfo info("TrpDMPCommand", &TrpView::StaticClassInfo(), &Create,
                                 {
                                     rpString<&C::Command, &C::SetCommand>("Command"),
                                     rpPublish("TagStr"),
                                 });
  return info;
}

const TrpClassInfo& TrpDMPCommand::ClassInfo() const { return StaticClassInfo(); }

QString TrpDMPCommand::GetDescription() const { return rpResources()->Get(QStringLiteral("obDMPCmd")); }

QByteArray TrpDMPCommand::CommandBytes() const {
  QByteArray bytes;
  for (qsizetype i = 0; i < FCommand.size(); ++i) {
    qsizetype end = i + 1;
    while (FCommand[i] == u'#' && end < FCommand.size() && FCommand[end].isDigit() && end - i <= 3) ++end;
    if (end > i + 1) {
      bytes += static_cast<char>(FCommand.mid(i + 1, end - i - 1).toInt() & 0xFF);
      i = end - 1;
    } else {
      bytes += static_cast<char>(FCommand[i].unicode() & 0xFF);
    }
  }
  return bytes;
}

void TrpDMPCommand::Draw(QPainter&, Extended, Extended, Extended, Extended) {}
