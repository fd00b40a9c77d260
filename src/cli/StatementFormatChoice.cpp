#include "StatementFormatChoice.h"

#include <iostream>
#include <optional>
#include <stdexcept>

#include "import/CsvProfiles.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementFormats.h"
#include "import/StatementRecognition.h"

namespace tf::cli {

bool IsAutoFormat(const std::string& text) {
  return text == "auto";
}

int ResolveStatementFormat(int format, const std::string& statement) {
  if (format != kAutoFormat) return format;
  const std::optional<TStatementRecognition> found = RecogniseStatementFile(statement);
  if (!found || found->Format == 0) {
    throw std::runtime_error(std::string(kUnrecognisedStatementMessage) + ": \"" + statement +
                             "\". Name its layout with --format N (1 to 7).");
  }
  const TStatementFormat& chosen = StatementFormats()[static_cast<std::size_t>(found->Format - 1)];
  std::cerr << found->Sentence << ": reading it as format " << chosen.Number << ", " << chosen.Name
            << '\n';
  return found->Format;
}

bool IsBuiltInLayout(const std::string& statement) {
  const std::optional<TStatementRecognition> found = RecogniseStatementFile(statement);
  return found && found->Format != 0;
}

std::string FittingProfileName(const TAccount& root, const std::string& statement) {
  const std::vector<TFormatCandidate> candidates = ProfileCandidates(LoadCsvProfiles(root));
  const std::optional<TStatementRecognition> found = RecogniseStatementFile(statement, candidates);
  if (!found || found->Candidate < 0) {
    throw std::runtime_error(std::string(kUnrecognisedStatementMessage) + ": \"" + statement +
                             "\". Name its layout with --format N (1 to 7) or --profile NAME.");
  }
  std::cerr << found->Sentence << ": reading it through that profile\n";
  return candidates[static_cast<std::size_t>(found->Candidate)].Name;
}

}  // namespace tf::cli
