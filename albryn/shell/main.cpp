// albryn: the Albryn Web Page Generator. The optional argument is the largest number of pictures.
#include <QApplication>
#include <memory>
#include <optional>

#include "albryn_web_page_gen.h"
#include "image_operations.h"
#include "qt_dialog_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Albryn");
  QApplication::setOrganizationName("Albryn");
  // Closing the main window ends the program, whatever other windows are open.
  QApplication::setQuitOnLastWindowClosed(false);

  albryn::ui::QtDialogServices dialogs;
  albryn::shell::ShellHooks hooks;
  // Alive from the main window's start-up until the program ends.
  std::optional<albryn::ImageLibrary> imageLibrary;
  hooks.startImageLibrary = [&imageLibrary] {
    if (!imageLibrary) imageLibrary.emplace();
  };
  const QString commandLine = QApplication::arguments().mid(1).join(' ');

  std::unique_ptr<albryn::shell::AlbrynWebPageGen> window;
  hooks.showSplash([&] {
    window = std::make_unique<albryn::shell::AlbrynWebPageGen>(dialogs, hooks, commandLine);
    dialogs.setParentWindow(window.get());
    QObject::connect(window.get(), &albryn::shell::AlbrynWebPageGen::exited, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window->show();
  });
  return QApplication::exec();
}
