#include "scripted_dialog_services.h"

#include "file_filter.h"

namespace albryn::ui {

template <typename T>
T ScriptedDialogServices::next(std::deque<T>& queue, const QString& what, T unanswered) {
  if (queue.empty()) {
    unexpected_ << what;
    return unanswered;
  }
  T front = queue.front();
  queue.pop_front();
  return front;
}

qsizetype ScriptedDialogServices::unusedAnswers() const {
  return qsizetype(answers_.size() + files_.size() + inputs_.size() + colours_.size() + fonts_.size());
}

void ScriptedDialogServices::clearRecords() {
  messages_.clear();
  fileDialogs_.clear();
  inputRequests_.clear();
  colourRequests_.clear();
  fontRequests_.clear();
  unexpected_.clear();
  busyPeriods_ = 0;
  busyKinds_.clear();
}

Answer ScriptedDialogServices::message(const Message& m) {
  Message shown = m;
  shown.caption = shownCaption(m.caption);
  messages_ << shown;
  if (m.buttons == MessageButtons::Ok && answers_.empty()) return Answer::Ok;
  return next(answers_, "message: " + m.text, cancelAnswer(m.buttons));
}

std::optional<QString> ScriptedDialogServices::openFile(const FileRequest& r) {
  fileDialogs_ << FileDialog{false, r};
  return next(files_, "open dialog: " + shownFileDialogTitle(r, false), {});
}

std::optional<QString> ScriptedDialogServices::saveFile(const FileRequest& r) {
  for (;;) {
    fileDialogs_ << FileDialog{true, r};
    const std::optional<QString> typed =
        next(files_, "save dialog: " + shownFileDialogTitle(r, true), {});
    if (!typed) return std::nullopt;
    const std::optional<QString> chosen = finishSave(*this, r, *typed, 0, shownFileDialogTitle(r, true));
    if (chosen) return chosen;
  }
}

std::optional<QString> ScriptedDialogServices::input(const InputRequest& r) {
  InputRequest shown = r;
  shown.caption = shownCaption(r.caption);
  inputRequests_ << shown;
  return next(inputs_, "input box: " + r.prompt, {});
}

std::optional<QColor> ScriptedDialogServices::chooseColour(const QColor& initial) {
  colourRequests_ << initial;
  return next(colours_, "colour dialog", {});
}

std::optional<FontChoice> ScriptedDialogServices::chooseFont(const FontChoice& initial) {
  fontRequests_ << initial;
  return next(fonts_, "font dialog", {});
}

void ScriptedDialogServices::beginBusy(BusyKind kind) {
  ++busyPeriods_;
  ++busyDepth_;
  busyKinds_ << kind;
}

void ScriptedDialogServices::endBusy() { --busyDepth_; }

}  // namespace albryn::ui
