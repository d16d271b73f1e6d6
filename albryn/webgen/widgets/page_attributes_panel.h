#pragma once
// The panel "Title, Fonts and Backgrounds" (frameColorFontTitle): a view and editor of the page
// attributes held in the program state.
#include <QWidget>
#include <functional>

#include "dialog_services.h"
#include "page_attributes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace albryn::webgen {

// Reads and replaces path bag entries ("linkback", "mainback", "midi").
struct PathEntryAccess {
  std::function<QString(const QString& key)> get;
  std::function<void(const QString& key, const QString& path)> set;
};

class PageAttributesPanel : public QWidget {
  Q_OBJECT

 public:
  // The panel edits `attributes` in place; both must outlive it.
  PageAttributesPanel(PageAttributes& attributes, ui::DialogServices& dialogs,
                      PathEntryAccess pathEntries, QWidget* parent = nullptr);

  // Shows the attributes again after they were changed elsewhere (New, project load).
  void refresh();
  // Replaces the background chooser (frmMsgBox by default); it returns the chooser's word.
  void setBackgroundChooser(std::function<QString()> ask) { askBackground_ = std::move(ask); }
  // Called before the sound dialog opens, to move the keyboard focus off the panel's buttons.
  void setFocusSink(std::function<void()> sink) { focusSink_ = std::move(sink); }

 private:
  // The controls of one page area.
  struct AreaControls {
    QLineEdit* background = nullptr;
    QLabel* backgroundSwatch = nullptr;
    QPushButton* chooseBackground = nullptr;
    QLineEdit* fontName = nullptr;
    QLineEdit* fontSize = nullptr;
    QCheckBox* underline = nullptr;
    QCheckBox* bold = nullptr;
    QCheckBox* italic = nullptr;
    QLineEdit* fontColorText = nullptr;  // hidden
    QLabel* fontSwatch = nullptr;
    QPushButton* chooseFont = nullptr;
  };
  struct AreaNames;

  QWidget* buildArea(const QString& caption, const AreaNames& names, AreaLook& look,
                     const QString& pathKey, AreaControls& controls);
  void showArea(const AreaLook& look, const AreaControls& controls);

  PageAttributes& attributes_;
  ui::DialogServices& dialogs_;
  PathEntryAccess pathEntries_;
  std::function<QString()> askBackground_;
  std::function<void()> focusSink_;

  QLineEdit* title_ = nullptr;
  QLineEdit* sound_ = nullptr;
  AreaControls link_;
  AreaControls display_;
};

}  // namespace albryn::webgen
