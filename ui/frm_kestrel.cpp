// frmKestrel: building the window, its layout, colours and caption.
#include "ui/frm_kestrel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "game/match_controller.h"
#include "ui/icon_art.h"
#include "ui/palette.h"
#include "ui/peg_board_art.h"
#include "ui/key_table.h"
#include "ui/window_texts.h"
#include <cstdlib>

namespace kestrel {

namespace {

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QString& text = QString(),
                  bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(TextFont(bold));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

ClientArea::ClientArea(FrmKestrel* window) : QWidget(window), window_(window) {
  setMinimumSize(FrmKestrel::kClientMinWidth, FrmKestrel::kClientMinHeight);
  setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
  // The raised double bevel: light outer and white inner edges top and left,
  // black outer and grey inner edges bottom and right.
  QPainter p(this);
  const int x2 = width() - 1, y2 = height() - 1;
  p.setPen(PaletteColour(0));
  p.drawRect(0, 0, x2, y2);
  p.setPen(PaletteColour(7));
  p.drawLine(0, 0, 0, y2 - 1);
  p.drawLine(0, 0, x2 - 1, 0);
  p.setPen(PaletteColour(8));
  p.drawRect(1, 1, x2 - 2, y2 - 2);
  p.setPen(PaletteColour(15));
  p.drawLine(1, 1, 1, y2 - 2);
  p.drawLine(1, 1, x2 - 2, 1);
}

void ClientArea::resizeEvent(QResizeEvent*) { window_->ArrangeWindow(); }

FrmKestrel::FrmKestrel(GameState& state, Options& options, QWidget* parent)
    : QMainWindow(parent), state_(state), options_(options) {
  setObjectName("frmKestrel");
  setWindowTitle("Kestrel");
  setWindowIcon(ThreeCardsIcon());
  setFont(TextFont());
  // Every card element draws itself through the card renderer; a cursor bar
  // looks at the card in its player slot so as to keep clear of a fold.
  CardImage::SetPainter([this](const std::string& code, const CardImage& element) {
    std::string slotCode;
    if (!code.empty() && code[0] == 'P') {
      const int slot = std::atoi(code.c_str() + 1);
      if (slot >= 0 && slot < 12 && imgLoCard[slot]) slotCode = imgLoCard[slot]->Tag();
    }
    return renderer_.RenderCard(code, element.size(), slotCode);
  });
  animationTimer_ = new QTimer(this);
  animationTimer_->setInterval(500);
  connect(animationTimer_, &QTimer::timeout, this, [this] { AdvanceBackAnimation(); });
  client = new ClientArea(this);
  setCentralWidget(client);
  BuildPanel();
  BuildPopups();
  BuildMenus();
  BuildDeckMenu();
  BuildHistoryMenu();
  connect(picButton, &ButtonStrip::Activated, this, [this] { controller_->DoAutomatic(); });
  connect(picBoard, &PegDragBoard::DroppedOnTarget, this, [this] { controller_->DropOnTarget(); });
  connect(picBoard, &PegDragBoard::DroppedOnGreenPeg, this, [this] { controller_->DropOnGreenPeg(); });
  connect(picBoard, &PegDragBoard::DroppedOnBoard, this, [this](int hole) { controller_->DropBackPeg(hole); });
  qApp->installEventFilter(this);
  ApplyOptionsToMenus();
  ApplyBackground();
  Redraw(TableModel{}, kPartButton);
  LayoutAtStart();
}

FrmKestrel::~FrmKestrel() {
  qApp->removeEventFilter(this);
  CardImage::SetPainter(nullptr);
}

void FrmKestrel::BuildPanel() {
  picContainer = new QWidget(client);
  picContainer->setObjectName("picContainer");
  picContainer->resize(kPanelWidth, kPanelHeight);
  picContainer->setAutoFillBackground(true);

  frameHi = new QWidget(picContainer);
  frameHi->setGeometry(1, 8, 522, 65);
  picBoard = new PegDragBoard(picContainer);
  picBoard->move(4, 88);
  picBoard->PlacePeg(PegElement::Red0, -1);
  picBoard->PlacePeg(PegElement::Green0, -1);
  picBoard->SetPegVisible(PegElement::Target, false);
  imgStartPtr = new QLabel(picContainer);
  imgStartPtr->setGeometry(8, 141, 16, 11);
  imgStartPtr->hide();
  frameLo = new QWidget(picContainer);
  frameLo->setGeometry(4, 152, 522, 65);
  picButton = new ButtonStrip(picContainer);
  picButton->setGeometry(4, 232, 109, 29);
  lblMessage = MakeLabel(picContainer, QRect(116, 230, 299, 37));
  lblNamePrompt = MakeLabel(picContainer, QRect(416, 230, 109, 17), "Player");
  lblNamePrompt->setFont(TextFont(true, true));
  lblName = MakeLabel(picContainer, QRect(416, 246, 109, 17));

  // The computer's row: eight played-card places, the packs and the cuts.
  imgLeftBack = new CardImage(-1, frameHi);
  imgLeftBack->setGeometry(4, 4, 36, 49);
  imgRightBack = new CardImage(-1, frameHi);
  imgRightBack->setGeometry(484, 4, 36, 49);
  imgLeftCut = new CardImage(-1, frameHi);
  imgLeftCut->setGeometry(8, 8, 36, 49);
  imgRightCut = new CardImage(-1, frameHi);
  imgRightCut->setGeometry(480, 8, 36, 49);
  for (int k = 0; k < 8; ++k) {
    imgHiCard[k] = new CardImage(k, frameHi);
    imgHiCard[k]->setGeometry(102 + 40 * k, 8, 36, 49);
  }
  lblCount = MakeLabel(frameHi, QRect(422, 25, 36, 21), QString(), true);
  lblCount->setAlignment(Qt::AlignCenter);

  // The player's row: the cursor bars behind twelve places and two Go labels.
  imgBlackHz = new CardImage(-1, frameLo);
  imgBlackHz->setGeometry(8, 56, 36, 2);
  imgBlackVt = new CardImage(-1, frameLo);
  imgBlackVt->setGeometry(4, 9, 2, 49);
  for (int k = 0; k < 12; ++k) {
    imgLoCard[k] = new CardImage(k, frameLo);
    imgLoCard[k]->setGeometry(k < 6 ? 8 + 40 * k : 280 + 40 * (k - 6), 8, 36, 49);
    if (k != 8)
      connect(imgLoCard[k], &CardImage::Clicked, this, [this](int slot) { controller_->ClickLowerPlace(slot); });
  }
  imgBlackHz->lower();
  imgBlackVt->lower();
  imgBlackHz->hide();
  imgBlackVt->hide();
  lineUnderscore = new QFrame(frameLo);
  lineUnderscore->setAutoFillBackground(true);
  {
    QPalette pal = lineUnderscore->palette();
    pal.setColor(QPalette::Window, Qt::black);
    lineUnderscore->setPalette(pal);
  }
  lineUnderscore->hide();
  for (int k = 0; k < 12; ++k) {
    if (k == 8) connect(imgLoCard[k], &CardImage::Clicked, this, [this](int) { controller_->ClickLowerPlace(8); });
  }
  for (CardImage* pack : {imgLeftBack, imgRightBack})
    connect(pack, &CardImage::Clicked, this, [this](int) { controller_->ClickDeck(); });
  lblLeftGo = MakeLabel(frameLo, QRect(232, 23, 36, 21), "Go", true);
  lblRightGo = MakeLabel(frameLo, QRect(260, 23, 36, 21), "Go", true);
  lblLeftGo->hide();
  lblRightGo->hide();

  frameDetails = new QFrame(picContainer);
  frameDetails->setFrameStyle(QFrame::Box | QFrame::Plain);
  frameDetails->setGeometry((kPanelWidth - 397) / 2, 0, 397, 81);
  frameDetails->setAutoFillBackground(true);
  lblDetails = MakeLabel(frameDetails, QRect(8, 12, 384, 67));
  frameDetails->hide();
}

QFrame* FrmKestrel::MakePopup() {
  auto* frame = new QFrame(client);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(2);
  frame->resize(kPanelWidth, kPopupHeight);
  frame->setAutoFillBackground(true);
  frame->hide();
  return frame;
}

void FrmKestrel::BuildPopups() {
  auto cardPair = [](QFrame* frame, CardImage*& left, CardImage*& right) {
    left = new CardImage(-1, frame);
    left->setGeometry(32, 36, 36, 49);
    right = new CardImage(-1, frame);
    right->setGeometry(44, 52, 36, 49);
  };

  frameNew = MakePopup();
  cardPair(frameNew, imgNewCardLeft, imgNewCardRight);
  for (int k = 0; k < 3; ++k)
    lblNewMessage[k] = MakeLabel(frameNew, QRect(112, k == 0 ? 24 : k == 1 ? 90 : 152, 361, 60));
  lblNewPrompt = MakeLabel(frameNew, QRect(170, 188, 94, 17), "New Player:", true);
  txtPlayer = new QLineEdit(frameNew);
  txtPlayer->setGeometry(264, 186, 93, 25);
  txtPlayer->hide();

  frameSeed = MakePopup();
  cardPair(frameSeed, imgSeedCardLeft, imgSeedCardRight);
  for (int k = 0; k < 3; ++k)
    lblSeedMessage[k] = MakeLabel(frameSeed, QRect(112, k == 0 ? 24 : k == 1 ? 88 : 152, 361, 60));
  lblNewSeed = MakeLabel(frameSeed, QRect(112, 188, 86, 17), "New Value:", true);
  txtSeed = new QLineEdit(frameSeed);
  txtSeed->setGeometry(198, 186, 90, 25);
  txtSeed->hide();
  lblCurrent = MakeLabel(frameSeed, QRect(292, 188, 72, 17), "Current:", true);
  lblSeed = MakeLabel(frameSeed, QRect(364, 188, 150, 17), QString(), true);

  frameHistory = MakePopup();
  txtHistory = new QPlainTextEdit(frameHistory);
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::Monospace);
  fixed.setFixedPitch(true);
  fixed.setPixelSize(12);
  txtHistory->setFont(fixed);
  txtHistory->setGeometry(0, 5, kPanelWidth, kPopupHeight - 5);
  txtHistory->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtHistory->hide();

