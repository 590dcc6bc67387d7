#pragma once
// Running imgtool as a user does, from a test: its exit code and output, and the PAM files it
// writes.
#include <cstdint>
#include <filesystem>
#include <string>

struct ToolRun {
  int exitCode;
  std::string out, err;
};

std::string Slurp(const std::filesystem::path& p);
// A folder of the test process's own for the files the tool reads and writes.
std::filesystem::path WorkDir();
// Runs `tool args`, with its standard output and error caught in WorkDir().
ToolRun RunTool(const std::string& tool, const std::string& args);

struct Pam {
  std::uint32_t width = 0, height = 0, channels = 0;
  std::string tupleType;
  std::string samples;
};
Pam ReadPam(const std::filesystem::path& p);
