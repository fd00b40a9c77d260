// A temporary documents and program folder for the application context, a
// scripted password prompt, and small data files written through the store.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/Global.h"
#include "base/MemoryPreferenceStore.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

namespace tf::testing {

namespace fs = std::filesystem;

// What the user does in the prompt, one answer per time it opens.
struct TScriptedPrompt {
  std::deque<std::optional<std::string>> Answers;  // no value: "Cancel"
  std::vector<std::string> InitialTexts;           // what each prompt showed
};

struct GlobalTest : ::testing::Test {
  fs::path root;
  TScriptedPrompt prompt;
  TMemoryPreferenceStore* preferences = nullptr;
  TDateTime clock = 0;  // the context's current time; 0: the system's

  void SetUp() override {
    root = fs::temp_directory_path() /
           ("tallyfold-app-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "Documents");
    fs::create_directories(root / "program");
    Start();
  }
  void TearDown() override {
    Global().Reset();
    fs::remove_all(root);
  }

  // The context as the desktop program starts it, on the temporary folders.
  void Start() {
    TGlobalServices services;
    auto store = std::make_unique<TMemoryPreferenceStore>();
    preferences = store.get();
    services.Preferences = std::move(store);
    services.DocumentsFolder = [this] {
      return std::optional<std::string>((root / "Documents").string());
    };
    services.ProgramFolder = [this] { return (root / "program").string(); };
    services.PasswordPrompt = [this](const std::string& initial) -> std::optional<std::string> {
      prompt.InitialTexts.push_back(initial);
      if (prompt.Answers.empty()) return std::nullopt;
      auto answer = prompt.Answers.front();
      prompt.Answers.pop_front();
      return answer;
    };
    services.Clock = [this] { return clock != 0 ? clock : Now(); };
    Global().Initialise(std::move(services));
  }

  std::string DataFile() const {
    return (root / "Documents" / "Tallyfold" / "data.tfold").string();
  }
  std::string Path(const std::string& name) const { return (root / name).string(); }
};

// A data file with one account of two transactions, one of them marked
// Deleted, and the given file-wide values.
inline void WriteDataFile(const std::string& path, const std::string& password,
                          const std::string& categories) {
  TAccount file(nullptr, TBoneKind::List);
  file.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(password));
  file.ListFieldAt(TAccount::lfCategories)->SetValue(TVariant::String(categories));
  TAccount* account = file.NewAccount();
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
  for (int i = 0; i < 2; ++i) {
    TTransactions* row = account->TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String("05 Jan 2008"));
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{-125000}));
    row->Deleted = i == 1;
  }
  fs::create_directories(fs::path(path).parent_path());
  file.SaveToFile(path, true);
}

inline std::string ReadPassword(const std::string& path) {
  TAccount file(nullptr, TBoneKind::List);
  file.LoadFromFile(path, true);
  return file.ListFieldAt(TAccount::lfPassword)->AsString();
}

}  // namespace tf::testing
