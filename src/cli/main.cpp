// tallyfold-cli: scripting and checking front end over the core.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  std::puts("usage: tallyfold-cli COMMAND ...");
  return argc > 1 && std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
}
