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
#include <QStyle>
#include <QStyleOptionComboBox>
#include <array>
#include <cmath>

#include "brenmor/record.h"
#include "logo.h"

namespace {

using brenmor::CommitError;
using brenmor::DefaultText;
using brenmor::Field;

const QString kSelectUnits = QStringLiteral("<< Select Units >>");
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
QString Wrapped(const QString& tip) {
  return QStringLiteral("<table width=240 cellspacing=0 cellpadding=0><tr><td>%1</td></tr></table>")
      .arg(tip.toHtmlEscaped());
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

// An edited value is not committed yet: offer its units.
void ShowUnitList(QLineEdit* box, QComboBox* list) {
  list->show();
  // With a current index left over from the last pick, picking that unit
  // again would change nothing and go unnoticed.
  list->setCurrentIndex(-1);
  list->setEditText(kSelectUnits);
  SetColour(box, QPalette::Text, kBlue);
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
  setWindowTitle(QStringLiteral("Brenmor"));
  setFixedSize(Twips(0, 0, 5505, 3615).size());
  iconTimer_.setSingleShot(true);

  createControls();
  describeControls();
  arrangeTabOrder();
  Form_Load();
  connectHandlers();
  txtP->setFocus();
}

void frmBrenmor::createControls() {
  const auto label = [this](const char* name, const QString& caption, const QRect& geometry) {
    auto* l = Named(new QLabel(caption, this), name, geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CondenseToFit(l, caption, l->contentsRect().width());
    return l;
  };
  const auto input = [this](const char* name, const QString& text, const QRect& geometry) {
    auto* box = Named(new QLineEdit(text, this), name, geometry);
    box->setAlignment(Qt::AlignCenter);
    SetColour(box, QPalette::Text, kRed);
    return box;
  };
  const auto output = [this](const char* name, const QRect& geometry) {
    auto* box = Named(new QLineEdit(this), name, geometry);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    QFont bold = font();
    bold.setBold(true);
    box->setFont(bold);
    SetColour(box, QPalette::Base, kLightGreen);
    SetColour(box, QPalette::Text, kGreen);
    return box;
  };
  const auto unitList = [this](const char* name, Field field, const QRect& geometry) {
    auto* list = Named(new QComboBox(this), name, geometry);
    list->setEditable(true);
    // Text typed into the list is never a pick: no insertion, no completion,
    // and no item chosen by its text on Return or on leaving the list.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    for (const std::string_view unit : brenmor::UnitNames(field)) {
      list->addItem(ToQString(unit));
    }
    list->setCurrentIndex(-1);
    list->hide();
    CondenseToFit(list, kSelectUnits, EditTextWidth(list));
    return list;
  };

  Label6 = label("Label6", QStringLiteral("Vessel (ft^3)"), Twips(240, 120, 2295, 255));
  txtV = input("txtV", ToQString(DefaultText(Field::V)), Twips(2640, 120, 975, 285));
  cmbVU = unitList("cmbVU", Field::V, Twips(3720, 120, 1575, 315));
  Label1 = label("Label1", QStringLiteral("Design pressure (psi) [P]"), Twips(240, 480, 2295, 255));
  txtP = input("txtP", ToQString(DefaultText(Field::P)), Twips(2640, 480, 975, 285));
  cmbPU = unitList("cmbPU", Field::P, Twips(3720, 480, 1575, 315));
  Label2 =
      label("Label2", QStringLiteral("Corrosion allowance (in) [C]"), Twips(240, 840, 2295, 255));
  txtC = input("txtC", ToQString(DefaultText(Field::C)), Twips(2640, 840, 975, 285));
  cmbCU = unitList("cmbCU", Field::C, Twips(3720, 840, 1575, 315));
  Label4 = label("Label4", QStringLiteral("Stress value of material (psi) [S]"),
                 Twips(240, 1200, 2295, 255));
  txtS = input("txtS", ToQString(DefaultText(Field::S)), Twips(2640, 1200, 975, 285));
  cmbSU = unitList("cmbSU", Field::S, Twips(3720, 1200, 1575, 315));
  Label3 = label("Label3", QStringLiteral("Joint Efficiency [E]"), Twips(240, 1560, 2295, 255));
  txtE = input("txtE", ToQString(DefaultText(Field::E)), Twips(2640, 1560, 975, 285));

  Line1 = Named(new QFrame(this), "Line1", Twips(120, 1920, 5175, 15));
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Plain);

  Label5 = label("Label5", QStringLiteral("F (1/in)"), Twips(240, 2160, 2295, 255));
  txtF = output("txtF", Twips(2640, 2160, 975, 285));
  Label7 = label("Label7", QStringLiteral("Diameter (mm)"), Twips(240, 2520, 2295, 255));
  txtD = output("txtD", Twips(2640, 2520, 975, 285));
  cmdCalc = Named(new QPushButton(QStringLiteral("&Calculate"), this), "cmdCalc",
                  Twips(3720, 2760, 1575, 375));
  Label8 = label("Label8", QStringLiteral("Length or Height (mm)"), Twips(240, 2880, 2295, 255));
  txtL = output("txtL", Twips(2640, 2880, 975, 285));

  Image1 = Named(new QLabel(this), "Image1", Twips(240, 3240, 540, 255));
  Image1->setPixmap(DrawLogo(Image1->size(), Image1->devicePixelRatioF()));
  Image1->setScaledContents(true);
  Label9 = label("Label9", QStringLiteral("Rev.Z"), Twips(960, 3240, 1575, 255));
  Label10 = label("Label10", QStringLiteral("29-Sep-2012"), Twips(2640, 3240, 1095, 255));
  Label10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// What a screen reader says of each control, and the help shown on hover.
// Each box is named by its caption; the captions take no mnemonic.
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

  txtV->setToolTip(
      Wrapped(tr("Volume the vessel must hold, in cubic feet: type it, then pick ft^3 or "
                 "m^3 from the list beside the box.")));
  txtP->setToolTip(
      Wrapped(tr("Design pressure, in psi: type it, then pick psi, bar or atm from the list "
                 "beside the box.")));
  txtC->setToolTip(
      Wrapped(tr("Corrosion allowance, in inches: type it, then pick in or mm from the list "
                 "beside the box.")));
  txtS->setToolTip(
      Wrapped(tr("Allowable stress of the material, in psi: type it, then pick psi, bar or "
                 "atm from the list beside the box.")));
  txtE->setToolTip(
      Wrapped(tr("Weld joint efficiency, a number up to 1 with no unit: it is taken in when "
                 "you leave the box.")));
  txtF->setToolTip(
      Wrapped(tr("Vessel factor F = P / (C S E), in 1/in, worked out again whenever P, C, S "
                 "or E is taken in.")));
  txtD->setToolTip(
      Wrapped(tr("Optimum diameter of the vessel, in millimetres, from the last Calculate.")));
  txtL->setToolTip(
      Wrapped(tr("Length or height that holds the volume at that diameter, in millimetres.")));

  cmbVU->setAccessibleName(tr("Units of vessel volume"));
  cmbPU->setAccessibleName(tr("Units of design pressure"));
  cmbCU->setAccessibleName(tr("Units of corrosion allowance"));
  cmbSU->setAccessibleName(tr("Units of stress value"));
  Image1->setAccessibleName(tr("Brenmor logo"));
  Line1->setAccessibleName(tr("Separator"));
}

// The volume box is the top row but comes after the button: the design is
// entered first, the volume last.
void frmBrenmor::arrangeTabOrder() {
  const std::array<QWidget*, 13> order = {txtP, cmbPU,   txtC, cmbCU, txtS, cmbSU, txtE,
                                          txtF, cmdCalc, txtV, cmbVU, txtD, txtL};
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// Connected only after Form_Load, with the default texts already in their
// boxes, so the window opens with red texts and every unit list hidden.
void frmBrenmor::connectHandlers() {
  connect(txtP, &QLineEdit::textChanged, this, &frmBrenmor::txtP_Change);
  connect(txtC, &QLineEdit::textChanged, this, &frmBrenmor::txtC_Change);
  connect(txtS, &QLineEdit::textChanged, this, &frmBrenmor::txtS_Change);
  connect(txtV, &QLineEdit::textChanged, this, &frmBrenmor::txtV_Change);
  connect(txtE, &QLineEdit::textChanged, this, &frmBrenmor::txtE_Change);
  connect(cmbPU, &QComboBox::activated, this, &frmBrenmor::cmbPU_Click);
  connect(cmbCU, &QComboBox::activated, this, &frmBrenmor::cmbCU_Click);
  connect(cmbSU, &QComboBox::activated, this, &frmBrenmor::cmbSU_Click);
  connect(cmbVU, &QComboBox::activated, this, &frmBrenmor::cmbVU_Click);
  connect(cmdCalc, &QPushButton::clicked, this, &frmBrenmor::cmdCalc_Click);
  connect(&iconTimer_, &QTimer::timeout, this, &frmBrenmor::showIcon);
  txtE->installEventFilter(this);
  cmdCalc->installEventFilter(this);
  for (QComboBox* list : {cmbPU, cmbCU, cmbSU, cmbVU}) list->installEventFilter(this);
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
  menu->addAction(tr("Copy calculation record"), this, &frmBrenmor::mnuCopyRecord_Click);
  menu->popup(event->globalPos());
}

void frmBrenmor::mnuCopyRecord_Click() {
  QGuiApplication::clipboard()->setText(ToQString(brenmor::CalculationRecord(state_.Values())));
}

void frmBrenmor::Form_Load() {
  state_.LoadDefaults(ToStd(txtP->text()), ToStd(txtC->text()), ToStd(txtS->text()),
                      ToStd(txtE->text()), ToStd(txtV->text()));
}

void frmBrenmor::txtP_Change() { ShowUnitList(txtP, cmbPU); }
void frmBrenmor::txtC_Change() { ShowUnitList(txtC, cmbCU); }
void frmBrenmor::txtS_Change() { ShowUnitList(txtS, cmbSU); }
void frmBrenmor::txtV_Change() { ShowUnitList(txtV, cmbVU); }
void frmBrenmor::txtE_Change() { SetColour(txtE, QPalette::Text, kBlue); }

void frmBrenmor::cmbPU_Click(int index) { commitWithUnit(Field::P, txtP, cmbPU, index); }
void frmBrenmor::cmbCU_Click(int index) { commitWithUnit(Field::C, txtC, cmbCU, index); }
void frmBrenmor::cmbSU_Click(int index) { commitWithUnit(Field::S, txtS, cmbSU, index); }
void frmBrenmor::cmbVU_Click(int index) { commitWithUnit(Field::V, txtV, cmbVU, index); }

void frmBrenmor::txtE_LostFocus() {
  const brenmor::ECommit commit = state_.CommitE(ToStd(txtE->text()));
  if (commit.error != CommitError::None) {
    showMessage(brenmor::Message(commit.error, Field::E));
    txtE->setText(QString());
    txtE->setFocus(Qt::OtherFocusReason);
  }
  showFText(commit.fText);
}

void frmBrenmor::cmdCalc_Click() {
  const brenmor::Calculation calc = state_.Calculate();
  txtF->setText(ToQString(calc.fText));
  txtD->setText(ToQString(calc.dText));
  txtL->setText(ToQString(calc.lText));
  if (calc.error != brenmor::SizingError::None) showMessage(brenmor::Message(calc.error));
}

void frmBrenmor::commitWithUnit(Field field, QLineEdit* box, QComboBox* list, int index) {
  const brenmor::UnitCommit commit = state_.CommitWithUnit(field, index, ToStd(box->text()));
  if (commit.error != CommitError::None) {
    // Keep the typed text and the list, so the user can correct either.
    list->setCurrentIndex(-1);
    list->setEditText(kSelectUnits);
    showMessage(brenmor::Message(commit.error, field));
    return;
  }
  box->setText(ToQString(commit.writtenBack));  // raises the box's Change
  list->hide();
  showFText(commit.fText);
}

void frmBrenmor::showFText(const std::optional<std::string>& fText) {
  if (fText) txtF->setText(ToQString(*fText));
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
