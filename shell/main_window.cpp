#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTime>
#include <QWindow>
#include <cmath>

#include "play/form1.h"
#include "shell/board_editor_dialog.h"
#include "shell/new_game_dialog.h"
#include "shell/review_dialog.h"
#include "shell/qt_surface.h"
#include "shell/settings_file.h"
#include "shell/record_panel.h"
#include "shell/translation.h"

namespace qz {
namespace {

constexpr double twipsPerPixel = 15.0;

// The window's own line breaks are carriage returns; a label wants "\n".
QString boxText(const Message& s) {
  QString t = shown(s);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

}  // namespace

// --- BoardView -----------------------------------------------------------------

BoardView::BoardView(QtSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface), back_(QColor::fromRgb(パレット[2])) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void BoardView::setBackColour(const QColor& colour) {
  back_ = colour;
  update();
}

void BoardView::setScale(double scale) {
  scale_ = scale;
  update();
}

void BoardView::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    const QPixmap& canvas = surface_.canvas();
    // The canvas is drawn at the screen's ratio times the scale, so one of
    // its device pixels is one of the screen's.
    const qreal perViewPixel = canvas.devicePixelRatio() / scale_;
    // Beyond the canvas (a maximised window) the back colour shows.
    p.fillRect(event->rect(), back_);
    const QRect r =
        event->rect() & QRect(QPoint(0, 0), (QSizeF(canvas.size()) / perViewPixel).toSize());
    if (!r.isEmpty())
      p.drawPixmap(QRectF(r), canvas,
                   QRectF(QPointF(r.topLeft()) * perViewPixel, QSizeF(r.size()) * perViewPixel));
  }
  if (!painted_) {
    painted_ = true;
    if (onFirstPaint) onFirstPaint();
  }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton:
      button = ボタン_左;
      break;
    case Qt::RightButton:
      button = ボタン_右;
      break;
    case Qt::MiddleButton:
      button = 4;
      break;
    default:
      return;
  }
  const Qt::KeyboardModifiers m = event->modifiers();
  const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                    (m & Qt::AltModifier ? 4 : 0);
  // The pixel's top-left corner, in the canvas's twips at any scale.
  const QPointF at = event->position();
  if (onMousePress)
    onMousePress(button, shift, std::floor(at.x()) * twipsPerPixel / scale_,
                 std::floor(at.y()) * twipsPerPixel / scale_);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (onMouseMove)
    onMouseMove(std::floor(at.x()) * twipsPerPixel / scale_,
                std::floor(at.y()) * twipsPerPixel / scale_);
}

void BoardView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (onMouseMove) onMouseMove(-1e9, -1e9);
}

void BoardView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize();
}

// --- Timer1 and the clock -----------------------------------------------------

QtTimer1::QtTimer1() {
  timer_.setInterval(50);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick) onTick();
  });
}

void QtTimer1::setEnabled(bool on) {
  if (on && !timer_.isActive()) timer_.start();
  if (!on) timer_.stop();
}

double SystemClock::secondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

// --- MainWindow -----------------------------------------------------------------

MainWindow::MainWindow(QtSurface& surface) : surface_(surface) {
  setWindowTitle("QZ 氷結将棋");
  view_ = new BoardView(surface_, this);
  setCentralWidget(view_);
  buildMenus();
  buildRecordPanel();
  buildMoveList();
  resize(600, 533);
  surface_.onChanged = [this](const QRect& r) { view_->update(r); };
  surface_.onRefresh = [this] { view_->repaint(); };
  view_->onMousePress = [this](int button, int shift, double x, double y) {
    dispatch([&] { form_->Form_MouseDown(button, shift, x, y); });
  };
  view_->onMouseMove = [this](double x, double y) {
    dispatch([&] { form_->Form_MouseMove(x, y); });
  };
}

MainWindow::~MainWindow() {
  surface_.onChanged = nullptr;
  surface_.onRefresh = nullptr;
}

void MainWindow::attach(Form1& form) {
  form_ = &form;
}

void MainWindow::dispatch(const std::function<void()>& handler) {
  if (ended_ || form_ == nullptr) return;
  try {
    handler();
  } catch (const ProgramEnded&) {
    ended_ = true;
  }
  if (ended_) {
    hide();
    QCoreApplication::exit(0);
  }
}

