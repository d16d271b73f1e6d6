#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "background_chooser.h"
#include "generate_command.h"
#include "page_attributes_panel.h"
#include "sandbox.h"
#include "scripted_dialog_services.h"
#include "style_chooser.h"

using namespace albryn::webgen;
using albryn::ui::FontChoice;
using albryn::ui::Message;
using albryn::ui::MessageButtons;
using albryn::ui::MessageIcon;

namespace {

struct PanelFixture {
  PageAttributes attributes = InitialPageAttributes();
  albryn::ui::ScriptedDialogServices dialogs;
  QMap<QString, QString> bag{{"linkback", "/pics/*.jpg"}, {"mainback", "/pics/main.jpg"},
                             {"midi", "/music/*.mid"}};
  QString chooserWord;
  PageAttributesPanel panel{attributes, dialogs,
                            {[this](const QString& k) { return bag.value(k); },
                             [this](const QString& k, const QString& v) { bag[k] = v; }}};

  PanelFixture() {
    panel.setBackgroundChooser([this] { return chooserWord; });
  }
  template <typename T>
  T* child(const char* name) {
    T* w = panel.findChild<T*>(name);
    if (!w) qFatal("no child %s", name);
    return w;
  }
  void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
  QColor swatch(const char* name) { return child<QLabel>(name)->palette().color(QPalette::Window); }
};

}  // namespace

class WebgenWidgetsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void panelShowsTheAttributes() {
    PanelFixture f;
    QCOMPARE(f.child<QLineEdit>("txtTitle")->text(), "Created with Albryn Web Page Generator");
    QCOMPARE(f.child<QLineEdit>("txtLinkBackground")->text(), "80FFFF");
    QCOMPARE(f.swatch("txtLinkColor"), QColor(128, 255, 255));
    QCOMPARE(f.child<QLineEdit>("txtBackFontSize")->text(), "6");
    QVERIFY(f.child<QCheckBox>("txtBackFontBold")->isChecked());
    QVERIFY(!f.child<QCheckBox>("txtBackFontUnderline")->isChecked());
    QCOMPARE(f.child<QCheckBox>("txtLinkFontUnderline")->text(), "UnderLine");
    QCOMPARE(f.child<QCheckBox>("txtBackFontUnderline")->text(), "Underline");
    QCOMPARE(f.child<QLineEdit>("txtLinkFontColor")->text(), "0000FF");
    QCOMPARE(f.swatch("txtLinkFontColorDisplay"), QColor(0, 0, 255));
    QVERIFY(f.child<QLineEdit>("txtBackgroundSound")->isReadOnly());

    // Typing edits the state; the apostrophe and the double quote are refused.
    QLineEdit* title = f.child<QLineEdit>("txtTitle");
    title->clear();
    QTest::keyClicks(title, "Tom's \"Trip\"");
    QCOMPARE(f.attributes.title, "Toms Trip");
    QLineEdit* size = f.child<QLineEdit>("txtLinkFontSize");
    size->selectAll();
    QTest::keyClicks(size, "+2");
    QCOMPARE(f.attributes.link.font.size, "+2");
    QTest::mouseClick(f.child<QCheckBox>("txtLinkFontItalic"), Qt::LeftButton);
    QVERIFY(f.attributes.link.font.italic);

