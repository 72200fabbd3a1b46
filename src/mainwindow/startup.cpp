// Start-up, shutdown, hiding instead of closing, and the window's own keys.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <cstdio>

#include "colour/modhslv.h"
#include "mainwindow/channeleditors.h"
#include "mainwindow/colourtablepanel.h"
#include "mainwindow/frmpickcolor.h"
#include "mainwindow/notationrows.h"
#include "mainwindow/preferences.h"
#include "mainwindow/trayicon.h"
#include "picker/capturefile.h"
#include "picker/magnifier.h"
#include "picker/screenpicker.h"
#include "platform/filewrite.h"
#include "platform/programfolder.h"
#include "platform/qtdialogs.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"

namespace hk {

namespace {
std::filesystem::path PathOf(const QString& folder) {
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

constexpr char kNotSavedTitle[] = "Not Saved";
}  // namespace

void FrmPickColor::Form_Load(const QString& executableFolder) {
  const hk::ProgramFolder folder = ChooseProgramFolder(executableFolder);
  programFolder_ = folder.path;
  // A read-only program folder keeps the preferences in the per-user store instead.
  prefsInStore_ = CheckInstalled(executableFolder) || folder.perUser;

  // A run that was killed while replacing a file may have left its new copy behind.
  for (const char* name : {kArchiveFileName, "pref.ini", kCaptureFileName}) {
    RemoveLeftoverTemporaries(PathOf(programFolder_), name);
  }

  MaxHue = 360.0f;
  table_->SetLastUserColor(1);
  table_->SetLastWebColor(1);

  Preferences prefs;
  if (prefsInStore_) {
    QtSettingsStore store;
    const StoreReading reading = ReadUserStore(store);
    if (!reading.prefs) {
      // Start-up stops here; the window opens with what was set up so far.
      dialogs_->MsgBox(reading.error, MsgButtons::OK, MsgIcon::None,
                       QApplication::applicationName().toStdString());
      editors_->DrawColorDisplay();
      return;
    }
    prefs = *reading.prefs;
  } else {
    prefs = LoadPrefFile(PathOf(programFolder_) / "pref.ini");
  }
  tableTag_ = QString::fromStdString(prefs.TableState);
  MaxHue = prefs.MaxHue;
  table_->SetLastUserColor(prefs.LastUserColor);
  table_->SetLastWebColor(prefs.LastWebColor);
  table_->Pad().SetTipSize(
      std::clamp<int>(prefs.TipSize, PadModel::kMinTipSize, PadModel::kMaxTipSize));

  archiveFile_ = PathOf(programFolder_) / kArchiveFileName;
  const LoadResult loaded = archive_->LoadColors(archiveFile_);
  if (loaded.status == LoadStatus::ReadError) {
    // The colours read so far are shown; the file is left for the user to rescue.
    dialogs_->MsgBox("Some saved colors could not be read: " + loaded.error, MsgButtons::OK,
                     MsgIcon::Exclamation, QApplication::applicationName().toStdString());
  }

  tablePanel_->StartOn(prefs.CurrentTab == 1 ? PadList::Web : PadList::Saved);
  editors_->Restore(prefs.ColorMode, prefs.DispMode);
  TableChanged = false;
  editors_->ClearEditors();
  archive_->ResetRunState();
  SetColor(0);

  // The saved state is read inverted; one toggle restores it.
  if (tableTag_ == QStringLiteral("E")) {
    tableTag_.clear();
    ImgUP_DN_Click();  // lays out the expanded table, then the toggle collapses it
  }
  ImgUP_DN_Click();
  tablePanel_->ApplyPadUpdate(table_->FixPad());

  if (archive_->Count() == 0) {
    table_->SetLastUserColor(0);
    if (table_->CurrentTab() == PadList::Saved) table_->Pad().SetPadPos(0);
  }
  tablePanel_->TabChanged = tablePanel_->SizeChanged = false;
  // After the window has shown: the tray icon waits for the desktop's answer.
  QTimer::singleShot(0, tray_, &TrayIcon::Add);
  editors_->DrawColorDisplay();
  magnifier_->SetPicture(LoadCapture(programFolder_));
  magnifier_->LayoutZoom();
  magnifier_->PaintZoom();
}

void FrmPickColor::mnuExit_Click() {
  mayAsk_ = true;
  Shutdown();
  EndProgram();
}

void FrmPickColor::ExitUnattended() {
  // Also stops a question already on the screen: the exit below ends its box.
  mayAsk_ = false;
  Shutdown();
  EndProgram();
}

void FrmPickColor::EndProgram() {
  if (exitHook_) {
    exitHook_();
  } else {
    QApplication::exit(0);
  }
}

void FrmPickColor::Shutdown() {
  if (shutdownDone_) return;
  shutdownDone_ = true;
  tray_->Del_Sys_Ref();
  SaveAll();
}

void FrmPickColor::SaveAll() {
  if (programFolder_.isEmpty()) return;  // never started: nothing of ours to save
  // The desktop may ask for a save while Exit is asking about one; that exit saves.
  if (saving_) return;
  const QScopedValueRollback<bool> busy(saving_, true);

  Preferences prefs;
  prefs.CurrentTab = table_->CurrentTab() == PadList::Web ? 1 : 0;
  prefs.TipSize = table_->Pad().TipSize();
  prefs.ColorMode = static_cast<std::int16_t>(editors_->ColorMode());
  prefs.DispMode = static_cast<std::uint8_t>(editors_->DispMode());
  prefs.MaxHue = editors_->HueMaximum360() ? 360.0f : 240.0f;
  prefs.LastUserColor =
      static_cast<std::int16_t>(std::clamp(table_->LastUserColor(), -32768, 32767));
  prefs.LastWebColor = static_cast<std::int16_t>(std::clamp(table_->LastWebColor(), -32768, 32767));
  const std::string tableState = tableTag_.toStdString();
  // A file that cannot be written must not cost the others: each is tried in turn.
  SaveOrAsk("the preferences", [&] {
    if (!prefsInStore_) return SavePrefFile(PathOf(programFolder_) / "pref.ini", prefs, tableState);
    QtSettingsStore store;
    const PrefDirty dirty{
        tablePanel_->SizeChanged,   tablePanel_->TabChanged,   TableChanged,
        editors_->ColorModeChanged, editors_->DispModeChanged, editors_->MaxHueChanged};
    return WriteUserStore(store, prefs, tableState, dirty);
  });
  SaveOrAsk("the colors", [this] {
    if (archiveFile_.empty()) return WriteResult{};
    const SaveResult r = archive_->Save(archiveFile_);
    return WriteResult{r.ok, r.error};
  });
  SaveOrAsk("the screen capture", [this] {
    // Only a capture taken in this run is new; a pasted picture alone is not kept.
    if (!picker_->CaptureTaken()) return WriteResult{};
    return SaveCapture(programFolder_, magnifier_->Picture());
  });
}

void FrmPickColor::SaveOrAsk(std::string_view what, const std::function<WriteResult()>& save) {
  for (WriteResult r = save(); !r.ok; r = save()) {
    const std::string said = "Hue Keeper could not save " + std::string(what);
    if (mayAsk_) {
      const MsgResult choice = dialogs_->MsgBox(
          said + ".\n\n" + r.error + "\n\nRetry tries again; Discard leaves the file as it was.",
          MsgButtons::RetryDiscard, MsgIcon::Critical, kNotSavedTitle);
      if (choice == MsgResult::Retry) continue;
      if (choice == MsgResult::Discard) return;
      // The box was ended without an answer: the program is being made to quit.
      mayAsk_ = false;
    }
    std::fprintf(stderr, "%s: %s\n", said.c_str(), r.error.c_str());
    return;
  }
}

void FrmPickColor::closeEvent(QCloseEvent* event) {
  if (shutdownDone_) {
    event->accept();
    return;
  }
  // Closing never ends the program: the window steps aside to the tray, or to the
  // task bar where no tray could bring it back; Exit ends it.
  event->ignore();
  if (CanHideToTray()) {
    mnuShow_Click();
  } else {
    showMinimized();
  }
}

void FrmPickColor::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Minimizing hides the window to the tray, where there is one.
  if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible() && CanHideToTray())
    QTimer::singleShot(0, this, [this] {
      if (isMinimized() && isVisible()) mnuShow_Click();
    });
}