QMenu* MainWindow::addMenu(MenuItem item, QWidget* parent, const QString& caption) {
  QMenu* menu = new QMenu(caption, parent);
  menu->setObjectName(QString());
  if (auto* bar = qobject_cast<QMenuBar*>(parent))
    bar->addMenu(menu);
  else
    static_cast<QMenu*>(parent)->addMenu(menu);
  actions_[static_cast<int>(item)] = menu->menuAction();
  connect(menu, &QMenu::aboutToShow, this, [this, item] { menuChosen(item); });
  return menu;
}

QAction* MainWindow::addItem(MenuItem item, QWidget* parent, const QString& caption,
                             bool checkable) {
  QAction* a = new QAction(caption, parent);
  a->setCheckable(checkable);
  parent->addAction(a);
  actions_[static_cast<int>(item)] = a;
  connect(a, &QAction::triggered, this, [this, item, a] {
    // The check marks belong to the handlers: undo Qt's own toggle first.
    if (a->isCheckable()) a->setChecked(checked_[static_cast<int>(item)]);
    menuChosen(item);
  });
  return a;
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setNativeMenuBar(false);
  QMenu* taikyoku = addMenu(MenuItem::TAIKYOKU, bar, "対局");
  addItem(MenuItem::NEW_GAME, taikyoku, "新規対局…", false)->setShortcut(QKeySequence::New);
  taikyoku->addSeparator();
  QMenu* man = addMenu(MenuItem::MATCH_MAN, taikyoku, "対局(人間)");
  addItem(MenuItem::START, man, "スタート", false);
  QMenu* com = addMenu(MenuItem::MATCH_COM, taikyoku, "対局(COM)");
  addItem(MenuItem::SENTE, com, "先手", false);
  addItem(MenuItem::GOTE, com, "後手", false);
  QMenu* level = addMenu(MenuItem::LEVEL, taikyoku, "COM対局ﾚﾍﾞﾙ");
  // Every level, weakest first, its caption the list's.
  for (const レベル段& l : レベル一覧())
    addItem(*レベルの項目(l), level,
            QString::fromUtf8(l.表題.data(), static_cast<qsizetype>(l.表題.size())), true);
  addItem(MenuItem::HINT, taikyoku, "ヒント", false);
  addItem(MenuItem::TORYO, taikyoku, "投了", false);
  addItem(MenuItem::MATTA, taikyoku, "待った", false);
  addItem(MenuItem::OWARI, taikyoku, "終わり", false);

  QMenu* kyokumen = addMenu(MenuItem::STOP, bar, "局面");
  addItem(MenuItem::CANCEL, kyokumen, "最初", false);
  addItem(MenuItem::REVERSE, kyokumen, "反転", false);
  addItem(MenuItem::BOARD_EDIT, kyokumen, "局面編集…", false);

  addItem(MenuItem::REPLAY, bar, "戻", false);
  addItem(MenuItem::AFTER, bar, "進", false);
  addItem(MenuItem::LBEL_UP, bar, "△", false);
  addItem(MenuItem::LEBEL_DOWN, bar, "▽", false);

  QMenu* kifu = addMenu(MenuItem::KIFU, bar, "棋譜");
  addItem(MenuItem::KIFU_READ, kifu, "読込", false);
  addItem(MenuItem::KIFU_WRITE, kifu, "書込", false);
  kifu->addSeparator();
  addItem(MenuItem::KIFU_OPEN, kifu, "ファイルを開く…", false);
  addItem(MenuItem::KIFU_SAVE_KIF, kifu, "KIFで保存…", false);
  addItem(MenuItem::KIFU_SAVE_CSA, kifu, "CSAで保存…", false);
  kifu->addSeparator();
  addItem(MenuItem::REVIEW, kifu, "棋譜解析…", false);

  QMenu* edit = addMenu(MenuItem::EDIT, bar, "編集");
  addItem(MenuItem::COPY_SFEN, edit, "局面をコピー (SFEN)", false)->setShortcut(QKeySequence::Copy);
  addItem(MenuItem::COPY_KIF, edit, "棋譜をコピー (KIF)", false);
  addItem(MenuItem::COPY_USI, edit, "棋譜をコピー (USI)", false);
  addItem(MenuItem::PASTE, edit, "貼り付け", false)->setShortcut(QKeySequence::Paste);

  QMenu* option = addMenu(MenuItem::OPTION, bar, "ｵﾌﾟｼｮﾝ");
  QMenu* haikei = addMenu(MenuItem::HAIKEI_GA, option, "背景画");
  addItem(MenuItem::MIDORI, haikei, "緑", true);
  addItem(MenuItem::TATAMI, haikei, "畳", true);
  addItem(MenuItem::TAKE, haikei, "竹", true);
  addItem(MenuItem::UCHU, haikei, "宇宙", true);
  addItem(MenuItem::RENGA, haikei, "煉瓦", true);
  addItem(MenuItem::SIDOU, option, "移動指導", true);
  addItem(MenuItem::KEIKA, option, "経過時間", true);
  addItem(MenuItem::BGM, option, "BGM", true);
  addItem(MenuItem::KIFU_ICHIRAN, option, "棋譜一覧", true);

  addItem(MenuItem::VER, bar, "その他", false);

  for (int i = 0; i < menuItemCount; ++i) actions_[i]->setObjectName(menuItemNames[i]);
}

