#include "frmbrenmor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "brenmor/presentation/chart.h"
#include "brenmor/presentation/record.h"
#include "chartwindow.h"
#include "logo.h"

namespace {

using brenmor::Field;
using brenmor::Figure;
using brenmor::Info;
using brenmor::kFormTexts;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kLightGreen(192, 255, 192);
const QColor kGreen(0, 192, 0);

// Layout is given in twips; 15 twips make one device-independent pixel, so
// the window lands on its pixels at 96 DPI and Qt scales it on denser screens.
QRect Twips(int left, int top, int width, int height) {
  constexpr int kTwipsPerPixel = 15;
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

// The columns of a row: caption, box, unit list.
QRect CaptionAt(int top) { return Twips(240, top, 2295, 255); }
QRect BoxAt(int top) { return Twips(2640, top, 975, 285); }
QRect ListAt(int top) { return Twips(3720, top, 1575, 315); }

// Both the active and the inactive group, or the colour would fall back to
// the style's when the window loses activation.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, role, colour);
  }
  widget->setPalette(palette);
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Tool tips wrap at two thirds of the window's width, about 45 characters a
// line, instead of running wider than the window.
QString Wrapped(std::string_view tip) {
  return QStringLiteral("<table width=240 cellspacing=0 cellpadding=0><tr><td>%1</td></tr></table>")
      .arg(ToQString(tip).toHtmlEscaped());
}
std::string ToStd(const QString& text) { return text.toStdString(); }

// The window was drawn with a face narrower than any on Linux. A text that
// would be clipped has its letters set just closer enough to fit the width
// it has: the same face at the same size, so no other font is loaded.
void CondenseToFit(QWidget* widget, const QString& text, qreal available) {
  const qreal needed = QFontMetricsF(widget->font()).horizontalAdvance(text);
  if (needed <= available) return;
  QFont condensed = widget->font();
  condensed.setLetterSpacing(QFont::PercentageSpacing, std::floor(100 * available / needed));
  widget->setFont(condensed);
}

// The width a unit list's edit part gives its text: the style's edit field
// less the line edit's own margin on either side.
qreal EditTextWidth(const QComboBox* list) {
  constexpr int kLineEditMargin = 2;
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.editable = true;
  const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, list);
  return field.width() - 2 * kLineEditMargin;
}

template <class Widget>
Widget* Named(Widget* widget, const char* name, const QRect& geometry) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

QLabel* NewCaption(QWidget* parent, const char* name, std::string_view caption,
                   const QRect& geometry) {
  auto* label = Named(new QLabel(ToQString(caption), parent), name, geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CondenseToFit(label, label->text(), label->contentsRect().width());
  return label;
}

QLineEdit* NewBox(QWidget* parent, const char* name, std::string_view help, int top) {
  auto* box = Named(new QLineEdit(parent), name, BoxAt(top));
  box->setAlignment(Qt::AlignCenter);
  box->setToolTip(Wrapped(help));
  return box;
}

QLineEdit* NewInput(QWidget* parent, const char* name, Field field, int top) {
  return NewBox(parent, name, Info(field).help, top);
}

QLineEdit* NewOutput(QWidget* parent, Figure figure, int top) {
  const std::string name(Info(figure).pageId);
  QLineEdit* box = NewBox(parent, name.c_str(), Info(figure).help, top);
  box->setReadOnly(true);
  QFont bold = parent->font();
  bold.setBold(true);
  box->setFont(bold);
  SetColour(box, QPalette::Base, kLightGreen);
  SetColour(box, QPalette::Text, kGreen);
  return box;
}

QComboBox* NewUnitList(QWidget* parent, const char* name, Field field, int top) {
  auto* list = Named(new QComboBox(parent), name, ListAt(top));
  list->setEditable(true);
  // Text typed into the list is never a pick: no insertion, no completion,
  // and no item chosen by its text on Return or on leaving the list.
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setCompleter(nullptr);
  QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
  for (const std::string_view unit : Info(field).units) list->addItem(ToQString(unit));
  list->setCurrentIndex(-1);
  list->hide();
  list->setAccessibleName(ToQString(kFormTexts.unitsOf) + ToQString(Info(field).name));
  CondenseToFit(list, ToQString(kFormTexts.selectUnits), EditTextWidth(list));
  return list;
}

// No unit picked yet. With a current index left over from the last pick,
// picking that unit again would change nothing and go unnoticed.
void AskForUnit(QComboBox* list) {
  list->setCurrentIndex(-1);
  list->setEditText(ToQString(kFormTexts.selectUnits));
}

// A box's text as the model has it: set only when it differs, so that the
// caret stays where the user typed.
void ShowText(QLineEdit* box, const std::string& text) {
  const QString shown = ToQString(text);
  if (box->text() != shown) box->setText(shown);
}

void ShowValue(QLineEdit* box, QComboBox* list, const brenmor::ValueBox& value) {
  ShowText(box, value.text);
  // Every keystroke draws the form: a palette set again repaints for nothing.
  const QColor& colour = value.edited ? kBlue : kRed;
  if (box->palette().color(QPalette::Active, QPalette::Text) != colour) {
    SetColour(box, QPalette::Text, colour);
  }
  if (list == nullptr) return;
  if (value.listShown && value.unit < 0) {
    AskForUnit(list);
  } else if (value.unit >= 0 && list->currentIndex() != value.unit) {
    list->setCurrentIndex(value.unit);
  }
  list->setVisible(value.listShown);
}

// Switching to another application (or to the message box a rejection
// shows), or opening a menu, is no move away from txtE.
bool IsRealFocusLoss(QEvent* event) {
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         QApplication::activePopupWidget() == nullptr;
}

}  // namespace

