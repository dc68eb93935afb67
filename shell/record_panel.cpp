#include "shell/record_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace qz {

namespace fs = std::filesystem;

namespace {

// A rectangle given in twips, in logical pixels.
QRect twips(int left, int top, int width, int height) {
  auto px = [](int t) { return static_cast<int>(std::lround(t / 15.0)); };
  return {px(left), px(top), px(width), px(height)};
}

QFont panelFont() {
  QFont f;
  f.setFamilies({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "IPAexMincho", "IPAMincho"});
  f.setPixelSize(12);
  return f;
}

// The rows of the labels and text boxes, top to bottom: Label1 index, text
// box number, top in twips.
struct TextRow {
  int label;
  int box;
  int top;
  const char* caption;
};
constexpr std::array<TextRow, 4> textRows = {{
    {3, 2, 2400, "対 局 名："},
    {2, 3, 2640, "先    手 ："},
    {1, 4, 2880, "後    手 ："},
    {0, 1, 3120, "ﾌｧｲﾙ名 ："},
}};

// A row's label and text box in twips; the box covers the label's last
// 15 twips.
QRect labelTwips(const TextRow& row) {
  return twips(120, row.top, 855, 255);
}
QRect boxTwips(const TextRow& row) {
  return twips(960, row.top, 2295, 270);
}

QRect scaled(const QRect& r, double scale) {
  return QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale).toRect();
}

bool isPrefixOf(const fs::path& root, const fs::path& p) {
  auto r = root.begin();
  auto i = p.begin();
  for (; r != root.end(); ++r, ++i) {
    if (r->empty()) continue;  // a trailing separator
    if (i == p.end() || *r != *i) return false;
  }
  return true;
}

}  // namespace

QString toQString(const fs::path& p) {
  const std::u8string s = p.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                           static_cast<qsizetype>(s.size()));
}

fs::path toPath(const QString& s) {
  const QByteArray b = s.toUtf8();
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(b.constData()),
                                static_cast<std::size_t>(b.size())));
}

RecordFilePanel::RecordFilePanel(QWidget* parent) {
  const QFont font = panelFont();
  drive1_ = new QComboBox(parent);
  drive1_->setObjectName("Drive1");
  drive1_->setGeometry(twips(240, 360, 2535, 300));
  dir1_ = new QListWidget(parent);
  dir1_->setObjectName("Dir1");
  dir1_->setGeometry(twips(240, 600, 2535, 1710));
  file1_ = new QListWidget(parent);
  file1_->setObjectName("File1");
  file1_->setGeometry(twips(240, 2280, 2535, 930));
  for (const TextRow& row : textRows) {
    QLabel* label = new QLabel(QString::fromUtf8(row.caption), parent);
    label->setObjectName(QString("Label1_%1").arg(row.label));
    label->setGeometry(labelTwips(row));
    label->setAutoFillBackground(true);
    label1_[static_cast<std::size_t>(row.label)] = label;
    QLineEdit* box = new QLineEdit(parent);
    box->setObjectName(QString("Text%1").arg(row.box));
    box->setGeometry(boxTwips(row));
    text_[static_cast<std::size_t>(row.box - 1)] = box;
  }
  command1_ = new QPushButton("RETURN", parent);
  command1_->setObjectName("Command1");
  command1_->setGeometry(twips(3360, 3000, 855, 375));

  for (QWidget* w : std::initializer_list<QWidget*>{drive1_, dir1_, file1_, command1_}) {
    w->setFont(font);
    w->hide();
  }
  for (QWidget* w : text_) {
    w->setFont(font);
    w->hide();
  }
  for (QWidget* w : label1_) {
    w->setFont(font);
    w->hide();
  }

  QObject::connect(drive1_, &QComboBox::activated, drive1_, [this](int) {
    if (onDriveChange) onDriveChange();
  });
  QObject::connect(dir1_, &QListWidget::itemActivated, dir1_, [this](QListWidgetItem* item) {
    const fs::path chosen = toPath(item->data(Qt::UserRole).toString());
    if (chosen == dirPath_) return;
    if (setDirectoryPath(chosen) == FolderChange::Done && onDirChange) onDirChange();
  });
  QObject::connect(file1_, &QListWidget::itemClicked, file1_, [this](QListWidgetItem* item) {
    fileName_ = item->text().toStdString();
    if (onFileClick) onFileClick();
  });
  QObject::connect(command1_, &QPushButton::clicked, command1_, [this] {
    if (onCommand1) onCommand1();
  });

  setDrives(systemDrives());
  const fs::path here = toPath(QDir::currentPath());
  if (setDirectoryPath(here) != FolderChange::Done) setDirectoryPath(toPath(QDir::rootPath()));
  setFileListPath(dirPath_);
  showDriveOf(dirPath_);
}

