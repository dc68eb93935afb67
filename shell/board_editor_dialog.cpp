#include "shell/board_editor_dialog.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <cstdlib>
#include <functional>

#include "game/board_edit.h"
#include "shell/translation.h"

namespace qz {
namespace {

constexpr int kCell = 36;  // a square's side in logical pixels
// A palette button's id is its piece code plus this: Qt keeps negative ids for its own.
constexpr int kPaletteBase = 1000;

QString fromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The kanji of a piece kind, promoted kinds by their usual single letter.
QString pieceText(int code) {
  switch (std::abs(code)) {
    case 歩:
      return "歩";
    case 成歩:
      return "と";
    case 香:
      return "香";
    case 成香:
      return "杏";
    case 桂:
      return "桂";
    case 成桂:
      return "圭";
    case 銀:
      return "銀";
    case 成銀:
      return "全";
    case 金:
      return "金";
    case 角:
      return "角";
    case 成角:
      return "馬";
    case 飛:
      return "飛";
    case 成飛:
      return "龍";
    case 王:
      return "王";
    default:
      return {};
  }
}

QFont pieceFont(int pixels) {
  QFont f;
  f.setFamilies({"IPAexMincho", "IPAMincho", "Noto Serif CJK JP"});
  f.setPixelSize(pixels);
  return f;
}

// The board: kanji on squares, the upper side's turned round. A click
// reports its square (x from the left, y from the top) and its button.
class BoardView : public QWidget {
 public:
  BoardView(const 編集局面& e, QWidget* parent) : QWidget(parent), e_(e) {
    setObjectName("BOARD_EDIT_VIEW");
    setFixedSize(9 * kCell + 1, 9 * kCell + 1);
  }
  std::function<void(int x, int y, bool right)> clicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf0, 0xd0, 0x90));
    p.setPen(Qt::black);
    for (int i = 0; i <= 9; ++i) {
      p.drawLine(i * kCell, 0, i * kCell, 9 * kCell);
      p.drawLine(0, i * kCell, 9 * kCell, i * kCell);
    }
    p.setFont(pieceFont(kCell * 2 / 3));
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (const int c = e_.盤面[x][y]; c != 0) drawPiece(p, x, y, c);
  }
  void mousePressEvent(QMouseEvent* ev) override {
    const QPoint at = ev->position().toPoint();
    const int x = at.x() / kCell + 1, y = at.y() / kCell + 1;
    if (clicked && 盤上(x, y)) clicked(x, y, ev->button() == Qt::RightButton);
  }

 private:
  void drawPiece(QPainter& p, int x, int y, int c) {
    p.save();
    p.translate((x - 0.5) * kCell, (y - 0.5) * kCell);
    if (c > 0) p.rotate(180);
    p.setPen(std::abs(c) % 10 == 1 ? Qt::red : Qt::black);
    p.drawText(QRect(-kCell / 2, -kCell / 2, kCell, kCell), Qt::AlignCenter, pieceText(c));
    p.restore();
  }
  const 編集局面& e_;
};

// The editor's state and widgets; every change goes through refresh().
struct Editor {
  編集局面 e;
  QDialog* dialog = nullptr;
  BoardView* board = nullptr;
  QButtonGroup* palette = nullptr;
  std::array<std::array<QSpinBox*, 8>, 2> hands{};  // [0] lower, [1] upper; slots 1..7
  QRadioButton* lowerToMove = nullptr;
  QRadioButton* upperToMove = nullptr;
  QLabel* status = nullptr;

  void refresh() {
    for (int side = 0; side < 2; ++side)
      for (int i = 1; i <= 持駒種類数; ++i) {
        QSpinBox* s = hands[side][i];
        const QSignalBlocker quiet(s);
        s->setValue((side == 0 ? e.持駒_MAN : e.持駒_COM).枚数[i]);
      }
    (e.MAN手番 ? lowerToMove : upperToMove)->setChecked(true);
    board->update();
    const SFEN不備 f = 編集局面の無理(e);
    say(f.種類 == SFEN不備種類::なし ? 文面() : SFEN不備の文(f));
  }
  void say(const 文面& m) { status->setText(m.empty() ? QString() : shown(m)); }

  // The SFEN of the position, or nothing with the reason shown.
  std::optional<std::string> checked() {
    const SFEN不備 f = 編集局面の無理(e);
    if (f.種類 == SFEN不備種類::なし) return 編集局面のSFEN(e);
    say(文面(QZ_TR("この局面は使えません：%1"), {SFEN不備の文(f)}));
    return std::nullopt;
  }

  void click(int x, int y, bool right) {
    const int c = e.盤面[x][y];
    const int chosen = palette->checkedId() - kPaletteBase;
    const bool done = right ? 駒を除く(e, x, y) : 駒をクリック(e, x, y, chosen);
    refresh();
    if (!done && !right) {
      const bool cycle = c != 0 && std::abs(c) == 王 && std::abs(chosen) == 王;
      say(cycle ? QZ_TR("王はどちらの側にも一枚までです") : QZ_TR("駒箱にその駒が残っていません"));
    }
  }
};