  frameAbout = MakePopup();
  cardPair(frameAbout, imgAboutCardLeft, imgAboutCardRight);
  lblAboutMessageTop = MakeLabel(frameAbout, QRect(127, 20, 358, 81));
  lblAboutMessageLeft = MakeLabel(frameAbout, QRect(140, 102, 129, 73), QString(), true);
  lblAboutMessageRight = MakeLabel(frameAbout, QRect(273, 102, 213, 73));
  lblAboutMessageBot = MakeLabel(frameAbout, QRect(127, 180, 362, 37));
  for (QLabel* l : {lblAboutMessageTop, lblAboutMessageLeft, lblAboutMessageRight, lblAboutMessageBot})
    l->setWordWrap(false);
  // The bold file names fit their narrow column only slightly condensed.
  QFont names = TextFont(true);
  names.setStretch(88);
  lblAboutMessageLeft->setFont(names);

  frameDeck = MakePopup();
  for (int i = 0; i < 52; ++i) {
    imgCard[i] = new CardImage(i, frameDeck);
    imgCard[i]->setGeometry(8 + 40 * (i % 13), 14 + 52 * (i / 13), 36, 49);
    connect(imgCard[i], &CardImage::Clicked, this, [this](int card) {
      if (onDeckCardClicked) onDeckCardClicked(card);
    });
  }
}

void FrmKestrel::LayoutAtStart() {
  blnLayoutBusy_ = true;
  // Outer size = current outer size - current client size + 560 x 278.
  client->resize(kClientMinWidth, kClientMinHeight);
  resize(sizeHint().expandedTo(minimumSizeHint()));
  adjustSize();
  blnLayoutBusy_ = false;
  ArrangeWindow();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect avail = screen->geometry();
    move((avail.width() - frameGeometry().width()) / 2, (avail.height() - frameGeometry().height()) / 2);
  }
}

