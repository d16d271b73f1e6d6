#include "albryn_web_page_gen.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "animation.h"
#include "dialog_services.h"
#include "filebrowserpanel.h"
#include "frame_ftp_upload.h"
#include "ftp_client.h"
#include "ftp_settings_dialog.h"
#include "generate_command.h"
#include "image_operations.h"
#include "imagelistpanel.h"
#include "layout_units.h"
#include "page_attributes_panel.h"
#include "panel_area.h"
#include "previewbox.h"
#include "project_commands.h"
#include "project_state.h"
#include "step_area.h"

namespace albryn::shell {
namespace {

const QString kImageListPreview = QStringLiteral("ImageList Pre-View");
constexpr int kDriveButtonHeight = 28;
// Animation time per layout unit of growth, so that every change runs at the same pace.
constexpr double kMsPerUnit = 0.1;

}  // namespace

AlbrynWebPageGen::AlbrynWebPageGen(ui::DialogServices& dialogs, ShellHooks hooks, const QString& commandLine,
                                   SettingsStore store)
    : controller_(*this, std::move(hooks), std::move(store)) {
  setObjectName("AlbrynWebPageGen");
  setWindowTitle(ui::kDefaultCaption);
  setWindowIcon(QIcon(":/pictures/icon.png"));
  // A fixed-size window: no maximise button, and its size changes only under program control.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  menus_ = BuildMainMenus(menuBar());
  buildCentralArea();
  embedPanels(dialogs);
  connectCommands();
  controller_.startUp(commandLine);
  stepArea_->resetPreview();
}

AlbrynWebPageGen::~AlbrynWebPageGen() = default;

void AlbrynWebPageGen::buildCentralArea() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  stepArea_ = new StepArea(central);
  panelArea_ = new PanelArea(central);

  driveButton_ = new QPushButton(ShellController::kShowDriveList, central);
  driveButton_->setObjectName("cmdDriveList");

  browserArea_ = new QWidget(central);
  browserArea_->setObjectName("driveBrowser");
  new QVBoxLayout(browserArea_);
  browserArea_->layout()->setContentsMargins(0, 0, 0, 0);
  browserArea_->hide();

  // Off-screen, but able to take the focus.
  focusSink_ = new QPushButton(central);
  focusSink_->setObjectName("cmdDummyFocus");
  focusSink_->setGeometry(-100, -100, 10, 10);
  focusSink_->setFocusPolicy(Qt::StrongFocus);
}

void AlbrynWebPageGen::embedPanels(ui::DialogServices& dialogs) {
  ProgramState& s = controller_.state();
  const PanelHost host{
      .dialogs = dialogs,
      .imageLimit = [&s] { return s.imageLimit; },
      .previewEnabled = [&s] { return s.options[Option::ImagePreview]; },
      .showPreview =
          [this](const QString& caption, const QString& path) {
            stepArea_->previewCaption()->setText(caption);
            stepArea_->preview()->showPicture(path);
          },
      .showLogo = [this] { stepArea_->preview()->showImage(QPixmap(":/pictures/logo.png")); },
      .focusSink = [this] { moveFocusToSink(); },
  };

  imageListPanel_ = new ImageListPanel(s.imageList, host);
  panelArea_->setContent(Panel::ImageList, imageListPanel_);
  fileBrowser_ = new FileBrowserPanel(s.imageList, host, ProgramFolder(controller_.settings()));
  browserArea_->layout()->addWidget(fileBrowser_);

  const webgen::PathEntryAccess pathEntries{
      .get = [&s](const QString& key) { return s.pathBag.value(key); },
      .set = [&s](const QString& key, const QString& path) { s.pathBag.set(key, path); },
  };
  pageAttributesPanel_ = new webgen::PageAttributesPanel(s.pageAttributes, dialogs, pathEntries);
  pageAttributesPanel_->setFocusSink([this] { moveFocusToSink(); });
  panelArea_->setContent(Panel::ColorFontTitle, pageAttributesPanel_);

  controller_.hooks().generatePages = [this, &dialogs] { generatePages(dialogs); };
  embedUploadPanel(dialogs);
  menus_.saveProject->setEnabled(true);
  connect(menus_.saveProject, &QAction::triggered, this, [this, &dialogs] { saveProject(dialogs); });
  menus_.loadProject->setEnabled(true);
  connect(menus_.loadProject, &QAction::triggered, this, [this, &dialogs] { loadProject(dialogs); });
  menus_.newProject->setEnabled(true);
  connect(menus_.newProject, &QAction::triggered, this, [this] { newProject(); });
}