void MainWindow::menuChosen(MenuItem item) {
  dispatch([&] { form_->メニュー選択(item); });
}

std::optional<新規対局設定> MainWindow::askNewGame() {
  新規対局設定 last;
  if (settings_)
    if (const auto kept = settings_->extra(新規対局キー))
      last = 新規対局を読む(*kept).value_or(新規対局設定{});
  const std::optional<新規対局設定> chosen = runNewGameDialog(this, last);
  if (chosen && settings_) settings_->setExtra(新規対局キー, 新規対局の文(*chosen));
  return chosen;
}

std::optional<std::string> MainWindow::askBoardEdit(const std::string& sfen) {
  return runBoardEditorDialog(this, sfen);
}

std::optional<解析条件> MainWindow::askReview() {
  解析条件 last;
  if (settings_)
    if (const auto kept = settings_->extra(解析条件キー))
      last = 解析条件を読む(*kept).value_or(解析条件{});
  const std::optional<解析条件> chosen = runReviewDialog(this, last);
  if (chosen && settings_) settings_->setExtra(解析条件キー, 解析条件の文(*chosen));
  return chosen;
}

bool MainWindow::runWithProgress(const 文面& title, const ProgressJob& job) {
  return runWithProgressDialog(this, title, job);
}

bool MainWindow::itemChecked(MenuItem item) const {
  return checked_[static_cast<int>(item)];
}

void MainWindow::setItemChecked(MenuItem item, bool on) {
  checked_[static_cast<int>(item)] = on;
  QAction* a = action(item);
  a->setCheckable(true);
  a->setChecked(on);
}

Answer MainWindow::ask(const Message& prompt, const Message& title, Buttons buttons, Icon icon) {
  QMessageBox box(this);
  box.setWindowTitle(shown(title));
  box.setText(boxText(prompt));
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::About:
      box.setIconPixmap(surface_.pictureFor(Picture::QZSHOGI));
      break;
  }
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(shown("はい"));
    box.button(QMessageBox::No)->setText(shown("いいえ"));
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int r = box.exec();
  if (buttons == Buttons::OK) return Answer::OK;
  return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MainWindow::setBackColour(int paletteIndex) {
  view_->setBackColour(QColor::fromRgb(パレット[paletteIndex & 15]));
}

bool MainWindow::maximized() const {
  return isMaximized();
}

void MainWindow::place(int left, int top, int width, int height) {
  move(static_cast<int>(left / twipsPerPixel), static_cast<int>(top / twipsPerPixel));
  resize(static_cast<int>(width / twipsPerPixel), static_cast<int>(height / twipsPerPixel));
}

void MainWindow::endProgram() {
  throw ProgramEnded{};
}

// --- The record-file panel -------------------------------------------------------

void MainWindow::buildRecordPanel() {
  panel_ = std::make_unique<RecordFilePanel>(view_);
  panel_->onDriveChange = [this] { dispatch([this] { form_->Drive1_Change(); }); };
  panel_->onDirChange = [this] { dispatch([this] { form_->Dir1_Change(); }); };
  panel_->onFileClick = [this] { dispatch([this] { form_->File1_Click(); }); };
  panel_->onCommand1 = [this] { dispatch([this] { form_->Command1_Click(); }); };
}

// --- The move list ------------------------------------------------------------------

