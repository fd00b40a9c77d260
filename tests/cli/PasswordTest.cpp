// The password of a protected data file from --password-file, --password,
// a line of stdin or the terminal; a wrong one ends with status 2 and leaves
// the file as it was.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>

#include <chrono>

#include "CliFixture.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::testing {
namespace {

// One account with a transaction that the file's one pattern recognises, so
// that recognise has something to save.
void WriteDataFile(const std::string& path, const std::string& password) {
  TAccount root;
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(password));
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
  TTransactions* row = account->TransactionsTable()->NewTransaction();
  row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String("SHOP"));
  row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency::FromUnits(-5)));
  TImportSettings* pattern = root.PatternTable()->NewPattern();
  pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String("shop"));
  pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String("Food"));
  root.SaveToFile(path, true);
}

constexpr const char* kListing = "Cheque\t\t-5.00\n";

struct PasswordTest : CliFixture {
  std::string data;
  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    WriteDataFile(data, " Secret ");  // stored passwords are compared trimmed
    WriteFileAtomically(Path("right.txt"), "Secret\n");
    WriteFileAtomically(Path("crlf.txt"), "Secret\r\nsecond line\r\n");
    WriteFileAtomically(Path("spaced.txt"), "  Secret\t");
    WriteFileAtomically(Path("wrong.txt"), "secret\n");
    WriteFileAtomically(Path("empty.txt"), "");
  }
  std::string DataArg() const { return "--data " + Quoted(data) + " "; }
};

TEST_F(PasswordTest, EverySourceOpensTheFileOnlyWithTheRightPassword) {
  const struct {
    std::string Options;
    std::string Stdin;
    int Status;
    std::string Message;
  } cases[] = {
      {"--password-file " + Quoted(Path("right.txt")), "", 0, ""},
      {"--password-file " + Quoted(Path("crlf.txt")), "", 0, ""},
      {"--password-file " + Quoted(Path("spaced.txt")), "", 0, ""},
      {"--password Secret", "wrong\n", 0, ""},  // stdin is not read then
      {"", "Secret\n", 0, ""},
      {"", "Secret", 0, ""},
      {"--password-file " + Quoted(Path("wrong.txt")), "Secret\n", 2,
       "The password in \"" + Path("wrong.txt") + "\" does not open \"" + data + "\"."},
      {"--password-file " + Quoted(Path("empty.txt")), "", 2, "does not open"},
      {"--password secret", "", 2, "The password given with --password does not open"},
      {"", "secret\nSecret\n", 2, "The password read from stdin does not open \"" + data + "\"."},
      {"", "\n", 2, "The password read from stdin does not open"},
      {"", "", 2, "is protected by a password; type it, pipe it to stdin, or give it with"},
      {"--password-file " + Quoted(Path("none.txt")), "", 1,
       "The password file \"" + Path("none.txt") + "\" cannot be read"},
      {"--password-file " + Quoted(dir.string()), "", 1, "is a folder"},
      {"--password Secret --password-file " + Quoted(Path("right.txt")), "", 2,
       "give the password with --password-file or --password, not both"},
  };
  for (const auto& c : cases) {
    const std::string before = ReadWholeFile(data);
    const TRun run = Run("recognise " + DataArg() + c.Options, c.Stdin);
    EXPECT_EQ(run.Status, c.Status) << c.Options << " / " << c.Stdin << ": " << run.Err;
    if (c.Status == 0) {
      EXPECT_EQ(run.Out, "1 transaction got a new category\n") << c.Options;
      WriteDataFile(data, " Secret ");  // uncategorised again for the next case
    } else {
      EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Options << "\n" << run.Err;
      EXPECT_EQ(run.Out, "") << c.Options;
      EXPECT_TRUE(ReadWholeFile(data) == before) << c.Options << ": the data file was written";
    }
  }
}

TEST_F(PasswordTest, AFileWithoutPasswordNeverReadsStdin) {
  for (const char* stored : {"", " \t "}) {  // blanks only: no password
    WriteDataFile(data, stored);
    const TRun run = Run("accounts " + DataArg(), "whatever\n");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, kListing);
    EXPECT_EQ(run.Err, "");
  }
}

// The command at a terminal of its own; `typed` is entered once the prompt
// shows. Everything the terminal shows, and whether echo was back on after.
struct TTerminalRun {
  int Status = -1;
  std::string Screen;
  bool EchoAfter = false;
};

bool ReadSome(int master, std::string& screen, int timeoutMs) {
  pollfd ready{master, POLLIN, 0};
  if (poll(&ready, 1, timeoutMs) <= 0) return false;
  char buffer[512];
  const ssize_t count = read(master, buffer, sizeof buffer);
  if (count <= 0) return false;  // EIO once the command has ended
  screen.append(buffer, static_cast<std::size_t>(count));
  return true;
}

TTerminalRun RunAtTerminal(const std::string& data, const std::string& typed) {
  TTerminalRun result;
  int master = -1;
  const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
  if (child == 0) {
    execl(TALLYFOLD_CLI, TALLYFOLD_CLI, "accounts", "--data", data.c_str(), nullptr);
    _exit(127);
  }
  if (child < 0) return result;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (result.Screen.find("Password: ") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline && ReadSome(master, result.Screen, 1000)) {
  }
  if (result.Screen.find("Password: ") != std::string::npos) {
    const std::string line = typed + "\r";
    if (write(master, line.data(), line.size()) < 0) kill(child, SIGKILL);
  } else {
    kill(child, SIGKILL);
  }
  while (std::chrono::steady_clock::now() < deadline && ReadSome(master, result.Screen, 1000)) {
  }
  int status = 0;
  if (waitpid(child, &status, WNOHANG) == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  termios settings{};
  result.EchoAfter = tcgetattr(master, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
  close(master);
  result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TEST_F(PasswordTest, AtATerminalThePasswordIsAskedWithoutEcho) {
  const TTerminalRun right = RunAtTerminal(data, "Secret");
  EXPECT_EQ(right.Status, 0) << right.Screen;
  EXPECT_NE(right.Screen.find("Password: "), std::string::npos) << right.Screen;
  EXPECT_EQ(right.Screen.find("Secret"), std::string::npos) << "echoed: " << right.Screen;
  EXPECT_NE(right.Screen.find("Cheque\t\t-5.00"), std::string::npos) << right.Screen;
  EXPECT_TRUE(right.EchoAfter);

  const std::string before = ReadWholeFile(data);
  const TTerminalRun wrong = RunAtTerminal(data, "guess");
  EXPECT_EQ(wrong.Status, 2) << wrong.Screen;
  EXPECT_EQ(wrong.Screen.find("guess"), std::string::npos) << "echoed: " << wrong.Screen;
  EXPECT_NE(wrong.Screen.find("The password typed does not open"), std::string::npos)
      << wrong.Screen;
  EXPECT_TRUE(wrong.EchoAfter);
  EXPECT_TRUE(ReadWholeFile(data) == before);
}

}  // namespace
}  // namespace tf::testing
