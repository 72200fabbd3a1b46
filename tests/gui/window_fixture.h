// The main window under test: shown and active on the offscreen platform, its
// dialogs answered by a script, its exit counted instead of ending the tests, and
// its files in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "colour/modhslv.h"
#include "mainwindow/frmpickcolor.h"
#include "../test_support.h"

namespace hk {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("store"));
    MaxHue = 240.0f;
  }
  void TearDown() override { MaxHue = 240.0f; }

  // The window as built, without the start-up sequence.
  void Open() {
    w = std::make_unique<FrmPickColor>();
    w->SetDialogs(&dialogs);
    w->SetExitHook([this] { ++exits; });
  }
  // The window shown and active; with the start-up sequence over the test's folder.
  void Start(bool load = true) {
    Open();
    if (load) w->Form_Load(dir.path());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }

  void Write(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray Read(const QString& name) {
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
  std::unique_ptr<FrmPickColor> w;
  int exits = 0;
};

}  // namespace hk
