// dump and resave: the data file read through the store and shown or written
// back, so files can be checked without the window.
#include <cstdio>
#include <exception>
#include <iostream>

#include "CliCommand.h"
#include "CliData.h"
#include "model/Account.h"
#include "store/TreeDump.h"

namespace tf::cli {

int DumpCommand(const TArgs& args) {
  const std::string usage = std::string("usage: tallyfold-cli dump FILE|--data FILE ") +
                            "[--password-file FILE | --password TEXT]\n";
  return RunGuarded(usage, [&] {
    TArgs rest = args;
    TDataOptions data = TakeDataOptions(rest);
    if (rest.size() + (data.DataFile ? 1 : 0) != 1)
      throw ECliUsage("name one data file, as FILE or with --data FILE");
    if (!data.DataFile) data.DataFile = rest.front();
    TAccount root;
    root.LoadFromFile(*data.DataFile, true);
    // The stored tree is printed as read; opening it as the commands do is
    // only the password check, so a protected file is shown to its owner only.
    OpenDataFile(data);
    std::cout << DumpTreeJson(root) << '\n';
  });
}

int ResaveCommand(const TArgs& args) {
  if (args.size() != 2) {
    std::cerr << "usage: tallyfold-cli resave IN OUT\n";
    return 2;
  }
  try {
    TAccount root;
    root.LoadFromFile(args[0], true);
    root.SaveToFile(args[1], true);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tf::cli
