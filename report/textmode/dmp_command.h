#pragma once
// TrpDMPCommand: a printer command of a text-mode page: bytes sent to the printer unchanged at
// the object's place in the text (switching a printer's font, feeding paper, opening a cash
// drawer). It takes no room and leaves no ink, so the preview, pictures and PDFs do not show it;
// the text export writes it only when asked for the printer's own bytes.
#include <QByteArray>

#include "report/textmode/character_grid.h"
#include "report/views/view.h"

class TrpDMPCommand : public TrpOnCharacterGrid<TrpView> {
 public:
  explicit TrpDMPCommand(TrpComponent* owner);
  static TrpComponent* Create(TrpComponent* owner) { return new TrpDMPCommand(owner); }
  static const TrpClassInfo& StaticClassInfo();
  const TrpClassInfo& ClassInfo() const override;
  QString GetDescription() const override;

  // The command as text: "#" followed by a decimal number is the byte of that code ("#27#64"
  // resets most printers); every other character stands for itself.
  const QString& Command() const { return FCommand; }
  void SetCommand(const QString& value) { FCommand = value; }
  // The bytes the command stands for; characters beyond one byte keep their low byte.
  QByteArray CommandBytes() const;

  void Draw(QPainter& canvas, Extended scaleX, Extended scaleY, Extended offsetX,
            Extended offsetY) override;

 private:
  QString FCommand;
};
