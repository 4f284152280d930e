#pragma once

#include <QStringList>

#include "app/dialogs.h"

// Dialogs answered by the test: the font dialog returns `answer` (or is cancelled), the file
// dialogs return the file the test names (empty: cancelled), and message boxes are recorded
// instead of shown.
class FakeDialogs : public stroval::Dialogs {
 public:
  struct State {
    bool confirmFont = false;
    stroval::TextFont answer;
    int fontDialogCalls = 0;
    stroval::TextFont lastSeed;
    QStringList messages;
    QString openAnswer;
    QString saveAnswer;
    QStringList fileDialogFilters;
  };

  explicit FakeDialogs(State* state) : state_(state) {}

  bool ChooseFont(QWidget*, stroval::TextFont& font) override {
    ++state_->fontDialogCalls;
    state_->lastSeed = font;
    if (!state_->confirmFont) return false;
    font = state_->answer;
    return true;
  }
  void ShowMessage(QWidget*, const QString& title, const QString& text, Icon) override {
    state_->messages << title + QStringLiteral(": ") + text;
  }
  QString GetOpenFileName(QWidget*, const QString&, const QString& filter) override {
    state_->fileDialogFilters << filter;
    return state_->openAnswer;
  }
  QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString& filter) override {
    state_->fileDialogFilters << filter;
    return state_->saveAnswer;
  }

 private:
  State* state_;
};
