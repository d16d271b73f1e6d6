#include "page_attributes_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "attribute_editing.h"
#include "background_chooser.h"

namespace albryn::webgen {

namespace {

// Refuses the apostrophe and the double quote, typed or pasted.
class TitleValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input)
      if (!IsAllowedInTitle(c)) return Invalid;
    return Acceptable;
  }
};

QLineEdit* NewLineEdit(const QString& name, bool readOnly, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(readOnly);
  return edit;
}

QLabel* NewSwatch(const QString& name, QWidget* parent) {
  auto* swatch = new QLabel(parent);
  swatch->setObjectName(name);
  swatch->setFixedSize(24, 20);
  swatch->setFrameShape(QFrame::Box);
  swatch->setAutoFillBackground(true);
  return swatch;
}

void ShowSwatch(QLabel* swatch, quint32 color) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  swatch->setPalette(palette);
}

QPushButton* NewDotsButton(const QString& name, QWidget* parent) {
  auto* button = new QPushButton(QStringLiteral("..."), parent);
  button->setObjectName(name);
  button->setFixedWidth(32);
  return button;
}

QCheckBox* NewCheck(const QString& name, const QString& caption, bool& value, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(name);
  QObject::connect(check, &QCheckBox::toggled, parent, [&value](bool on) { value = on; });
  return check;
}

}  // namespace

// The object names and captions of one area's controls.
struct PageAttributesPanel::AreaNames {
  QString background, swatch, chooseBackground, fontName, fontSize, underline, underlineCaption,
      bold, italic, fontColorText, fontSwatch, chooseFont;
};

PageAttributesPanel::PageAttributesPanel(PageAttributes& attributes, ui::DialogServices& dialogs,
                                         PathEntryAccess pathEntries, QWidget* parent)
    : QWidget(parent),
      attributes_(attributes),
      dialogs_(dialogs),
      pathEntries_(std::move(pathEntries)),
      askBackground_([this] { return BackgroundChooser::Ask(window()); }) {
  setObjectName(QStringLiteral("frameColorFontTitle"));
  auto* layout = new QVBoxLayout(this);
  // The caption "Title, Fonts and Backgrounds" is the frame's that holds this panel.

  auto* titleBox = new QGroupBox(QStringLiteral("Web Page Title"), this);
  auto* titleLayout = new QHBoxLayout(titleBox);
  title_ = NewLineEdit(QStringLiteral("txtTitle"), false, titleBox);
  title_->setValidator(new TitleValidator(title_));
  connect(title_, &QLineEdit::textEdited, this, [this](const QString& t) { attributes_.title = t; });
  titleLayout->addWidget(title_);
  layout->addWidget(titleBox);

  auto* soundBox = new QGroupBox(QStringLiteral("Background Sound"), this);
  auto* soundLayout = new QHBoxLayout(soundBox);
  sound_ = NewLineEdit(QStringLiteral("txtBackgroundSound"), true, soundBox);
  auto* chooseSound = NewDotsButton(QStringLiteral("cmdBackgroundSound"), soundBox);
  connect(chooseSound, &QPushButton::clicked, this, [this] {
    if (focusSink_) focusSink_();
    QString midi = pathEntries_.get(QStringLiteral("midi"));
    ChooseSound(attributes_.soundPath, dialogs_, midi);
    pathEntries_.set(QStringLiteral("midi"), midi);
    refresh();
  });
  soundLayout->addWidget(sound_);
  soundLayout->addWidget(chooseSound);
  layout->addWidget(soundBox);

  layout->addWidget(buildArea(QStringLiteral("Web Page Image Link Frame"),
                              {"txtLinkBackground", "txtLinkColor", "cmdLinkBackground",
                               "txtLinkFontName", "txtLinkFontSize", "txtLinkFontUnderline",
                               "UnderLine", "txtLinkFontBold", "txtLinkFontItalic",
                               "txtLinkFontColor", "txtLinkFontColorDisplay", "cmdFontLink"},
                              attributes_.link, QStringLiteral("linkback"), link_));
  layout->addWidget(buildArea(QStringLiteral("Web Page Title and Image Display Frame"),
                              {"txtMainBackground", "txtBackColor", "cmdPageBackground",
                               "txtBackFontName", "txtBackFontSize", "txtBackFontUnderline",
                               "Underline", "txtBackFontBold", "txtBackFontItalic",
                               "txtBackFontColor", "txtBackFontColorDisplay", "cmdFontBack"},
                              attributes_.display, QStringLiteral("mainback"), display_));
  layout->addStretch();
  refresh();
}

