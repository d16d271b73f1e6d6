#pragma once
// Dialog services for tests: answers come from queues the test fills beforehand, and everything
// shown is recorded exactly as the user would have seen it.
//
// A message box with only an OK button needs no queued answer. Any other box or dialog that finds
// its queue empty is recorded in unexpected() and answered as if cancelled (No for Yes/No,
// Abort for Abort/Retry/Ignore), so a test can tell an unplanned question from a planned one.
#include <QList>
#include <QStringList>
#include <deque>

#include "dialog_services.h"

namespace albryn::ui {

class ScriptedDialogServices final : public DialogServices {
 public:
  struct FileDialog {
    bool save = false;
    FileRequest request;
  };

  // Answers, used in order.
  void queueAnswer(Answer a) { answers_.push_back(a); }
  // What the user types or picks in the next file dialog; nothing means Cancel. A save dialog
  // adds the default extension and asks the overwrite question like the real one.
  void queueFile(std::optional<QString> typed) { files_.push_back(std::move(typed)); }
  void queueInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
  void queueColour(std::optional<QColor> c) { colours_.push_back(c); }
  void queueFont(std::optional<FontChoice> f) { fonts_.push_back(std::move(f)); }

  // What was shown, in order.
  const QList<Message>& messages() const { return messages_; }
  const QList<FileDialog>& fileDialogs() const { return fileDialogs_; }
  const QList<InputRequest>& inputs() const { return inputRequests_; }
  const QList<QColor>& colourDialogs() const { return colourRequests_; }
  const QList<FontChoice>& fontDialogs() const { return fontRequests_; }
  // Interactions that found no queued answer, described for a failure message.
  const QStringList& unexpected() const { return unexpected_; }
  // Queued answers nobody asked for.
  qsizetype unusedAnswers() const;

  int busyPeriods() const { return busyPeriods_; }
  int busyDepth() const { return busyDepth_; }
  QList<BusyKind> busyKinds() const { return busyKinds_; }

  void clearRecords();

  using DialogServices::message;
  Answer message(const Message& m) override;
  std::optional<QString> openFile(const FileRequest& r) override;
  std::optional<QString> saveFile(const FileRequest& r) override;
  std::optional<QString> input(const InputRequest& r) override;
  std::optional<QColor> chooseColour(const QColor& initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void beginBusy(BusyKind kind) override;
  void endBusy() override;

 private:
  // The front of queue, or unanswered (recorded as unexpected with what) when it is empty.
  template <typename T>
  T next(std::deque<T>& queue, const QString& what, T unanswered);

  std::deque<Answer> answers_;
  std::deque<std::optional<QString>> files_;
  std::deque<std::optional<QString>> inputs_;
  std::deque<std::optional<QColor>> colours_;
  std::deque<std::optional<FontChoice>> fonts_;

  QList<Message> messages_;
  QList<FileDialog> fileDialogs_;
  QList<InputRequest> inputRequests_;
  QList<QColor> colourRequests_;
  QList<FontChoice> fontRequests_;
  QStringList unexpected_;
  int busyPeriods_ = 0;
  int busyDepth_ = 0;
  QList<BusyKind> busyKinds_;
};

}  // namespace albryn::ui
