#pragma once
// The per-user settings store: text values addressed by section and key in one INI file,
// $XDG_CONFIG_HOME/Albryn/Albryn.conf (~/.config/Albryn/Albryn.conf). Every part of the program
// that keeps settings uses it, so all of them share one file and see each other's writes at once.
#include <QString>
#include <optional>

namespace albryn {

class SettingsStore {
 public:
  // The current user's store.
  SettingsStore();
  // A store in another file (tests).
  explicit SettingsStore(QString fileName) : fileName_(std::move(fileName)) {}

  const QString& fileName() const { return fileName_; }

  // The stored text; an absent key reads as "1".
  QString read(const QString& section, const QString& key) const;
  // The stored text, or nothing when the key is absent (for readers with another default).
  std::optional<QString> find(const QString& section, const QString& key) const;
  void write(const QString& section, const QString& key, const QString& text);
  // Booleans are stored as "True" and "False".
  void writeBool(const QString& section, const QString& key, bool value);
  // The stored text read as a Boolean (absent: "1", so true); fallback when the text is neither.
  bool readBool(const QString& section, const QString& key, bool fallback = true) const;

 private:
  QString fileName_;
};

// A stored text as a Boolean: "True"/"False" in any letter case, or a number (zero is false,
// any other number true); nothing for any other text.
std::optional<bool> StoredTextToBool(const QString& text);

}  // namespace albryn