void AlbrynWebPageGen::embedUploadPanel(ui::DialogServices& dialogs) {
  ProgramState& s = controller_.state();
  // What the last generation left, at the moment the upload begins.
  const auto album = [&s] {
    upload::UploadInput input;
    input.records = s.generation.records;
    input.outputFolder = s.generation.outputFolder;
    input.outputBaseName = s.generation.outputBaseName;
    input.mainBackground = s.pageAttributes.display.backgroundText;
    input.linkBackground = s.pageAttributes.link.backgroundText;
    input.sound = s.pageAttributes.soundPath;
    input.autoSpaceReplacement = s.options[Option::AutoSpace];
    input.deleteAfterUpload = s.options[Option::DeleteThumbnails];
    return input;
  };
  ftpClient_ = new upload::FtpClient(this);
  uploadPanel_ = new upload::FrameFtpUpload(*ftpClient_, controller_.settings(), dialogs,
                                            webgen::ResizeFunction(ResizeImageFile), album);
  panelArea_->setContent(Panel::FtpUpload, uploadPanel_);
  controller_.hooks().prepareUploadPanel = [this, &s] { uploadPanel_->prepare(s.pathBag.value("genhtml")); };
  menus_.advancedFtp->setEnabled(true);
  connect(menus_.advancedFtp, &QAction::triggered, this, [this] { upload::ShowSettings(*ftpClient_, this); });
}

void AlbrynWebPageGen::saveProject(ui::DialogServices& dialogs) {
  ProgramState& s = controller_.state();
  const QLabel* countLabel = imageListPanel_->findChild<QLabel*>("lblInfoA");
  webgen::ProjectData data = ProjectDataOf(s, countLabel ? countLabel->text() : QString());
  webgen::SaveProject(data, dialogs, ProgramFolder(controller_.settings()));
  s.pathBag.set("alb", data.pathEntries.value(webgen::kProjectPathKeys.indexOf("alb")));
}

void AlbrynWebPageGen::loadProject(ui::DialogServices& dialogs) {
  ProgramState& s = controller_.state();
  webgen::ProjectData data = ProjectDataOf(s, {});
  if (!webgen::LoadProject(data, dialogs, ProgramFolder(controller_.settings()))) {
    // The dialog was cancelled; only the "alb" entry may have changed.
    s.pathBag.set("alb", data.pathEntries.value(webgen::kProjectPathKeys.indexOf("alb")));
    return;
  }
  ApplyProjectData(data, s);
  pageAttributesPanel_->refresh();
  showCountLabel(data.countLabel);  // as the file has it, not recomputed
}

void AlbrynWebPageGen::newProject() {
  ClearProject(controller_.state(), ProgramFolder(controller_.settings()));
  pageAttributesPanel_->refresh();
  showCountLabel({});
  stepArea_->previewCaption()->clear();
  stepArea_->preview()->showImage(QPixmap(":/pictures/logo.png"));
  if (auto* ftpStatus = uploadPanel_->findChild<QPlainTextEdit*>("lblFtpStatus")) ftpStatus->clear();
  fileBrowser_->utilities().forgetCopySource();
}

void AlbrynWebPageGen::showCountLabel(const QString& text) {
  // Settles the count update that changing the list scheduled, so that it cannot overwrite text.
  imageListPanel_->updateImageListInfo();
  if (auto* countLabel = imageListPanel_->findChild<QLabel*>("lblInfoA")) countLabel->setText(text);
}

void AlbrynWebPageGen::generatePages(ui::DialogServices& dialogs) {
  ProgramState& s = controller_.state();
  webgen::GenerateCommand command{
      .owner = this,
      .dialogs = dialogs,
      .resize = webgen::ResizeFunction(ResizeImageFile),
      .setAutoSpace =
          [this](bool on) {
            if (controller_.state().options[Option::AutoSpace] != on) controller_.toggleOption(Option::AutoSpace);
          },
      .askStyle = {},
  };
  const webgen::AlbumInput input{
      .paths = s.imageList.paths(),
      .displayNames = s.imageList.names(),
      .attributes = s.pageAttributes,
      .options = {.autoSpaceReplacement = s.options[Option::AutoSpace]},
  };
  QString genhtml = s.pathBag.value("genhtml");
  if (const auto choice = command.run(input, s.generation, genhtml)) {
    s.createAndUseThumbnails = choice->thumbnails;
    s.localFilePaths = choice->drivePaths;
  }
  s.pathBag.set("genhtml", genhtml);
}

