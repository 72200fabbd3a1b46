// The icon in the desktop's notification area and its menu: the way back to a
// hidden window, and show/hide, the converter, the home page and exit without it.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace hk {

class TrayIcon : public QObject {
  Q_OBJECT
 public:
  explicit TrayIcon(QWidget* window);
  ~TrayIcon() override;

  // Adds the icon; without a tray on the desktop it appears once one comes. The icon
  // is made here, not before: asking the desktop for its tray takes a round trip that
  // the window need not wait for.
  void Add();
  // Takes the icon away (at exit, before anything is saved).
  void Del_Sys_Ref();
  // Whether the desktop shows a tray now, so a hidden window can be found again.
  static bool Available();

  QMenu* mnuSys() const { return mnuSys_; }
  QAction* mnuShow() const { return mnuShow_; }
  // Whether the icon has been added and not taken away again.
  bool Shown() const;

 signals:
  void RestoreRequested();     // a left click or double click on the icon
  void ForegroundRequested();  // a right click, as its menu opens
  void ShowHideRequested();
  void HexRequested();
  void HomePageRequested();
  void ExitRequested();

 private:
  QSystemTrayIcon* icon_ = nullptr;
  QMenu* mnuSys_;
  QAction* mnuShow_;
};

}  // namespace hk
