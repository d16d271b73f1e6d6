#pragma once
// Every modal interaction of the program goes through DialogServices: message boxes, file
// dialogs, the input box, the colour and font dialogs and the busy pointer. The program uses the
// Qt implementation (QtDialogServices); tests use ScriptedDialogServices, which answers from a
// queue and records what was shown.
#include <QColor>
#include <QString>
#include <optional>

namespace albryn::ui {

// The caption of every box that has none of its own.
inline const QString kDefaultCaption = QStringLiteral("Albryn Web Page Generator");

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// A message box as the user sees it. An empty caption is shown as kDefaultCaption; the services
// record the caption actually shown.
struct Message {
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  bool operator==(const Message&) const = default;
};

// A file open or save dialog. The filter uses the classic "Description|pattern|Description|
// pattern" form, several patterns of one entry separated by ';' ("Pictures|*.jpg;*.gif").
// initialName may be a full path; its folder then wins over initialFolder. The default
// extension (without dot) is added to a chosen name whose extension matches none of the
// filter's own patterns. With confirmOverwrite a save asks before an existing file is chosen.
struct FileRequest {
  QString title;
  QString filter;
  QString defaultExtension;
  QString initialName;
  QString initialFolder;
  bool confirmOverwrite = false;
  bool operator==(const FileRequest&) const = default;
};

// An input box: the prompt, the caption (empty shows kDefaultCaption) and the proposed answer.
struct InputRequest {
  QString prompt;
  QString caption;
  QString proposed;
  bool operator==(const InputRequest&) const = default;
};

// A font with the effects the font dialog offers.
struct FontChoice {
  QString family;
  double pointSize = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  QColor colour = Qt::black;
  bool operator==(const FontChoice&) const = default;
};

// The pointer shown while a command works: the arrow with an hourglass, or the hourglass alone.
enum class BusyKind { ArrowAndHourglass, Hourglass };

class DialogServices {
 public:
  virtual ~DialogServices() = default;

  // Shows a modal message box and returns the button the user pressed.
  virtual Answer message(const Message& m) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<QString> openFile(const FileRequest& r) = 0;
  virtual std::optional<QString> saveFile(const FileRequest& r) = 0;
  // The typed text, or nothing when cancelled.
  virtual std::optional<QString> input(const InputRequest& r) = 0;
  virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
  virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

  // Nested busy periods: the pointer returns to normal when the outermost one ends.
  virtual void beginBusy(BusyKind kind) = 0;
  virtual void endBusy() = 0;

  // Shorthand for the most common box.
  Answer message(const QString& text, MessageIcon icon = MessageIcon::None,
                 MessageButtons buttons = MessageButtons::Ok, const QString& caption = {}) {
    return message(Message{text, caption, icon, buttons});
  }
};

// Shows the busy pointer for its lifetime.
class BusyPointer {
 public:
  explicit BusyPointer(DialogServices& services, BusyKind kind = BusyKind::ArrowAndHourglass)
      : services_(services) {
    services_.beginBusy(kind);
  }
  ~BusyPointer() { services_.endBusy(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  DialogServices& services_;
};

// The caption a box shows: its own, or kDefaultCaption when it has none.
inline QString shownCaption(const QString& caption) {
  return caption.isEmpty() ? kDefaultCaption : caption;
}

// The answer of a box closed without pressing a button (Escape, the close box), also what the
// scripted services give an unplanned question.
inline Answer cancelAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::YesNo: return Answer::No;
    case MessageButtons::AbortRetryIgnore: return Answer::Abort;
    default: return Answer::Cancel;
  }
}

}  // namespace albryn::ui
