// The board editor dialog: clicks place, cycle and remove pieces, the
// presets and hands fill the position, and a position no game could reach
// is refused with its reason until it is put right.
#include "shell/board_editor_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace qz {
namespace {

std::optional<std::string> run(const std::string& sfen, std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    act(*d);
  });
  return runBoardEditorDialog(nullptr, sfen);
}

// A press of the button on square (x, y) of the dialog's board.
void clickSquare(QDialog& d, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* board = d.findChild<QWidget*>("BOARD_EDIT_VIEW");
  const int cell = board->width() / 9;
  const QPointF at((x - 0.5) * cell, (y - 0.5) * cell);
  QMouseEvent press(QEvent::MouseButtonPress, at, board->mapToGlobal(at), button, button,
                    Qt::NoModifier);
  QApplication::sendEvent(board, &press);
}

void press(QDialog& d, const char* name) {
  d.findChild<QAbstractButton*>(name)->click();
}

void ok(QDialog& d) {
  d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

QString status(QDialog& d) {
  return d.findChild<QLabel*>("BOARD_EDIT_STATUS")->text();
}

TEST(BoardEditorDialog, SetsUpAProblemAndRefusesWhatNoGameReaches) {
  const auto got = run("bad", [](QDialog& d) {
    press(d, "PRESET_KINGS");
    press(d, "PALETTE_-30");
    clickSquare(d, 1, 2);  // a knight with nowhere to go
    d.findChild<QSpinBox*>("HAND_LOWER_5")->setValue(9);  // only 4 golds in a set
    EXPECT_EQ(d.findChild<QSpinBox*>("HAND_LOWER_5")->value(), 4);
    QApplication::clipboard()->setText("kept");
    press(d, "COPY_SFEN");
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
    ok(d);
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(status(d), "この局面は使えません：奥の二段の桂は二度と動けません");
    clickSquare(d, 1, 2);  // promoted, it may stand there
    EXPECT_EQ(status(d), "");
    press(d, "PRESET_REST");
    press(d, "UPPER_TO_MOVE");
    press(d, "COPY_SFEN");
    EXPECT_EQ(QApplication::clipboard()->text(), "4k4/+N8/9/9/9/9/9/9/4K4 w 4G2r2b4s3n4l18p 1");
    ok(d);
  });
  EXPECT_EQ(got, "4k4/+N8/9/9/9/9/9/9/4K4 w 4G2r2b4s3n4l18p 1");
}

TEST(BoardEditorDialog, OpensOnThePositionGivenAndACancelGivesNothing) {
  const std::string start = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
  EXPECT_EQ(run(start,
                [](QDialog& d) {
                  clickSquare(d, 1, 7);  // no pawn left to place: the same pawn cycles
                  EXPECT_EQ(status(d), "");
                  clickSquare(d, 1, 1, Qt::RightButton);
                  ok(d);
                }),
            "1nsgkgsnl/1r5b1/ppppppppp/9/9/9/+PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  EXPECT_FALSE(run(start, [](QDialog& d) { d.reject(); }));
}

}  // namespace
}  // namespace qz
