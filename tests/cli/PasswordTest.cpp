// The password of a protected data file from --password-file, --password,
// a line of stdin or the terminal; a wrong one ends with status 2 and leaves
// the file as it was.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>

#include <cerrno>
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

// Users of command-line ledgers name the file first; either place works.
TEST_F(PasswordTest, DataOptionsStandBeforeOrAfterTheCommand) {
  const std::string file = "--data " + Quoted(data);
  const std::string secret = "--password-file " + Quoted(Path("right.txt"));
  const struct {
    std::string Args;
    int Status;
    std::string Out;
  } cases[] = {
      {file + " " + secret + " accounts", 0, kListing},
      {file + " accounts " + secret, 0, kListing},
      {"accounts " + file + " " + secret, 0, kListing},
      {file + " --password Secret transactions Cheque", 0, "\tSHOP\t\t-5.00\t-5.00\n"},
      {file + " --password wrong accounts", 2, ""},
      {file + " --password Secret", 2, ""},                                       // no command
      {file + " --password Secret frobnicate", 2, ""},                            // an unknown one
      {file + " accounts --data " + Quoted(data) + " --password Secret", 2, ""},  // twice
  };
  for (const auto& c : cases) {
    const TRun run = Run(c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args << "\n" << run.Err;
    if (c.Status == 0)
      EXPECT_NE(run.Out.find(c.Out), std::string::npos) << c.Args << "\n" << run.Out;
    else
      EXPECT_EQ(run.Out, "") << c.Args;
  }
}

// dump prints everything the file holds, its password too, so it opens a
// protected file only as the other commands do.
TEST_F(PasswordTest, DumpAsksForThePasswordOfAProtectedFile) {
  for (const std::string& args :
       {"dump " + Quoted(data) + " --password Secret", "--password Secret dump " + Quoted(data),
        "--data " + Quoted(data) + " --password-file " + Quoted(Path("right.txt")) + " dump"}) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 0) << args << "\n" << run.Err;
    EXPECT_NE(run.Out.find("[\"AccountName\",\"string\",\"Cheque\"]"), std::string::npos) << args;
  }
  for (const auto& [args, input] : std::initializer_list<std::pair<std::string, std::string>>{
           {"dump " + Quoted(data), ""},
           {"dump " + Quoted(data), "guess\n"},
           {"dump " + Quoted(data) + " --password guess", ""}}) {
    const TRun run = Run(args, input);
    EXPECT_EQ(run.Status, 2) << args << "\n" << run.Err;
    EXPECT_EQ(run.Out, "") << args;
  }
  EXPECT_EQ(Run("dump --data " + Quoted(data) + " " + Quoted(data) + " --password Secret").Status,
            2);
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
// shows, as a person would type it. Everything the terminal shows, whether
// echo was already off when the prompt appeared, and whether it was back on
// after. Every wait is for the command's output or its end; only a command
// that hangs for a minute is given up on.
struct TTerminalRun {
  int Status = -1;
  std::string Screen;
  bool PromptShown = false;
  bool EchoOffAtPrompt = false;
  bool EchoAfter = false;
};

constexpr auto kHangingCommand = std::chrono::seconds(60);

bool EchoIsOn(int master) {
  termios settings{};
  return tcgetattr(master, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
}

// Reads what the terminal shows until `until` holds for it or the command
// ends (the terminal's other side closes). False when the command ended or
// hung.
template <class TCondition>
bool ReadScreenUntil(int master, std::string& screen, TCondition until,
                     std::chrono::steady_clock::time_point deadline) {
  while (!until(screen)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd ready{master, POLLIN, 0};
    const int polled = poll(&ready, 1, static_cast<int>(left.count()));
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0) return false;
    char buffer[512];
    const ssize_t count = read(master, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;  // EIO once the command has ended
    screen.append(buffer, static_cast<std::size_t>(count));
  }
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
  const auto deadline = std::chrono::steady_clock::now() + kHangingCommand;
  const auto hasPrompt = [](const std::string& screen) {
    return screen.find("Password: ") != std::string::npos;
  };
  result.PromptShown = ReadScreenUntil(master, result.Screen, hasPrompt, deadline);
  bool hung = false;
  if (result.PromptShown) {
    // Typed the moment the prompt shows: echo must be off by then.
    result.EchoOffAtPrompt = !EchoIsOn(master);
    const std::string line = typed + "\r";
    if (write(master, line.data(), line.size()) < 0) hung = true;
    const auto never = [](const std::string&) { return false; };
    ReadScreenUntil(master, result.Screen, never, deadline);
    hung = hung || std::chrono::steady_clock::now() >= deadline;
  } else {
    hung = std::chrono::steady_clock::now() >= deadline;
  }
  if (hung) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  result.EchoAfter = EchoIsOn(master);
  close(master);
  result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TEST_F(PasswordTest, AtATerminalThePasswordIsAskedWithoutEcho) {
  const TTerminalRun right = RunAtTerminal(data, "Secret");
  ASSERT_TRUE(right.PromptShown) << right.Screen;
  EXPECT_TRUE(right.EchoOffAtPrompt) << "echo still on when \"Password: \" showed";
  EXPECT_EQ(right.Status, 0) << right.Screen;
  EXPECT_NE(right.Screen.find("Password: "), std::string::npos) << right.Screen;
  EXPECT_EQ(right.Screen.find("Secret"), std::string::npos) << "echoed: " << right.Screen;
  EXPECT_NE(right.Screen.find("Cheque\t\t-5.00"), std::string::npos) << right.Screen;
  EXPECT_TRUE(right.EchoAfter);

  const std::string before = ReadWholeFile(data);
  const TTerminalRun wrong = RunAtTerminal(data, "guess");
  ASSERT_TRUE(wrong.PromptShown) << wrong.Screen;
  EXPECT_TRUE(wrong.EchoOffAtPrompt);
  EXPECT_EQ(wrong.Status, 2) << wrong.Screen;
  EXPECT_EQ(wrong.Screen.find("guess"), std::string::npos) << "echoed: " << wrong.Screen;
  EXPECT_NE(wrong.Screen.find("The password typed does not open"), std::string::npos)
      << wrong.Screen;
  EXPECT_TRUE(wrong.EchoAfter);
  EXPECT_TRUE(ReadWholeFile(data) == before);
}

}  // namespace
}  // namespace tf::testing
