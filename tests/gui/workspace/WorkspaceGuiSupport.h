// What the tests of the transactions page and its dialogs share: a fresh
// application context on a temporary folder with an opened (empty) data
// file, rows made to order, and dialogs answered from a script.
#pragma once

#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::test {

// The answers each kind of question gets, in order, and what was asked.
struct TDialogScript {
  std::deque<std::optional<QString>> TextAnswers;  // no value: Cancel
  std::deque<bool> ConfirmAnswers;                 // beyond the script: Yes
  TDateTime PickedDate = 0;
  std::function<bool()> ManageCategories = [] { return false; };
  std::vector<QString> Asked;  // titles of input boxes, texts of confirmations and messages
  std::vector<TDateTime> PickInitials;
  std::deque<std::optional<TChosenFile>> OpenFiles;  // beyond the script: Cancel
  std::deque<std::optional<TChosenFile>> SaveFiles;  // beyond the script: Cancel
  std::vector<int> FileInitialFilters;               // the filter each file dialog opened with
  // Answers a modal dialog of the page; by default it is accepted as it opened.
  std::function<int(QDialog&)> ExecDialog = [](QDialog&) { return int(QDialog::Accepted); };
};

inline TWorkspaceDialogs ScriptedDialogs(std::shared_ptr<TDialogScript> script) {
  TWorkspaceDialogs dialogs;
  dialogs.AskText = [script](QWidget*, const QString& title,
                             const QString&) -> std::optional<QString> {
    script->Asked.push_back(title);
    if (script->TextAnswers.empty()) return std::nullopt;
    std::optional<QString> answer;
    answer.swap(script->TextAnswers.front());
    script->TextAnswers.pop_front();
    return answer;
  };
  dialogs.Confirm = [script](QWidget*, const QString& text) {
    script->Asked.push_back(text);
    if (script->ConfirmAnswers.empty()) return true;
    const bool answer = script->ConfirmAnswers.front();
    script->ConfirmAnswers.pop_front();
    return answer;
  };
  dialogs.Inform = [script](QWidget*, const QString& title, const QString& text) {
    script->Asked.push_back(title + QStringLiteral(": ") + text);
  };
  dialogs.Warn = [script](QWidget*, const QString& title, const QString& text) {
    script->Asked.push_back(title + QStringLiteral(": ") + text);
  };
  dialogs.PickDate = [script](QWidget*, TDateTime initial) {
    script->PickInitials.push_back(initial);
    return script->PickedDate;
  };
  dialogs.ManageCategories = [script](QWidget*) { return script->ManageCategories(); };
  auto chooser = [script](std::deque<std::optional<TChosenFile>>& answers, int initialFilter) {
    script->FileInitialFilters.push_back(initialFilter);
    if (answers.empty()) return std::optional<TChosenFile>{};
    std::optional<TChosenFile> answer = answers.front();
    answers.pop_front();
    return answer;
  };
  dialogs.ChooseOpenFile = [script, chooser](QWidget*, const QString&, const QStringList&,
                                             int initial) {
    return chooser(script->OpenFiles, initial);
  };
  dialogs.ChooseSaveFile = [script, chooser](QWidget*, const QString&, const QStringList&,
                                             int initial) {
    return chooser(script->SaveFiles, initial);
  };
  dialogs.Exec = [script](QDialog& dialog) { return script->ExecDialog(dialog); };
  return dialogs;
}

// Global() on a new temporary folder, its (missing) data file opened, so
// that saving writes a file there.
struct TWorkspaceContext {
  std::unique_ptr<QTemporaryDir> Home = std::make_unique<QTemporaryDir>();
  std::shared_ptr<TDialogScript> Script = std::make_shared<TDialogScript>();
  TWorkspaceDialogs Dialogs = ScriptedDialogs(Script);

  TWorkspaceContext() {
    Global().Initialise(TestServices(Home->path(), std::make_shared<TPromptScript>()));
    Global().OpenDataFile();
    Global().Accounts.RebuildCategoryList();
    TAccount::Editor() = {};
    TTransactions::Editor() = {};
    TImportSettings::Editor() = {};
    TImportSettings::ListEditor() = {};
  }
  QString DataFile() const { return QString::fromStdString(Global().DataFilePath()); }
};

inline TAccount* AddAccount(const std::string& name, const std::string& id, double starting = 0,
                            int colour = 0) {
  TAccount* account = Global().Accounts.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  account->FieldAt(TAccount::fAccountType)->SetValue(TVariant::String("Current Account"));
  account->FieldAt(TAccount::fStartingBalance)
      ->SetValue(TVariant::Currency(TCurrency::FromDouble(starting)));
  account->ListFieldAt(TAccount::lfAccountColour)->SetValue(TVariant::Integer(colour));
  return account;
}

inline TTransactions* AddTransaction(TAccount& account, const std::string& date,
                                     const std::string& description, double amount,
                                     const std::string& category = "", int type = ttExpense,
                                     const std::string& id = "") {
  TTransactions* row = account.TransactionsTable()->NewTransaction();
  row->FieldAt(TTransactions::fTransactionID)->SetValue(TVariant::String(id));
  row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(date));
  row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
  row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency::FromDouble(amount)));
  row->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
  row->SetTransactionType(type);
  return row;
}

inline TImportSettings* AddPattern(const std::string& match, int matchType,
                                   const std::string& category, const std::string& accountId = "",
                                   int type = ttExpense) {
  TImportSettings* pattern = Global().Accounts.PatternTable()->NewPattern();
  pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(match));
  pattern->SetMatchType(matchType);
  pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String(category));
  pattern->FieldAt(TImportSettings::fAccountID)->SetValue(TVariant::String(accountId));
  pattern->SetTransactionType(type);
  return pattern;
}

inline std::string Text(const TBone& row, int field) {
  return row.FieldAt(field)->AsString();
}

}  // namespace tf::test