QWidget* PageAttributesPanel::buildArea(const QString& caption, const AreaNames& names,
                                        AreaLook& look, const QString& pathKey,
                                        AreaControls& c) {
  auto* box = new QGroupBox(caption, this);
  auto* grid = new QGridLayout(box);
  c.background = NewLineEdit(names.background, true, box);
  c.backgroundSwatch = NewSwatch(names.swatch, box);
  c.chooseBackground = NewDotsButton(names.chooseBackground, box);
  grid->addWidget(new QLabel(QStringLiteral("Background:"), box), 0, 0);
  grid->addWidget(c.background, 0, 1, 1, 3);
  grid->addWidget(c.backgroundSwatch, 0, 4);
  grid->addWidget(c.chooseBackground, 0, 5);

  c.fontName = NewLineEdit(names.fontName, true, box);
  c.fontSize = NewLineEdit(names.fontSize, false, box);
  c.fontSize->setMaximumWidth(48);
  c.fontColorText = NewLineEdit(names.fontColorText, true, box);
  c.fontColorText->hide();
  c.fontSwatch = NewSwatch(names.fontSwatch, box);
  c.chooseFont = NewDotsButton(names.chooseFont, box);
  grid->addWidget(new QLabel(QStringLiteral("Font:"), box), 1, 0);
  grid->addWidget(c.fontName, 1, 1, 1, 2);
  grid->addWidget(c.fontSize, 1, 3);
  grid->addWidget(c.fontSwatch, 1, 4);
  grid->addWidget(c.chooseFont, 1, 5);

  c.underline = NewCheck(names.underline, names.underlineCaption, look.font.underline, box);
  c.bold = NewCheck(names.bold, QStringLiteral("Bold"), look.font.bold, box);
  c.italic = NewCheck(names.italic, QStringLiteral("Italic"), look.font.italic, box);
  auto* effects = new QHBoxLayout;
  effects->addWidget(c.underline);
  effects->addWidget(c.bold);
  effects->addWidget(c.italic);
  effects->addStretch();
  grid->addLayout(effects, 2, 1, 1, 5);

  connect(c.fontSize, &QLineEdit::textEdited, this, [&look](const QString& t) { look.font.size = t; });
  connect(c.chooseBackground, &QPushButton::clicked, this, [this, &look, pathKey] {
    const QString word = askBackground_();
    QString entry = pathEntries_.get(pathKey);
    ChooseBackground(word, look, dialogs_, entry);
    pathEntries_.set(pathKey, entry);
    refresh();
  });
  connect(c.chooseFont, &QPushButton::clicked, this, [this, &look] {
    ChooseFont(look.font, dialogs_);
    refresh();
  });
  return box;
}

void PageAttributesPanel::showArea(const AreaLook& look, const AreaControls& c) {
  c.background->setText(look.backgroundText);
  ShowSwatch(c.backgroundSwatch, look.backgroundSwatch);
  c.fontName->setText(look.font.name);
  c.fontSize->setText(look.font.size);
  c.underline->setChecked(look.font.underline);
  c.bold->setChecked(look.font.bold);
  c.italic->setChecked(look.font.italic);
  c.fontColorText->setText(look.font.colorText);
  ShowSwatch(c.fontSwatch, look.font.color);
}

void PageAttributesPanel::refresh() {
  title_->setText(attributes_.title);
  sound_->setText(attributes_.soundPath);
  showArea(attributes_.link, link_);
  showArea(attributes_.display, display_);
}

}  // namespace albryn::webgen