void FrmPickColor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void FrmPickColor::Form_Resize() {
  if (Shape3 == nullptr) return;  // still building
  // A full-width band from 30 twips above the RGB row to 30 below the button row.
  const int rows = notations_->Top(), top = rows - TwipsToPixels(30);
  Shape3->setGeometry(0, top, frameGeometry().width(),
                      CmdApply->geometry().bottom() + 1 - rows + TwipsToPixels(60));
  // The strip on the bottom edge, and the slide button just above it.
  Shape4->setGeometry(0, height() - Shape4->height(), Shape4->width(), Shape4->height());
  ImgUP_DN->move(ImgUP_DN->x(), height() - ImgUP_DN->height() - TwipsToPixels(30));
  PlaceActionLabels();
}

bool FrmPickColor::Form_KeyDown(QKeyEvent* event) {
  // Only Shift, Ctrl and Alt count, and the combination must match exactly.
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (event->key() == Qt::Key_X && (mods == Qt::ControlModifier || mods == Qt::AltModifier)) {
    // Leave the key handler before the window goes away.
    QTimer::singleShot(0, this, [this] { mnuExit_Click(); });
    return true;
  }
  if (event->key() == Qt::Key_V && mods == Qt::ControlModifier) return PasteCapture();
  return false;
}

}  // namespace hk
