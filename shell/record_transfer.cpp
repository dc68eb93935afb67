// The main window's file dialogs and clipboard for records of every format.
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
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

QString MainWindow::recordDialogFolder() const {
  return recordFolder_.isEmpty() ? fromPath(directoryPath()) : recordFolder_;
}

std::filesystem::path MainWindow::rememberRecordFolder(const QString& chosen) {
  if (!chosen.isEmpty()) recordFolder_ = QFileInfo(chosen).absolutePath();
  return toPath(chosen);
}

std::filesystem::path MainWindow::chooseRecordToOpen() {
  return rememberRecordFolder(QFileDialog::getOpenFileName(
      this, shown(QZ_TR("ファイルを開く")), recordDialogFolder(),
      shown(QZ_TR("棋譜 (*.棋譜 *.kif *.kifu *.csa *.sfen *.usi);;すべてのファイル (*)"))));
}

std::filesystem::path MainWindow::chooseRecordToSave(const std::string& format) {
  const bool kif = format == "KIF";
  return rememberRecordFolder(QFileDialog::getSaveFileName(
      this, shown(kif ? QZ_TR("KIFで保存") : QZ_TR("CSAで保存")), recordDialogFolder(),
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
