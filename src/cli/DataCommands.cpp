// dump and resave: the data file read through the store and shown or written
// back, so files can be checked without the window.
#include <cstdio>
#include <exception>
#include <iostream>

#include "CliCommand.h"
#include "model/Account.h"
#include "store/TreeDump.h"

namespace tf::cli {

int DumpCommand(const TArgs& args) {
  if (args.size() != 1) {
    std::cerr << "usage: tallyfold-cli dump FILE\n";
    return 2;
  }
  TAccount root;
  try {
    root.LoadFromFile(args[0], true);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  std::cout << DumpTreeJson(root) << '\n';
  return std::cout.good() ? 0 : 1;
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
