#pragma once
// The file list's "File Utilities" commands with their questions and messages. Each acts on the
// browser's current folder and the selected file names in list order; the browser refreshes its
// lists afterwards.
#include <QStringList>

#include "dialog_services.h"

namespace albryn {

class FileUtilityCommands {
 public:
  explicit FileUtilityCommands(ui::DialogServices& dialogs) : dialogs_(dialogs) {}

  // Asks for a name and creates that folder; true when one was created.
  bool createFolder(const QString& folder);
  // Remembers the selected names and their folder for one paste.
  void copy(const QString& folder, const QStringList& selected);
  bool canPaste() const { return canPaste_; }
  // Copies the remembered files into the folder. A file of the same name there is never replaced:
  // that file is reported and the next one tried.
  void paste(const QString& folder);
  // Asks a new name for each selected file; an existing name is left alone without a word.
  void rename(const QString& folder, const QStringList& selected);
  // Asks for each selected file before deleting it.
  void remove(const QString& folder, const QStringList& selected);
  // Asks for a prefix and renames the selected files to prefix1.jpg, prefix2.jpg, ...
  void batchRename(const QString& folder, const QStringList& selected);
  // "New (Clear All)" forgets where the last copy came from.
  void forgetCopySource();

 private:
  void warn(const QString& text, const QString& caption = {});

  ui::DialogServices& dialogs_;
  QStringList copyNames_;
  QString copySource_;
  bool canPaste_ = false;
};

}  // namespace albryn
