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
#include "ui/panel_view.h"
#include "ui/window_texts.h"
#include <algorithm>
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
  panelView = new PanelView(picContainer, client);
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
  // The game panel keeps its logical 530 x 268 layout; the panel view shows
  // it at the window's scale (ArrangeWindow).
  picContainer = new QWidget(nullptr);
  picContainer->setObjectName("picContainer");
  picContainer->resize(kPanelWidth, kPanelHeight);
  picContainer->setAutoFillBackground(true);
  picContainer->setFont(TextFont());

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
  lblMessage->setTextFormat(Qt::PlainText);  // remarks from a patter file show as typed
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
  // The two Go captions overlap the crib's inner cards (places 5 and 6) and
  // each other. They lie behind the cards, and each keeps its word to its
  // half of the gap between those two places, the player's ending at the
  // gap's middle, the computer's starting there; at most the outer pixel
  // column of each word lies under its card.
  lblLeftGo = MakeLabel(frameLo, QRect(232, 23, 36, 21), "Go", true);
  lblRightGo = MakeLabel(frameLo, QRect(260, 23, 36, 21), "Go", true);
  lblLeftGo->setAlignment(Qt::AlignRight | Qt::AlignTop);
  lblLeftGo->setContentsMargins(0, 0, 268 - (kGoGapMiddle - 1), 0);
  lblRightGo->setContentsMargins(kGoGapMiddle - 260, 0, 0, 0);
  for (QLabel* go : {lblLeftGo, lblRightGo}) {
    go->setWordWrap(false);
    go->lower();
    go->hide();
  }

  frameDetails = new QFrame(picContainer);
  frameDetails->setFrameStyle(QFrame::Box | QFrame::Plain);
  frameDetails->setGeometry((kPanelWidth - 397) / 2, 0, 397, 81);
  frameDetails->setAutoFillBackground(true);
  lblDetails = MakeLabel(frameDetails, QRect(8, 12, 384, 67));
  lblDetails->setFont(DetailsFont());
  frameDetails->hide();
}

QFrame* FrmKestrel::MakePopup() {
  // A pop-up panel lies on the game panel at its top left, so it is shown,
  // scaled and given input together with it.
  auto* frame = new QFrame(picContainer);
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

qreal FrmKestrel::ScaleForClient(QSize client) {
  // At the minimum client size the panel is shown at its own pixel size;
  // a larger client area shows it at the largest size that fits with the
  // same margins, keeping its proportions.
  const qreal sx = qreal(client.width() - (kClientMinWidth - kPanelWidth)) / kPanelWidth;
  const qreal sy = qreal(client.height() - (kClientMinHeight - kPanelHeight)) / kPanelHeight;
  return std::max<qreal>(1.0, std::min(sx, sy));
}

void FrmKestrel::ArrangeWindow() {
  if (blnLayoutBusy_ || !client || !panelView) return;
  // The minimum client size is held by the client area's minimum size, which
  // the window system enforces on every resize. The game panel, with the
  // pop-up panels on it, is centred at the scale that fits. Nothing is
  // replayed: the elements keep their state and are only drawn larger.
  const qreal scale = ScaleForClient(client->size());
  const int width = qRound(kPanelWidth * scale), height = qRound(kPanelHeight * scale);
  panelView->setGeometry((client->width() - width) / 2, (client->height() - height) / 2, width, height);
  panelView->SetScale(scale);
  picBoard->SetCursorScale(scale);
  if (!isMaximized() && !isMinimized() && !isFullScreen()) normalClient_ = client->size();
  client->update();
}

QRect FrmKestrel::PanelRect() const { return panelView ? panelView->geometry() : QRect(); }

qreal FrmKestrel::PanelScale() const { return panelView ? panelView->Scale() : 1.0; }

void FrmKestrel::ApplyPlacement(int clientWidth, int clientHeight, bool maximised) {
  const QSize wanted = QSize(clientWidth, clientHeight).expandedTo(QSize(kClientMinWidth, kClientMinHeight));
  resize(size() - client->size() + wanted);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    move(avail.x() + std::max(0, (avail.width() - frameGeometry().width()) / 2),
         avail.y() + std::max(0, (avail.height() - frameGeometry().height()) / 2));
  }
  if (maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void FrmKestrel::CurrentPlacement(int& clientWidth, int& clientHeight, bool& maximised) const {
  const QSize normal = normalClient_.isValid() ? normalClient_ : client->size();
  clientWidth = normal.width();
  clientHeight = normal.height();
  maximised = isMaximized();
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
