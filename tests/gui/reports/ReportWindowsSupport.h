// What the tests of the report chooser and its reports share: the context of
// the workspace tests with a few accounts, and the save and open requests of
// the report windows answered from a script.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "gui/reports/ReportWindowDialogs.h"
#include "workspace/WorkspaceGuiSupport.h"

namespace tf::test {

struct TReportScript {
  std::deque<std::optional<TChosenFile>> SaveFiles;  // beyond the script: Cancel
  std::vector<QString> DefaultNames;                 // the name each save dialog offered
  std::vector<QStringList> Filters;                  // the filters each save dialog offered
  std::vector<QString> Opened;                       // documents handed to the desktop
  std::vector<QString> Warnings;
};

inline TReportWindowDialogs ScriptedReportDialogs(std::shared_ptr<TReportScript> script) {
  TReportWindowDialogs dialogs;
  dialogs.ChooseSaveFile = [script](QWidget*, const QString&, const QStringList& filters,
                                    const QString& defaultName) {
    script->DefaultNames.push_back(defaultName);
    script->Filters.push_back(filters);
    if (script->SaveFiles.empty()) return std::optional<TChosenFile>{};
    std::optional<TChosenFile> answer = script->SaveFiles.front();
    script->SaveFiles.pop_front();
    return answer;
  };
  dialogs.OpenDocument = [script](const QString& path) { script->Opened.push_back(path); };
  dialogs.Warn = [script](QWidget*, const QString& title, const QString& text) {
    script->Warnings.push_back(title + QStringLiteral(": ") + text);
  };
  return dialogs;
}

struct TReportContext : TWorkspaceContext {
  std::shared_ptr<TReportScript> Reports = std::make_shared<TReportScript>();
  TReportWindowDialogs ReportDialogs = ScriptedReportDialogs(Reports);

  QString PathOf(const QString& name) const { return QDir(Home->path()).filePath(name); }
  // The next save dialog answers with this name in the test folder.
  void SaveAs(const QString& name, int filter = 1) {
    Reports->SaveFiles.push_back(TChosenFile{PathOf(name), filter});
  }
};

}  // namespace tf::test