void FrmKestrel::ArrangeWindow() {
  if (blnLayoutBusy_ || !client) return;
  // The minimum client size is held by the client area's minimum size, which
  // the window system enforces on every resize.
  const int left = (client->width() - kPanelWidth) / 2;
  const int top = (client->height() - kPanelHeight) / 2;
  picContainer->move(left, top);
  for (QFrame* popup : {frameDeck, frameHistory, frameSeed, frameAbout, frameNew})
    if (popup) popup->move(left, top);
  client->update();
}

QColor FrmKestrel::TableColor() const { return TableColour(options_.intBackgroundIndex); }

void FrmKestrel::ApplyBackground() {
  const int count = static_cast<int>(mnuOptionsBackgroundAry.size());
  for (QAction* a : mnuOptionsBackgroundAry) a->setChecked(false);
  if (options_.intBackgroundIndex < 0 || options_.intBackgroundIndex >= count)
    options_.intBackgroundIndex = 0;
  if (count > 0) mnuOptionsBackgroundAry[options_.intBackgroundIndex]->setChecked(true);
  const QColor table = TableColor();
  for (QWidget* w : std::initializer_list<QWidget*>{client, picContainer, frameDetails, frameDeck,
                                                     frameHistory, frameSeed, frameAbout, frameNew}) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, table);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
  }
  picBoard->SetTableColour(table);
  imgStartPtr->setPixmap(QPixmap::fromImage(DrawStartArrow(table)));
  renderer_.SetTableColour(options_.intBackgroundIndex);
  for (CardImage* c : findChildren<CardImage*>()) c->Refresh();
  client->update();
}

void FrmKestrel::RefreshCaption() {
  setWindowTitle(QString::fromStdString(MatchCaption(state_, isMinimized())));
}

void FrmKestrel::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  RefreshCaption();
}

void FrmKestrel::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) RefreshCaption();
}

}  // namespace kestrel