frmBrenmor::frmBrenmor(QWidget* parent) : QWidget(parent) {
  // The window's face, MS Sans Serif, is not on Linux. Liberation Sans is
  // the nearest that Debian ships, asked for first so that the missing face
  // is never looked for; the few texts it draws too wide are condensed.
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("MS Sans Serif")});
  font.setPointSizeF(8.25);
  setFont(font);
  setWindowTitle(ToQString(kFormTexts.title));
  setFixedSize(Twips(0, 0, 5505, 3615).size());
  iconTimer_.setSingleShot(true);

  createInputRows();
  createOutputRows();
  createFooter();
  describeControls();
  arrangeTabOrder();
  Form_Load();
  connectHandlers();
  txtP->setFocus();
}

void frmBrenmor::createInputRows() {
  Label6 = NewCaption(this, "Label6", Info(Field::V).caption, CaptionAt(120));
  txtV = NewInput(this, "txtV", Field::V, 120);
  cmbVU = NewUnitList(this, "cmbVU", Field::V, 120);
  Label1 = NewCaption(this, "Label1", Info(Field::P).caption, CaptionAt(480));
  txtP = NewInput(this, "txtP", Field::P, 480);
  cmbPU = NewUnitList(this, "cmbPU", Field::P, 480);
  Label2 = NewCaption(this, "Label2", Info(Field::C).caption, CaptionAt(840));
  txtC = NewInput(this, "txtC", Field::C, 840);
  cmbCU = NewUnitList(this, "cmbCU", Field::C, 840);
  Label4 = NewCaption(this, "Label4", Info(Field::S).caption, CaptionAt(1200));
  txtS = NewInput(this, "txtS", Field::S, 1200);
  cmbSU = NewUnitList(this, "cmbSU", Field::S, 1200);
  Label3 = NewCaption(this, "Label3", Info(Field::E).caption, CaptionAt(1560));
  txtE = NewInput(this, "txtE", Field::E, 1560);
  unitRows_ = {{{Field::P, txtP, cmbPU},
                {Field::C, txtC, cmbCU},
                {Field::S, txtS, cmbSU},
                {Field::V, txtV, cmbVU}}};
}

void frmBrenmor::createOutputRows() {
  Line1 = Named(new QFrame(this), "Line1", Twips(120, 1920, 5175, 15));
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Plain);
  Label5 = NewCaption(this, "Label5", brenmor::CaptionWithUnit(Figure::F), CaptionAt(2160));
  txtF = NewOutput(this, Figure::F, 2160);
  Label7 = NewCaption(this, "Label7", brenmor::CaptionWithUnit(Figure::D), CaptionAt(2520));
  txtD = NewOutput(this, Figure::D, 2520);
  cmdCalc = Named(new QPushButton(ToQString(kFormTexts.calculate), this), "cmdCalc",
                  Twips(3720, 2760, 1575, 375));
  Label8 = NewCaption(this, "Label8", brenmor::CaptionWithUnit(Figure::L), CaptionAt(2880));
  txtL = NewOutput(this, Figure::L, 2880);
}