void AlbrynWebPageGen::connectCommands() {
  using Step = void (ShellController::*)();
  const Step steps[kLampCount] = {&ShellController::stepSelectAttributes, &ShellController::stepSelectImages,
                                  &ShellController::stepGenerate, &ShellController::stepPreview,
                                  &ShellController::stepUpload};
  for (int i = 0; i < kLampCount; ++i) {
    const auto run = [this, step = steps[i]] { (controller_.*step)(); };
    connect(stepArea_->stepButton(Lamp(i)), &QPushButton::clicked, this, run);
    connect(menus_.steps[i], &QAction::triggered, this, run);
  }
  // "&Edit HTML" belongs to the preview and HTML editing, which the program does not have yet.
  stepArea_->editHtmlButton()->setEnabled(false);
  connect(driveButton_, &QPushButton::clicked, this, [this] { controller_.toggleDriveBrowser(); });
  for (const OptionInfo& info : OptionTable())
    connect(menus_.optionItems[std::size_t(info.option)], &QAction::triggered, this,
            [this, option = info.option] { controller_.toggleOption(option); });
  connect(menus_.exit, &QAction::triggered, this, &QWidget::close);
}

void AlbrynWebPageGen::layoutAreas() {
  const int width = centralWidget()->width();
  const int menuHeight = centralWidget()->y();
  const int collapsed = toPixels(kCollapsedHeight) - menuHeight;
  const int expanded = toPixels(kExpandedHeight) - menuHeight;
  stepArea_->setGeometry(4, 2, width - 8, collapsed - 6);
  panelArea_->setGeometry(4, collapsed, width - 8, expanded - collapsed - kDriveButtonHeight - 8);
  driveButton_->setGeometry(4, expanded - kDriveButtonHeight - 4, 240, kDriveButtonHeight);
  browserArea_->setGeometry(4, expanded, width - 8, toPixels(kDriveBrowserHeight) - 4);
}

void AlbrynWebPageGen::setHeightUnits(int units) {
  heightUnits_ = units;
  setFixedSize(toPixels(kWindowWidth), toPixels(units));
}

void AlbrynWebPageGen::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutAreas();
}

void AlbrynWebPageGen::placeWindow() {
  setHeightUnits(kCollapsedHeight);
  const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
  move(screen.x() + (screen.width() - toPixels(kWindowWidth)) / 2, screen.y() + toPixels(kWindowTop));
}

int AlbrynWebPageGen::topUnits() const { return toUnits(y()); }

int AlbrynWebPageGen::leftUnits() const { return toUnits(x()); }

void AlbrynWebPageGen::animateHeight(int delta, int finalHeight) {
  const int start = heightUnits_;
  Animate(qRound(qAbs(delta) * kMsPerUnit), [&](double t) { setHeightUnits(start + qRound(t * delta)); });
  setHeightUnits(finalHeight);
}

void AlbrynWebPageGen::slidePanel(Panel from, Panel to) { panelArea_->slide(from, to); }

void AlbrynWebPageGen::setStepButtonsEnabled(bool enabled) {
  if (!enabled) {
    disabledDuringSlide_.clear();
    for (int i = 0; i < kLampCount; ++i) disabledDuringSlide_.append({stepArea_->stepButton(Lamp(i)), true});
    disabledDuringSlide_.append({stepArea_->editHtmlButton(), true});
    disabledDuringSlide_.append({driveButton_, true});
    for (auto& [button, wasEnabled] : disabledDuringSlide_) {
      wasEnabled = button->isEnabled();
      button->setEnabled(false);
    }
  } else {
    for (const auto& [button, wasEnabled] : disabledDuringSlide_)
      if (button) button->setEnabled(wasEnabled);
    disabledDuringSlide_.clear();
  }
}

void AlbrynWebPageGen::setDriveBrowserVisible(bool visible) { browserArea_->setVisible(visible); }

void AlbrynWebPageGen::setDriveButtonCaption(const QString& caption) { driveButton_->setText(caption); }

void AlbrynWebPageGen::setDriveButtonEnabled(bool enabled) { driveButton_->setEnabled(enabled); }

void AlbrynWebPageGen::moveFocusToSink() { focusSink_->setFocus(); }

void AlbrynWebPageGen::showLamps(const Lamps& lamps) { stepArea_->showLamps(lamps); }

void AlbrynWebPageGen::resetPreview() { stepArea_->resetPreview(); }

void AlbrynWebPageGen::previewSwitchedOn() {
  stepArea_->previewCaption()->setText(kImageListPreview);
  const int row = imageListPanel_->currentRow();
  // A picture that cannot be loaded leaves the logo in the box.
  if (row >= 0) stepArea_->preview()->showPicture(controller_.state().imageList.path(row));
}

void AlbrynWebPageGen::showOptionChecked(Option option, bool checked) {
  menus_.optionItems[std::size_t(option)]->setChecked(checked);
}

void AlbrynWebPageGen::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The tip window may open from here; it opens once the activation itself is handled.
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    QMetaObject::invokeMethod(&controller_, &ShellController::activated, Qt::QueuedConnection);
}

void AlbrynWebPageGen::closeEvent(QCloseEvent* event) {
  controller_.exiting();
  event->accept();
  Q_EMIT exited();
}

}  // namespace albryn::shell