QWidget* paletteRow(Editor& ed, bool lower) {
  auto* row = new QWidget(ed.dialog);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(shown(lower ? QZ_TR("下の駒") : QZ_TR("上の駒")), row));
  for (int i = 1; i <= 王の番号; ++i) {
    const int kind = i == 王の番号 ? 王 : 持駒番号の駒[i];
    const int code = lower ? -kind : kind;
    auto* b = new QToolButton(row);
    b->setText(pieceText(code));
    b->setFont(pieceFont(18));
    b->setCheckable(true);
    b->setObjectName(QString("PALETTE_%1").arg(code));
    ed.palette->addButton(b, code + kPaletteBase);
    h->addWidget(b);
  }
  h->addStretch();
  return row;
}

QWidget* handRow(Editor& ed, bool lower) {
  auto* row = new QWidget(ed.dialog);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel(shown(lower ? QZ_TR("下の持駒") : QZ_TR("上の持駒")), row));
  for (int i = 持駒種類数; i >= 1; --i) {
    auto* s = new QSpinBox(row);
    s->setRange(0, 一組の枚数[i]);
    s->setPrefix(pieceText(持駒番号の駒[i]));
    s->setObjectName(QString("HAND_%1_%2").arg(lower ? "LOWER" : "UPPER").arg(i));
    ed.hands[lower ? 0 : 1][i] = s;
    QObject::connect(s, &QSpinBox::valueChanged, ed.dialog, [&ed, lower, i](int n) {
      持駒を設定(ed.e, lower, i, n);
      ed.refresh();
    });
    h->addWidget(s);
  }
  h->addStretch();
  return row;
}

QPushButton* button(Editor& ed, const char* caption, const char* name, std::function<void()> act) {
  auto* b = new QPushButton(shown(caption), ed.dialog);
  b->setObjectName(name);
  b->setAutoDefault(false);
  QObject::connect(b, &QPushButton::clicked, ed.dialog, [&ed, act] {
    act();
    ed.refresh();
  });
  return b;
}

QWidget* presetRow(Editor& ed) {
  auto* row = new QWidget(ed.dialog);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(button(ed, QZ_TR("平手"), "PRESET_START", [&ed] { ed.e = 平手の編集局面(); }));
  h->addWidget(button(ed, QZ_TR("玉だけ"), "PRESET_KINGS", [&ed] { ed.e = 玉だけの編集局面(); }));
  h->addWidget(
      button(ed, QZ_TR("残りを上の持駒へ"), "PRESET_REST", [&ed] { 残りを上の持駒に(ed.e); }));
  return row;
}

QWidget* sideRow(Editor& ed) {
  auto* row = new QWidget(ed.dialog);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  ed.lowerToMove = new QRadioButton(shown(QZ_TR("下の番")), row);
  ed.upperToMove = new QRadioButton(shown(QZ_TR("上の番")), row);
  ed.upperToMove->setObjectName("UPPER_TO_MOVE");
  QObject::connect(ed.lowerToMove, &QRadioButton::toggled, ed.dialog,
                   [&ed](bool on) { ed.e.MAN手番 = on; });
  h->addWidget(ed.lowerToMove);
  h->addWidget(ed.upperToMove);
  h->addStretch();
  h->addWidget(button(ed, QZ_TR("SFENをコピー"), "COPY_SFEN", [&ed] {
    if (const auto s = ed.checked()) QGuiApplication::clipboard()->setText(fromUtf8(*s));
  }));
  return row;
}

}  // namespace

std::optional<std::string> runBoardEditorDialog(QWidget* parent, const std::string& sfen) {
  QDialog dialog(parent);
  dialog.setObjectName("BOARD_EDIT_DIALOG");
  dialog.setWindowTitle(shown(QZ_TR("局面編集")));
  Editor ed;
  ed.e = SFENの編集局面(sfen).value_or(平手の編集局面());
  ed.dialog = &dialog;
  ed.palette = new QButtonGroup(&dialog);
  ed.board = new BoardView(ed.e, &dialog);
  ed.board->clicked = [&ed](int x, int y, bool right) { ed.click(x, y, right); };
  ed.status = new QLabel(&dialog);
  ed.status->setObjectName("BOARD_EDIT_STATUS");
  ed.status->setStyleSheet("color: #c00000");
  ed.status->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(shown(QZ_TR("キャンセル")));
  std::optional<std::string> chosen;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    chosen = ed.checked();
    if (chosen) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(handRow(ed, false));
  layout->addWidget(ed.board, 0, Qt::AlignHCenter);
  layout->addWidget(handRow(ed, true));
  layout->addWidget(paletteRow(ed, false));
  layout->addWidget(paletteRow(ed, true));
  layout->addWidget(new QLabel(
      shown(QZ_TR("左クリックで置く（同じ駒なら成り・持ち主を替える）、右クリックで除く")),
      &dialog));
  layout->addWidget(presetRow(ed));
  layout->addWidget(sideRow(ed));
  layout->addWidget(ed.status);
  layout->addWidget(buttons);
  ed.palette->button(-歩 + kPaletteBase)->setChecked(true);
  ed.refresh();

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return chosen;
}

}  // namespace qz
