#include "mainwindow/trayicon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "mainwindow/appicon.h"

namespace hk {

TrayIcon::TrayIcon(QWidget* window) : QObject(window), mnuSys_(new QMenu(window)) {
  mnuSys_->setObjectName(QStringLiteral("mnuSys"));
  mnuShow_ = mnuSys_->addAction(QStringLiteral("&Hide"), this, &TrayIcon::ShowHideRequested);
  mnuShow_->setObjectName(QStringLiteral("mnuShow"));
  mnuSys_->addSeparator();
  mnuSys_->addAction(QStringLiteral("HexConv..."), this, &TrayIcon::HexRequested)
      ->setObjectName(QStringLiteral("mnuHex"));
  mnuSys_->addSeparator();
  mnuSys_->addAction(QStringLiteral("Visit Homepage..."), this, &TrayIcon::HomePageRequested)
      ->setObjectName(QStringLiteral("mnuhp"));
  mnuSys_->addSeparator();
  mnuSys_->addAction(QStringLiteral("E&xit"), this, &TrayIcon::ExitRequested)
      ->setObjectName(QStringLiteral("mnuExit"));
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Add() {
  if (icon_ != nullptr) {
    icon_->show();
    return;
  }
  icon_ = new QSystemTrayIcon(this);
  icon_->setIcon(AppIcon());
  icon_->setToolTip(QStringLiteral("Hue Keeper"));
  icon_->setContextMenu(mnuSys_);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
      emit RestoreRequested();
    if (why != QSystemTrayIcon::Context) return;
    // The window comes to the front, and the menu, which may already be open, stays above it.
    emit ForegroundRequested();
    if (mnuSys_->isVisible()) mnuSys_->raise();
  });
  icon_->show();
}

void TrayIcon::Del_Sys_Ref() {
  if (icon_ != nullptr) icon_->hide();
}

bool TrayIcon::Shown() const { return icon_ != nullptr && icon_->isVisible(); }

bool TrayIcon::Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

}  // namespace hk
