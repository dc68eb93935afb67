#include "shell/review_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTimer>
#include <atomic>
#include <thread>

#include "shell/translation.h"

namespace qz {
namespace {

QSpinBox* spin(QWidget* parent, int min, int max, int value, const char* suffix) {
  auto* s = new QSpinBox(parent);
  s->setRange(min, max);
  s->setValue(value);
  s->setSuffix(shown(suffix));
  return s;
}

}  // namespace

std::optional<解析条件> runReviewDialog(QWidget* parent, const 解析条件& last) {
  QDialog dialog(parent);
  dialog.setObjectName("REVIEW_DIALOG");
  dialog.setWindowTitle(shown(QZ_TR("棋譜解析")));
  auto* form = new QFormLayout(&dialog);
  QSpinBox* ms = spin(&dialog, 100, 60'000, static_cast<int>(last.一手ms), QZ_TR(" ミリ秒"));
  ms->setSingleStep(100);
  QSpinBox* bad = spin(&dialog, 1, 9999, last.悪手損失, "");
  QSpinBox* doubtful = spin(&dialog, 1, 9999, last.疑問手損失, "");
  form->addRow(shown(QZ_TR("一手の思考時間")), ms);
  form->addRow(shown(QZ_TR("悪手とする損失")), bad);
  form->addRow(shown(QZ_TR("疑問手とする損失")), doubtful);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // A 疑問手 loses less than a 悪手: the smaller loss is the 疑問手's.
  return 解析条件{ms->value(), std::max(bad->value(), doubtful->value()),
                  std::min(bad->value(), doubtful->value())};
}

bool runWithProgressDialog(QWidget* parent, const 文面& title, const Window::ProgressJob& job) {
  QProgressDialog progress(shown(title), shown(QZ_TR("中止")), 0, 1, parent);
  progress.setObjectName("PROGRESS_DIALOG");
  progress.setWindowTitle(shown(title));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  std::atomic<bool> stop{false}, done{false};
  std::atomic<int> finished{0}, all{1};
  std::thread worker([&] {
    job(
        [&](int d, int a) {
          all = a;
          finished = d;
        },
        &stop);
    done = true;
  });
  QEventLoop loop;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    progress.setMaximum(all);
    progress.setValue(std::min<int>(finished, all - 1));
    if (progress.wasCanceled()) stop = true;
    if (done) loop.quit();
  });
  tick.start(50);
  loop.exec();
  worker.join();
  return !stop;
}

}  // namespace qz