void frmBrenmor::createFooter() {
  Image1 = Named(new QLabel(this), "Image1", Twips(240, 3240, 540, 255));
  Image1->setPixmap(DrawLogo(Image1->size(), Image1->devicePixelRatioF()));
  Image1->setScaledContents(true);
  Label9 = NewCaption(this, "Label9", kFormTexts.revision, Twips(960, 3240, 1575, 255));
  Label10 = NewCaption(this, "Label10", kFormTexts.date, Twips(2640, 3240, 1095, 255));
  Label10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// What a screen reader says of each control: each box is named by its
// caption, and the captions take no mnemonic.
void frmBrenmor::describeControls() {
  const std::array<std::pair<QLabel*, QLineEdit*>, 8> captions = {{
      {Label6, txtV},
      {Label1, txtP},
      {Label2, txtC},
      {Label4, txtS},
      {Label3, txtE},
      {Label5, txtF},
      {Label7, txtD},
      {Label8, txtL},
  }};
  for (const auto& [caption, box] : captions) caption->setBuddy(box);
  Image1->setAccessibleName(ToQString(kFormTexts.logo));
  Line1->setAccessibleName(ToQString(kFormTexts.separator));
}

// The volume box is the top row but comes after the button: the design is
// entered first, the volume last.
void frmBrenmor::arrangeTabOrder() {
  const auto order = controls();
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// Connected only after Form_Load, with the default texts already in their
// boxes, so the window opens with red texts and every unit list hidden.
void frmBrenmor::connectHandlers() {
  for (const UnitRow& row : unitRows_) {
    const Field field = row.field;
    connect(row.box, &QLineEdit::textChanged, this, [this, field] { txtValue_Change(field); });
    connect(row.list, &QComboBox::activated, this,
            [this, field](int index) { cmbUnits_Click(field, index); });
    row.list->installEventFilter(this);
  }
  connect(txtE, &QLineEdit::textChanged, this, &frmBrenmor::txtE_Change);
  connect(cmdCalc, &QPushButton::clicked, this, &frmBrenmor::cmdCalc_Click);
  connect(&iconTimer_, &QTimer::timeout, this, &frmBrenmor::showIcon);
  txtE->installEventFilter(this);
  cmdCalc->installEventFilter(this);
}

// The icon is read once the window has drawn its first frame: decoding the
// first image costs more than building the window, and the window manager
// takes the icon whenever it comes.
void frmBrenmor::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (iconPending_) {
    iconPending_ = false;
    iconTimer_.start();
  }
}

void frmBrenmor::showIcon() { setWindowIcon(QIcon(QStringLiteral(":/brenmor/brenmor-64.png"))); }

// The window's own menu, on its background: the boxes keep theirs.
void frmBrenmor::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(ToQString(kFormTexts.copyRecord), this, &frmBrenmor::mnuCopyRecord_Click);
  menu->addAction(ToQString(kFormTexts.showChart), this, &frmBrenmor::mnuShowChart_Click);
  menu->popup(event->globalPos());
}

// A window of its own, beside this one and not in its way; made on first
// use, so that start-up does not pay for it.
void frmBrenmor::mnuShowChart_Click() {
  if (chart_ == nullptr) {
    chart_ = new ChartWindow(this);
    connect(chart_, &ChartWindow::optionPicked, this, &frmBrenmor::cmbOption_Click);
    connect(chart_, &ChartWindow::chartNotSaved, this,
            [this](const QString& path, const QString& why) {
              render(form_.ChartNotSaved(ToStd(path), ToStd(why)));
            });
    connect(chart_, &ChartWindow::costIndexEntered, this, &frmBrenmor::txtCostIndex_LostFocus);
  }
  chart_->showView(form_.View());
  chart_->show();
  chart_->raise();
  chart_->activateWindow();
}

