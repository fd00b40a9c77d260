#include "GuiTestSupport.h"

#include <QFile>

#include "base/MemoryPreferenceStore.h"
#include "model/Account.h"

namespace tf::test {

TGlobalServices TestServices(const QString& documents, std::shared_ptr<TPromptScript> prompt) {
  TGlobalServices services;
  services.Preferences = std::make_unique<TMemoryPreferenceStore>();
  const std::string folder = documents.toStdString();
  services.DocumentsFolder = [folder]() -> std::optional<std::string> { return folder; };
  services.ProgramFolder = [folder] { return folder; };
  services.PasswordPrompt = [prompt](const std::string& initial) -> std::optional<std::string> {
    prompt->Initials.push_back(initial);
    if (prompt->Answers.empty()) return std::nullopt;
    std::optional<std::string> answer = prompt->Answers.front();
    prompt->Answers.pop_front();
    return answer;
  };
  return services;
}

void WriteDataFile(const QString& path, const std::string& password,
                   const std::vector<std::string>& accountNames) {
  TAccount root(nullptr, TBoneKind::List);
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(password));
  for (const std::string& name : accountNames) {
    TAccount* account = root.NewAccount();
    account->AssignNewId();
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  }
  root.SaveToFile(path.toStdString(), true);
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

}  // namespace tf::test
