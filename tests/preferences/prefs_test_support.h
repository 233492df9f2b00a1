#pragma once

// A fresh preferences folder and fresh module state for each preferences test.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>
#include <string>

#include "preferences/pref_module.h"
#include "tests/support/gui_helpers.h"

class PrefsTest : public ::testing::Test {
 protected:
  // Callable again inside a test, for the next case.
  void SetUp() override {
    config_.reset();
    config_ = std::make_unique<testing_support::TempConfigHome>();
    prefModule::InitDirectives();
    prefModule::Window1Top = prefModule::Window1Left = 0;
  }

  QString FilePath() const { return config_->Path() + "/rozovozu.txt"; }
  void WriteFile(const std::string& bytes) const {
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  QByteArray ReadFile() const {
    QFile file(FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList FolderEntries() const { return QDir(config_->Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
  std::unique_ptr<testing_support::TempConfigHome> config_;
};
