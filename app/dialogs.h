#pragma once

#include <QString>

#include "app/text_font.h"

class QWidget;

// The modal dialogs the window asks the user through. The window holds this interface rather
// than calling Qt's dialogs directly, so that tests answer in place of the user.
namespace stroval {

class Dialogs {
 public:
  enum class Icon { Information, Warning, Error };

  virtual ~Dialogs() = default;

  // Shows the font dialog seeded with `font`. Returns true and the chosen font in `font` when the
  // user confirms; returns false and leaves `font` unchanged when the user cancels.
  virtual bool ChooseFont(QWidget* parent, TextFont& font) = 0;
  virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                           Icon icon) = 0;
  // The open and save file dialogs: the chosen file, or an empty text when the user cancels.
  // `filter` is Qt's ("Name (*.ext)"); `fileName` seeds the save dialog.
  virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                                  const QString& filter) = 0;
};

// The system's own dialogs.
class QtDialogs : public Dialogs {
 public:
  bool ChooseFont(QWidget* parent, TextFont& font) override;
  void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                   Icon icon) override;
  QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) override;
  QString GetSaveFileName(QWidget* parent, const QString& title, const QString& fileName,
                          const QString& filter) override;
};

}  // namespace stroval