// Right of the board below the move count: columns 12..15, rows 4..9, in twips.
void MainWindow::buildMoveList() {
  moveList_ = new QListWidget(view_);
  moveList_->setObjectName("KIFU_ICHIRAN_LIST");
  moveList_->setGeometry(QRect(QPoint(6990 / 15, 2560 / 15), QSize(130, 200)));
  moveList_->setFocusPolicy(Qt::NoFocus);
  QFont f = moveList_->font();
  f.setPointSize(9);
  moveList_->setFont(f);
  connect(moveList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = moveList_->row(item);
    dispatch([this, row] { form_->棋譜一覧選択(row); });
  });
  // A right click on a move with branches offers them.
  moveList_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(moveList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    const QModelIndex index = moveList_->indexAt(pos);
    if (!index.isValid()) return;
    if (QMenu* menu = branchMenu(index.row())) menu->popup(moveList_->viewport()->mapToGlobal(pos));
  });
}

QMenu* MainWindow::branchMenu(int row) {
  const std::vector<std::string> moves = form_->棋譜一覧の変化(row);
  if (moves.empty()) return nullptr;
  auto* menu = new QMenu(moveList_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addSection(shown(Message(QZ_TR("変化"))));
  for (std::size_t i = 0; i < moves.size(); ++i) {
    QAction* action = menu->addAction(QString::fromStdString(moves[i]));
    const int branch = static_cast<int>(i);
    connect(action, &QAction::triggered, this, [this, row, branch] {
      dispatch([this, row, branch] { form_->棋譜一覧変化選択(row, branch); });
    });
  }
  return menu;
}

void MainWindow::setMoves(const Message& start, const std::vector<std::string>& moves,
                          int current) {
  QStringList rows{shown(start)};
  for (const std::string& m : moves) rows << QString::fromStdString(m);
  bool same = moveList_->count() == rows.size();
  for (int i = 0; same && i < rows.size(); ++i) same = moveList_->item(i)->text() == rows[i];
  if (!same) {
    moveList_->clear();
    moveList_->addItems(rows);
  }
  moveList_->setCurrentRow(current);
  moveList_->scrollToItem(moveList_->currentItem());
}

void MainWindow::setListVisible(bool on) {
  moveList_->setVisible(on);
}

void MainWindow::setListsVisible(bool drive, bool directory, bool file) {
  panel_->setListsVisible(drive, directory, file);
}
void MainWindow::setTextPanelVisible(bool visible) {
  panel_->setTextPanelVisible(visible);
}
std::string MainWindow::text(int box) const {
  return panel_->text(box);
}
std::filesystem::path MainWindow::drive() const {
  return panel_->drive();
}
void MainWindow::setDrive(const std::filesystem::path& folder) {
  panel_->setDrive(folder);
}
std::filesystem::path MainWindow::directoryPath() const {
  return panel_->directoryPath();
}
RecordPanel::FolderChange MainWindow::setDirectoryPath(const std::filesystem::path& folder) {
  return panel_->setDirectoryPath(folder);
}
std::filesystem::path MainWindow::fileListPath() const {
  return panel_->fileListPath();
}
void MainWindow::setFileListPath(const std::filesystem::path& folder) {
  panel_->setFileListPath(folder);
}
std::string MainWindow::fileName() const {
  return panel_->fileName();
}
void MainWindow::refreshFileList() {
  panel_->refreshFileList();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ended_ || form_ == nullptr) {
    event->accept();
    return;
  }
  // A close while another handler's box is open is dropped by Form1, and the
  // window stays.
  dispatch([this] { form_->Form_Unload(); });
  if (ended_)
    event->accept();
  else
    event->ignore();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  int code = 0;
  if (event->key() == Qt::Key_Escape)
    code = キー_Esc;
  else if (!event->text().isEmpty() && event->text().at(0).unicode() < 128)
    code = event->text().at(0).unicode();
  if (code == 0) return QMainWindow::keyPressEvent(event);
  dispatch([&] { form_->Form_KeyPress(code); });
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  QWindow* w = windowHandle();
  if (w != nullptr && !screenWatched_) {
    screenWatched_ = true;
    // A screen of another scale gets a canvas of its own ratio.
    connect(w, &QWindow::screenChanged, this, [this] {
      surface_.setDevicePixelRatio(devicePixelRatioF() * view_->scale());
      view_->update();
    });
  }
}

}  // namespace qz