    f.attributes = ResetPageAttributes();
    f.panel.refresh();
    QCOMPARE(title->text(), "");
    QVERIFY(!f.child<QCheckBox>("txtLinkFontItalic")->isChecked());
  }

  void backgroundChoices() {
    PanelFixture f;
    f.chooserWord = "image";
    f.dialogs.queueFile("/pics/My Sky.jpg");
    f.click("cmdPageBackground");
    QCOMPARE(f.dialogs.fileDialogs().size(), 1);
    const auto request = f.dialogs.fileDialogs()[0].request;
    QCOMPARE(request.filter, "JPG (*.jpg)|*.jpg|GIF (*.gif)|*.gif|All (*.*)|*.*");
    QCOMPARE(request.defaultExtension, "");
    QCOMPARE(request.initialName, "/pics/main.jpg");
    QCOMPARE(f.attributes.display.backgroundText, "/pics/My Sky.jpg");
    QVERIFY(!f.attributes.display.backIsColor);
    QCOMPARE(f.swatch("txtBackColor"), QColor(Qt::white));
    QCOMPARE(f.bag["mainback"], "/pics/My Sky.jpg");
    QCOMPARE(f.child<QLineEdit>("txtMainBackground")->text(), "/pics/My Sky.jpg");

    f.chooserWord = "color";
    f.dialogs.queueColour(QColor(15, 15, 15));
    f.click("cmdLinkBackground");
    QCOMPARE(f.dialogs.colourDialogs(), QList<QColor>{QColor(128, 255, 255)});
    QCOMPARE(f.attributes.link.backgroundText, "0F0F0F");
    QVERIFY(f.attributes.link.backIsColor);
    QCOMPARE(f.swatch("txtLinkColor"), QColor(15, 15, 15));

    // Cancel in the dialogs, and "cancel" from the chooser, change nothing.
    const PageAttributes before = f.attributes;
    f.dialogs.queueColour(std::nullopt);
    f.click("cmdLinkBackground");
    f.chooserWord = "image";
    f.dialogs.queueFile(std::nullopt);
    f.click("cmdLinkBackground");
    f.chooserWord = "cancel";
    f.click("cmdLinkBackground");
    QVERIFY(f.attributes == before);
    QCOMPARE(f.bag["linkback"], "/pics/*.jpg");
    QVERIFY(f.dialogs.messages().isEmpty());

    f.chooserWord = "clear";
    f.click("cmdLinkBackground");
    QCOMPARE(f.attributes.link.backgroundText, "");
    QVERIFY(!f.attributes.link.backIsColor);
    QCOMPARE(f.swatch("txtLinkColor"), QColor(Qt::white));
    QVERIFY(f.dialogs.unexpected().isEmpty());
  }

  void fontChoices() {
    PanelFixture f;
    FontChoice chosen;
    chosen.family = "Times";
    chosen.pointSize = 10.5;
    chosen.underline = true;
    chosen.colour = QColor(255, 0, 0);
    f.dialogs.queueFont(chosen);
    f.click("cmdFontBack");
    const FontChoice start = f.dialogs.fontDialogs().at(0);
    QCOMPARE(start.family, "Arial");
    QCOMPARE(start.pointSize, 6.0);
    QVERIFY(start.bold && start.italic && !start.underline);
    QCOMPARE(start.colour, QColor(0, 0, 0));
    const FontSettings& font = f.attributes.display.font;
    QCOMPARE(font.name, "Times");
    QCOMPARE(font.size, "10.5");
    QVERIFY(font.underline && !font.bold && !font.italic);
    QCOMPARE(font.colorText, "FF0000");
    QCOMPARE(f.child<QLineEdit>("txtBackFontName")->text(), "Times");
    QCOMPARE(f.child<QLineEdit>("txtBackFontSize")->text(), "10.5");
    QCOMPARE(f.swatch("txtBackFontColorDisplay"), QColor(255, 0, 0));

    // A size that is not a number: the font message, no dialog, nothing changed.
    f.attributes.link.font.size = "abc";
    const PageAttributes before = f.attributes;
    f.click("cmdFontLink");
    QCOMPARE(f.dialogs.fontDialogs().size(), 1);
    const Message fontError{"Error Selecting Font.!\r\n13\r\nType mismatch",
                            "Albryn Web Page Generator", MessageIcon::Warning, MessageButtons::Ok};
    QCOMPARE(f.dialogs.messages(), QList<Message>{fontError});
    QVERIFY(f.attributes == before);
  }

  void soundChoice() {
    PanelFixture f;
    bool focusMoved = false;
    f.panel.setFocusSink([&] { focusMoved = true; });
    f.dialogs.queueFile("/music/Night Song.mid");
    f.click("cmdBackgroundSound");
    QVERIFY(focusMoved);
    const auto request = f.dialogs.fileDialogs().at(0).request;
    QCOMPARE(request.filter, "Midi (*.mid)|*.mid|All (*.*)|*.*");
    QCOMPARE(request.defaultExtension, "mid");
    QCOMPARE(request.initialName, "/music/*.mid");
    QCOMPARE(f.attributes.soundPath, "/music/Night Song.mid");
    QCOMPARE(f.bag["midi"], "/music/Night Song.mid");
    QCOMPARE(f.child<QLineEdit>("txtBackgroundSound")->text(), "/music/Night Song.mid");
  }

  void backgroundChooserWords() {
    const QMap<QString, QString> buttons{
        {"cmdImage", "image"}, {"cmdColor", "color"}, {"cmdClear", "clear"}, {"cmdCancel", "cancel"}};
    for (auto it = buttons.begin(); it != buttons.end(); ++it) {
      BackgroundChooser chooser;
      QCOMPARE(chooser.windowTitle(), "Select Web Page Background");
      QTimer::singleShot(0, &chooser, [&] {
        QTest::mouseClick(chooser.findChild<QPushButton*>(it.key()), Qt::LeftButton);
      });
      chooser.exec();
      QCOMPARE(chooser.word(), it.value());
    }
    BackgroundChooser closed;
    QTimer::singleShot(0, &closed, [&] { closed.close(); });
    closed.exec();
    QCOMPARE(closed.word(), "cancel");
  }

  void styleChooserPicturesAndOptions() {
    bool autoSpace = true;
    StyleChooser chooser(true, [&](bool on) { autoSpace = on; });
    QCOMPARE(chooser.windowTitle(), "Select Web Page Style");
    const QMap<QString, QString> tips{
        {"ImageFrames", "Left Side Picture Index Frame Only"},
        {"ImageFramesThumbLink", "Left Side Thumbnail Frame Only"},
        {"ImageFrameThumb", "Thumbnails and Left Side Picture Index Frame Only"},
        {"ImageThumb", "Clickable Thumbnails Only"},
        {"ImageUDScroll", "Up/Down Scrolling using Full Size Images"},
        {"ImageLRScroll", "Right/Left Scrolling using Full Size Images"}};
    QList<QImage> drawn;
    for (auto it = tips.begin(); it != tips.end(); ++it) {
      auto* picture = chooser.findChild<QLabel*>(it.key());
      QVERIFY2(picture, qPrintable(it.key()));
      QCOMPARE(picture->toolTip(), it.value());
      const QImage image = picture->pixmap().toImage();
      QVERIFY(!drawn.contains(image));  // each style has its own picture
      drawn << image;
    }
    auto* thumbs = chooser.findChild<QCheckBox*>("chkCreateAndUseThumbnails");
    auto* spaces = chooser.findChild<QCheckBox*>("chkSpaceReplacement");
    auto* drive = chooser.findChild<QCheckBox*>("chkLocalFilePaths");
    QVERIFY(thumbs->isChecked() && spaces->isChecked() && !drive->isChecked());
    QCOMPARE(drive->toolTip(), "Used Local Hard Drive Path's in HTML.");
    spaces->click();
    QVERIFY(!autoSpace);  // the main option follows at once

    // Held down, a picture looks pressed, except the "linkthumb" one.
    chooser.show();
    auto* frames = chooser.findChild<QLabel*>("ImageFrames");
    QTest::mousePress(frames, Qt::LeftButton);
    QCOMPARE(frames->frameShadow(), QFrame::Sunken);
    QTest::mouseRelease(frames, Qt::LeftButton, {}, QPoint(-5, -5));  // released outside
    QCOMPARE(frames->frameShadow(), QFrame::Raised);
    QVERIFY(!chooser.choice());
    auto* linkThumb = chooser.findChild<QLabel*>("ImageFramesThumbLink");
    QTest::mousePress(linkThumb, Qt::LeftButton);
    QCOMPARE(linkThumb->frameShadow(), QFrame::Raised);

    drive->click();
    thumbs->click();
    QTest::mouseClick(chooser.findChild<QLabel*>("ImageThumb"), Qt::LeftButton);
    QCOMPARE(chooser.choice(), (StyleChoice{PageStyle::Thumb, false, true}));
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
  }

  void progressDialogCountsThumbnails() {
    QWidget owner;
    owner.show();
    const ThumbnailProgress progress = ProgressDialogFor(&owner);
    progress(0, 3);
    auto* dialog = owner.findChild<QProgressDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    progress(2, 3);
    QCOMPARE(dialog->labelText(), "Making thumbnails: 2 of 3");
    QCOMPARE(dialog->value(), 2);
    progress(3, 3);
    QVERIFY(!owner.findChild<QProgressDialog*>());  // closed when all are done
    progress(3, 3);
    QVERIFY(!owner.findChild<QProgressDialog*>());
  }

  void generateCommandUsesTheChoice() {
    albryn::ui::ScriptedDialogServices dialogs;
    bool mainAutoSpace = true;
    GenerateCommand command{nullptr, dialogs, {}, [&](bool on) { mainAutoSpace = on; }, {}};
    AlbumInput input;
    input.paths = {"/p/My Cat.jpg"};
    input.displayNames = {"Cat"};
    input.options = {true, false, true};
    GenerationState state;
    QString genhtml;

    command.askStyle = [](bool, std::function<void(bool)>) { return std::optional<StyleChoice>(); };
    QVERIFY(!command.run(input, state, genhtml));
    QVERIFY(dialogs.messages().isEmpty() && dialogs.fileDialogs().isEmpty());

    // The space box is unticked in the chooser: the records of this generation follow it.
    command.askStyle = [](bool autoSpace, std::function<void(bool)> set) {
      if (autoSpace) set(false);
      return std::optional<StyleChoice>(StyleChoice{PageStyle::UDScroll, true, true});
    };
    const QString out = QString::fromStdString(albryn::testing::sandbox().newFolder().string());
    dialogs.queueFile(out + "/album.html");
    QCOMPARE(command.run(input, state, genhtml), (StyleChoice{PageStyle::UDScroll, true, true}));
    QVERIFY(!mainAutoSpace);
    QCOMPARE(state.records.at(0).webBase, "My Cat");
    QFile page(out + "/album.html");
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("<IMG SRC='/p/My Cat.jpg' border=0><BR><HR>"));
  }
};

QTEST_MAIN(WebgenWidgetsTest)
#include "widgets_test.moc"
