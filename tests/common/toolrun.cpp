#include "tests/common/toolrun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

fs::path WorkDir() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("imgtool_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

ToolRun RunTool(const std::string& tool, const std::string& args) {
  const fs::path out = WorkDir() / "stdout", err = WorkDir() / "stderr";
  const std::string command = tool + " " + args + " >" + out.string() + " 2>" + err.string();
  const int status = std::system(command.c_str());
  return {WEXITSTATUS(status), Slurp(out), Slurp(err)};
}

Pam ReadPam(const fs::path& p) {
  const std::string all = Slurp(p);
  const std::size_t end = all.find("ENDHDR\n");
  Pam pam;
  std::istringstream header(all.substr(0, end));
  std::string key;
  while (header >> key) {
    if (key == "WIDTH") header >> pam.width;
    if (key == "HEIGHT") header >> pam.height;
    if (key == "DEPTH") header >> pam.channels;
    if (key == "TUPLTYPE") header >> pam.tupleType;
  }
  pam.samples = all.substr(end + 7);
  return pam;
}
