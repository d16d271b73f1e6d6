#pragma once
// The main window "Albryn Web Page Generator": the step area, the three panels, the drive
// browser button and the local file browser, the menu bar and the invisible focus sink. Its
// behaviour lives in ShellController; the window shows what the controller asks for.
#include <QMainWindow>
#include <QPointer>

#include "main_menus.h"
#include "shell_controller.h"

class QPushButton;

namespace albryn {
class FileBrowserPanel;
class ImageListPanel;
namespace webgen {
class PageAttributesPanel;
}
namespace upload {
class FrameFtpUpload;
class FtpClient;
}  // namespace upload
namespace ui {
class DialogServices;
}
}  // namespace albryn

namespace albryn::shell {

class PanelArea;
class StepArea;

class AlbrynWebPageGen : public QMainWindow, private ShellView {
  Q_OBJECT

 public:
  // Builds the window and runs its start-up; commandLine is the program's arguments joined by
  // blanks. The dialogs and the settings store are the program's own, or a test's.
  AlbrynWebPageGen(ui::DialogServices& dialogs, ShellHooks hooks, const QString& commandLine,
                   SettingsStore store = SettingsStore());
  ~AlbrynWebPageGen() override;

  ShellController& controller() { return controller_; }
  ProgramState& state() { return controller_.state(); }
  const MainMenus& menus() const { return menus_; }
  StepArea* stepArea() const { return stepArea_; }
  PanelArea* panelArea() const { return panelArea_; }
  ImageListPanel* imageListPanel() const { return imageListPanel_; }
  FileBrowserPanel* fileBrowser() const { return fileBrowser_; }
  webgen::PageAttributesPanel* pageAttributesPanel() const { return pageAttributesPanel_; }
  upload::FrameFtpUpload* uploadPanel() const { return uploadPanel_; }

 Q_SIGNALS:
  // The window was closed and its settings stored: the program ends.
  void exited();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // ShellView
  void placeWindow() override;
  int heightUnits() const override { return heightUnits_; }
  int topUnits() const override;
  int leftUnits() const override;
  void animateHeight(int delta, int finalHeight) override;
  void slidePanel(Panel from, Panel to) override;
  void setStepButtonsEnabled(bool enabled) override;
  void setDriveBrowserVisible(bool visible) override;
  void setDriveButtonCaption(const QString& caption) override;
  void setDriveButtonEnabled(bool enabled) override;
  void moveFocusToSink() override;
  void showLamps(const Lamps& lamps) override;
  void resetPreview() override;
  void previewSwitchedOn() override;
  void showOptionChecked(Option option, bool checked) override;

  void buildCentralArea();
  void embedPanels(ui::DialogServices& dialogs);
  void connectCommands();
  // Step 3 after the window made room: the style chooser, then the generation.
  void generatePages(ui::DialogServices& dialogs);
  // "&Save Albryn File", "&Load Albryn File" and "&New (Clear All)".
  void saveProject(ui::DialogServices& dialogs);
  void loadProject(ui::DialogServices& dialogs);
  void newProject();
  // The image list's count label shows text instead of the recomputed count.
  void showCountLabel(const QString& text);
  void embedUploadPanel(ui::DialogServices& dialogs);
  void setHeightUnits(int units);
  // Places the areas for the menu bar's height: everything below the collapsed height is the
  // panel area, the browser starts at the expanded height.
  void layoutAreas();

  MainMenus menus_;
  StepArea* stepArea_ = nullptr;
  PanelArea* panelArea_ = nullptr;
  QPushButton* driveButton_ = nullptr;
  QWidget* browserArea_ = nullptr;
  QPushButton* focusSink_ = nullptr;
  ImageListPanel* imageListPanel_ = nullptr;
  FileBrowserPanel* fileBrowser_ = nullptr;
  webgen::PageAttributesPanel* pageAttributesPanel_ = nullptr;
  upload::FtpClient* ftpClient_ = nullptr;
  upload::FrameFtpUpload* uploadPanel_ = nullptr;
  // Buttons disabled while a panel slides, with the state each had before.
  QList<std::pair<QPointer<QWidget>, bool>> disabledDuringSlide_;
  int heightUnits_ = kCollapsedHeight;
  ShellController controller_;
};

}  // namespace albryn::shell
