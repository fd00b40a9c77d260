// What the application context needs from the operating system and the
// windows, supplied by the desktop program, the command line or a test: the
// preference store, the documents and program folders and the password prompt.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/PreferenceStore.h"
#include "store/DateTime.h"

namespace tf {

struct TGlobalServices {
  // The user's preferences; an empty pointer keeps them in memory only.
  std::unique_ptr<TPreferenceStore> Preferences;

  // The user's documents folder. No value: the system could not be asked
  // (the data file then lives in the working directory); empty text: the
  // system answered without a file-system path (the program folder is used).
  // An exception counts as the latter.
  std::function<std::optional<std::string>()> DocumentsFolder;

  // The folder of the program file; empty text when it is unknown.
  std::function<std::string()> ProgramFolder;

  // Shows the password prompt with `initial` in its edit box. The entry as
  // typed after "Ok", no value after "Cancel". Without a prompt every
  // request counts as cancelled.
  std::function<std::optional<std::string>(const std::string& initial)> PasswordPrompt;

  // The current local date and time, which names the day's backup; empty:
  // the system clock.
  std::function<TDateTime()> Clock;
};

}  // namespace tf
