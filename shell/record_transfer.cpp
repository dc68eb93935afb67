// The main window's file dialogs and clipboard for records of every format.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "rules/message.h"
#include "shell/main_window.h"
#include "shell/translation.h"

namespace qz {
namespace {

std::filesystem::path toPath(const QString& s) {
  const QByteArray u = s.toUtf8();
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(u.constData()),
                                             static_cast<std::size_t>(u.size())));
}

QString fromPath(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                           static_cast<qsizetype>(s.size()));
}

}  // namespace

std::filesystem::path MainWindow::chooseRecordToOpen() {
  return toPath(QFileDialog::getOpenFileName(
      this, shown(QZ_TR("ファイルを開く")), fromPath(directoryPath()),
      shown(QZ_TR("棋譜 (*.棋譜 *.kif *.kifu *.csa *.sfen *.usi);;すべてのファイル (*)"))));
}

std::filesystem::path MainWindow::chooseRecordToSave(const std::string& format) {
  const bool kif = format == "KIF";
  return toPath(QFileDialog::getSaveFileName(
      this, shown(kif ? QZ_TR("KIFで保存") : QZ_TR("CSAで保存")), fromPath(directoryPath()),
      kif ? "KIF (*.kif);;KIF UTF-8 (*.kifu)" : "CSA (*.csa)"));
}

std::string MainWindow::clipboardText() const {
  return QGuiApplication::clipboard()->text().toUtf8().toStdString();
}

void MainWindow::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace qz