// The clipboard may be refused, or taken by another program at once: read it
// back, and say so when it does not hold the record.
void frmBrenmor::mnuCopyRecord_Click() {
  const QString record = ToQString(form_.Record());
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(record);
  if (clipboard->text() != record) render(form_.CopyFailed());
}

// The model has loaded the defaults already; the boxes show them.
void frmBrenmor::Form_Load() { render(form_.View()); }

void frmBrenmor::txtValue_Change(Field field) {
  render(form_.TextEdited(field, ToStd(unitRow(field).box->text())));
}

void frmBrenmor::txtE_Change() { render(form_.TextEdited(Field::E, ToStd(txtE->text()))); }

void frmBrenmor::cmbUnits_Click(Field field, int index) {
  render(form_.UnitPicked(field, index, unitRow(field).list->hasFocus()));
}

void frmBrenmor::txtE_LostFocus() { render(form_.FocusLeftE(true)); }

void frmBrenmor::cmdCalc_Click() { render(form_.CalculatePressed()); }

void frmBrenmor::cmbOption_Click(brenmor::Option option, int position) {
  render(form_.OptionPicked(option, position));
}

void frmBrenmor::txtCostIndex_LostFocus(const QString& text) {
  render(form_.CostIndexEntered(ToStd(text)));
}

const frmBrenmor::UnitRow& frmBrenmor::unitRow(Field field) const {
  return *std::find_if(unitRows_.begin(), unitRows_.end(),
                       [field](const UnitRow& row) { return row.field == field; });
}

// Draws the model's view: the boxes (their texts set without raising their
// Change, which is the user's alone), the lists, the results and the chart,
// then the message, then the focus.
void frmBrenmor::render(const brenmor::FormView& view) {
  {
    const QSignalBlocker blockE(txtE);
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(unitRows_.size());
    for (const UnitRow& row : unitRows_) {
      blockers.emplace_back(row.box);
      ShowValue(row.box, row.list, view.Box(row.field));
    }
    ShowValue(txtE, nullptr, view.Box(Field::E));
  }
  ShowText(txtF, view.fText);
  ShowText(txtD, view.dText);
  ShowText(txtL, view.lText);
  if (chart_ != nullptr) chart_->showView(view);
  if (!view.message.empty()) {
    showMessage(view.message);
    render(form_.MessageClosed());
    return;
  }
  if (view.focus) control(*view.focus)->setFocus(Qt::OtherFocusReason);
}

// The controls that take the focus, as the model numbers them: in the
// window's tab order.
std::array<QWidget*, 13> frmBrenmor::controls() const {
  return {txtP, cmbPU, txtC, cmbCU, txtS, cmbSU, txtE, txtF, cmdCalc, txtV, cmbVU, txtD, txtL};
}

QWidget* frmBrenmor::control(brenmor::Control control) const {
  return controls()[static_cast<std::size_t>(control)];
}

void frmBrenmor::showMessage(std::string_view text) {
  QMessageBox box(QMessageBox::Information, windowTitle(), ToQString(text), QMessageBox::Ok, this);
  box.exec();
  // Not every window system hands the activation back when the box closes;
  // the user goes on typing here.
  activateWindow();
}

// The mnemonic clicks without moving the focus, so a pending E would not be
// checked first. Take the focus as a mouse press does, and click only if the
// button kept it.
bool frmBrenmor::pressCalculateWithFocus() {
  cmdCalc->setFocus(Qt::ShortcutFocusReason);
  if (focusWidget() == cmdCalc) cmdCalc->click();
  return true;
}

bool frmBrenmor::eventFilter(QObject* watched, QEvent* event) {
  // A wheel turned while passing over a list would pick a unit unasked.
  if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched) != nullptr) {
    return !static_cast<QWidget*>(watched)->hasFocus();
  }
  if (watched == txtE && event->type() == QEvent::FocusOut && IsRealFocusLoss(event)) {
    txtE_LostFocus();
  } else if (watched == cmdCalc) {
    switch (event->type()) {
      case QEvent::Shortcut:
        return pressCalculateWithFocus();
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        // A press whose focus change was refused (E rejected) is no press:
        // its release went to the message box, and the button must not stay
        // down or click later.
        return focusWidget() != cmdCalc;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}
