#include "gui/workspace/StatementImportCommand.h"

#include <QFile>
#include <memory>
#include <optional>

#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/ProfileImportCommand.h"
#include "import/CSVParser.h"
#include "import/CsvProfiles.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFile.h"
#include "import/StatementFileError.h"
#include "import/StatementFormats.h"
#include "import/StatementRecognition.h"

namespace tf {
namespace {

// The format of the chosen filter; the one the dialog opened with when the
// dialog names no filter of the list.
int ChosenFormat(const TChosenFile& chosen, int initial) {
  const int count = static_cast<int>(StatementFormats().size());
  if (chosen.FilterIndex == kOtherBankFilter) return kOtherBankFilter;
  return chosen.FilterIndex >= 1 && chosen.FilterIndex <= count ? chosen.FilterIndex : initial;
}

// The layout the file's first lines show, where one does; the chosen one
// otherwise. The sentence is empty when nothing was recognised.
int RecognisedFormat(const std::string& fileName, int chosen,
                     const std::vector<TCsvProfile>& profiles, std::string& sentence,
                     bool& fitsProfile) {
  const std::vector<TFormatCandidate> candidates = ProfileCandidates(profiles);
  const std::optional<TStatementRecognition> found =
      RecogniseStatementFormat(ReadStatementLines(fileName), candidates);
  fitsProfile = found && found->Candidate >= 0;
  if (!found || found->Format == 0) return chosen;
  sentence = found->Sentence;
  return found->Format;
}

}  // namespace

QStringList StatementOpenFilters() {
  QStringList filters;
  for (const TStatementFormat& format : StatementFormats())
    filters << QString::fromStdString(StatementFormatFilter(format));
  filters << QString::fromUtf8(kOtherBankFilterText);
  return filters;
}

bool ImportStatement(QWidget* parent, TGlobal& global, TAccount* selectedAccount,
                     const TWorkspaceDialogs& dialogs) {
  const int initial = global.GetImportFileIndex();
  const std::optional<TChosenFile> chosen = dialogs.ChooseOpenFile(
      parent, QString::fromLatin1(kStatementOpenTitle), StatementOpenFilters(), initial);
  if (!chosen || chosen->Path.isEmpty()) return false;
  const std::string fileName = QFile::encodeName(chosen->Path).toStdString();
  const int chosenFormat = ChosenFormat(*chosen, initial);
  // A file the user sends to the column mapping goes there whatever it looks like.
  if (chosenFormat == kOtherBankFilter) {
    global.SetImportFileIndex(chosenFormat);
    return ImportWithProfile(parent, global, selectedAccount, dialogs, fileName);
  }
  std::string recognition;
  bool fitsProfile = false;
  const int format = RecognisedFormat(fileName, chosenFormat, LoadCsvProfiles(global.Accounts),
                                      recognition, fitsProfile);
  // A saved mapping fits: the mapping dialog opens on it.
  if (fitsProfile) return ImportWithProfile(parent, global, selectedAccount, dialogs, fileName);
  global.SetImportFileIndex(format);
  const auto read = [&global, fileName](int as, std::string& refusal) {
    std::unique_ptr<TCSVParser> parser = global.CreateStatementParser(as);
    if (parser) refusal = LoadCheckedStatement(*parser, as, fileName);
    return parser;
  };
  std::string refusal;
  const std::unique_ptr<TCSVParser> parser = read(format, refusal);
  if (!refusal.empty()) {
    dialogs.Warn(parent, QStringLiteral("Warning"), QString::fromStdString(refusal));
    return false;
  }
  // Read again from the dialog, a file gone meanwhile is said there.
  const auto readAgain = [read](int as, std::string& refusal) {
    try {
      std::unique_ptr<TCSVParser> parser = read(as, refusal);
      if (!parser) refusal = "This format cannot be read here.";
      return parser;
    } catch (const TStatementFileError& error) {
      refusal = error.what();
      return std::unique_ptr<TCSVParser>();
    }
  };
  TfrmStatementImport dialog(dialogs, parent);
  dialog.OfferFormats(format, recognition, readAgain);
  const bool imported = dialog.ImportLines(*parser, global.Accounts, selectedAccount);
  if (imported) global.SetImportFileIndex(dialog.Format());
  return imported;
}

}  // namespace tf
