// The whole program put together: surface, window, sound, settings file
// and Form1. main() and the start-up benchmark both build one.
#pragma once

#include <memory>
#include <string>

namespace qz {

class AnalysisPanel;
class Form1;
class MainWindow;
class QtSurface;

class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs Form_Load and shows the window; false when the program ended meanwhile.
  bool start();
  // Opens a record file of any format, as "ファイルを開く…" does.
  void openRecord(const std::string& path);

  MainWindow& window();
  AnalysisPanel& analysis();
  Form1& form();
  QtSurface& surface();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// True when there is a screen to open a window on (or a platform is named).
bool displayAvailable();

}  // namespace qz
