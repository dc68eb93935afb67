// The record-file panel as Qt controls over the board: the drive list
// Drive1, the directory list Dir1, the file list File1 (record files only),
// the text boxes Text1..Text4 with their labels Label1(0..3) and the
// button Command1 "RETURN". The controls are children of the board view,
// placed in twips at 15 to a logical pixel; all start hidden.
#pragma once

#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "play/platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace qz {

class RecordFilePanel : public RecordPanel {
 public:
  // Creates the controls on parent, showing the current directory.
  explicit RecordFilePanel(QWidget* parent);

  void setListsVisible(bool drive, bool directory, bool file) override;
  void setTextPanelVisible(bool visible) override;
  std::string text(int box) const override;
  std::filesystem::path drive() const override;
  void setDrive(const std::filesystem::path& folder) override;
  std::filesystem::path directoryPath() const override { return dirPath_; }
  FolderChange setDirectoryPath(const std::filesystem::path& folder) override;
  std::filesystem::path fileListPath() const override { return filePath_; }
  void setFileListPath(const std::filesystem::path& folder) override;
  std::string fileName() const override { return fileName_; }
  void refreshFileList() override;

  // The user's events, each to be run as one handler of the window.
  std::function<void()> onDriveChange;  // a drive chosen in Drive1
  std::function<void()> onDirChange;    // a folder opened in Dir1
  std::function<void()> onFileClick;    // a file name clicked in File1
  std::function<void()> onCommand1;     // RETURN pressed

  // Places the labels and text boxes at a scale (1 = the form's twips) and
  // gives each label the room its text needs: when the widest text is wider
  // than the room before the boxes, the boxes give way on the left, their
  // right edge staying. Run after the labels' text or font changes.
  void fitLabels(double scale);

  // Replaces the drives Drive1 offers (the system's are read at start-up).
  void setDrives(const std::vector<std::filesystem::path>& drives);
  // The file-system roots and the mounted volumes of this machine.
  static std::vector<std::filesystem::path> systemDrives();

  // The controls, for the window's tests.
  QComboBox* drive1() const { return drive1_; }
  QListWidget* dir1() const { return dir1_; }
  QListWidget* file1() const { return file1_; }
  QLineEdit* textBox(int box) const { return text_.at(static_cast<std::size_t>(box - 1)); }
  QLabel* label1(int index) const { return label1_.at(static_cast<std::size_t>(index)); }
  QPushButton* command1() const { return command1_; }

 private:
  void fillDirectoryList();
  void showDriveOf(const std::filesystem::path& folder);

  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* file1_;
  std::array<QLineEdit*, 4> text_{};  // Text1..Text4
  std::array<QLabel*, 4> label1_{};   // Label1(0..3)
  QPushButton* command1_;
  std::vector<std::filesystem::path> drives_;
  std::filesystem::path dirPath_;
  std::filesystem::path filePath_;
  std::string fileName_;
};

// Paths and Qt text, whatever the platform's file-name encoding.
QString toQString(const std::filesystem::path& p);
std::filesystem::path toPath(const QString& s);

}  // namespace qz