void RecordFilePanel::fitLabels(double scale) {
  int widest = 0;
  for (const QLabel* label : label1_) widest = std::max(widest, label->sizeHint().width());
  for (const TextRow& row : textRows) {
    const QRect l = scaled(labelTwips(row), scale);
    QRect b = scaled(boxTwips(row), scale);
    // All four boxes keep one left edge, so the column stays straight.
    if (widest > b.left() - l.left()) b.setLeft(l.left() + widest);
    label1_[static_cast<std::size_t>(row.label)]->setGeometry(
        l.adjusted(0, 0, std::max(0, b.left() - l.right()), 0));
    text_[static_cast<std::size_t>(row.box - 1)]->setGeometry(b);
  }
}

std::vector<fs::path> RecordFilePanel::systemDrives() {
  std::vector<fs::path> drives;
  for (const QFileInfo& root : QDir::drives()) drives.push_back(toPath(root.absoluteFilePath()));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) drives.push_back(toPath(volume.rootPath()));
  }
  std::sort(drives.begin(), drives.end());
  drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
  return drives;
}

void RecordFilePanel::setDrives(const std::vector<fs::path>& drives) {
  drives_ = drives;
  const QSignalBlocker block(drive1_);
  drive1_->clear();
  for (const fs::path& d : drives_) {
    QString caption = toQString(d);
    const QString name = QStorageInfo(caption).name();
    if (!name.isEmpty()) caption += " [" + name + "]";
    drive1_->addItem(caption);
  }
  showDriveOf(dirPath_);
}

void RecordFilePanel::showDriveOf(const fs::path& folder) {
  int best = -1;
  std::size_t bestLength = 0;
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    const std::size_t length = drives_[i].native().size();
    if (isPrefixOf(drives_[i], folder) && (best < 0 || length > bestLength)) {
      best = static_cast<int>(i);
      bestLength = length;
    }
  }
  const QSignalBlocker block(drive1_);
  drive1_->setCurrentIndex(best);
}

void RecordFilePanel::setListsVisible(bool drive, bool directory, bool file) {
  if (file && !file1_->isVisible()) refreshFileList();
  drive1_->setVisible(drive);
  dir1_->setVisible(directory);
  file1_->setVisible(file);
}

void RecordFilePanel::setTextPanelVisible(bool visible) {
  if (!visible) {
    for (QLineEdit* box : text_) box->clear();
  }
  for (QWidget* w : text_) w->setVisible(visible);
  for (QWidget* w : label1_) w->setVisible(visible);
  command1_->setVisible(visible);
}

std::string RecordFilePanel::text(int box) const {
  if (box < 1 || box > 4) return {};
  return text_[static_cast<std::size_t>(box - 1)]->text().toStdString();
}

fs::path RecordFilePanel::drive() const {
  const int i = drive1_->currentIndex();
  if (i < 0 || i >= static_cast<int>(drives_.size())) return {};
  return drives_[static_cast<std::size_t>(i)];
}

void RecordFilePanel::setDrive(const fs::path& folder) {
  showDriveOf(folder);
}

RecordPanel::FolderChange RecordFilePanel::setDirectoryPath(const fs::path& folder) {
  const QFileInfo info(toQString(folder));
  const bool readable = info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
  if (!readable) {
    const bool isDrive = std::find(drives_.begin(), drives_.end(), folder) != drives_.end();
    return isDrive || folder == folder.root_path() ? FolderChange::NotReady : FolderChange::Failed;
  }
  dirPath_ = toPath(info.canonicalFilePath());
  fillDirectoryList();
  return FolderChange::Done;
}

// The folder's ancestors from the root down, the folder itself open, then
// its subfolders one step further in, as a directory list shows them.
void RecordFilePanel::fillDirectoryList() {
  const QStyle* style = QApplication::style();
  const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<fs::path> chain;
  for (fs::path p = dirPath_;; p = p.parent_path()) {
    chain.push_back(p);
    if (p == p.root_path() || p.parent_path() == p) break;
  }
  std::reverse(chain.begin(), chain.end());

  dir1_->clear();
  int depth = 0;
  for (const fs::path& p : chain) {
    const QString name = p == p.root_path() ? toQString(p) : toQString(p.filename());
    auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, dir1_);
    item->setData(Qt::UserRole, toQString(p));
    ++depth;
  }
  dir1_->setCurrentRow(dir1_->count() - 1);
  const QDir dir(toQString(dirPath_));
  const QStringList subfolders =
      dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& sub : subfolders) {
    auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + sub, dir1_);
    item->setData(Qt::UserRole, toQString(dirPath_ / toPath(sub)));
  }
}

void RecordFilePanel::setFileListPath(const fs::path& folder) {
  filePath_ = folder;
  refreshFileList();
}

void RecordFilePanel::refreshFileList() {
  file1_->clear();
  const QDir dir(toQString(filePath_));
  file1_->addItems(
      dir.entryList({QString::fromUtf8("*.棋譜")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace qz
