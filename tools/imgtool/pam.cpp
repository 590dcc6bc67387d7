#include "tools/imgtool/pam.h"

#include <cctype>
#include <stdexcept>
#include <string>

#include "imaging/stream.h"

namespace {

// A header token: a word, after whitespace and comments.
std::string Token(const std::vector<std::uint8_t>& b, std::size_t& pos) {
  for (;;) {
    while (pos < b.size() && std::isspace(b[pos])) ++pos;
    if (pos < b.size() && b[pos] == '#') {
      while (pos < b.size() && b[pos] != '\n') ++pos;
      continue;
    }
    break;
  }
  std::string t;
  while (pos < b.size() && !std::isspace(b[pos])) t += static_cast<char>(b[pos++]);
  return t;
}

std::uint32_t Number(const std::string& t) {
  if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos || t.size() > 6)
    throw std::runtime_error("bad number in picture header: " + t);
  return static_cast<std::uint32_t>(std::stoul(t));
}

}  // namespace

PamImage ReadPam(const std::vector<std::uint8_t>& b) {
  PamImage img;
  std::size_t pos = 0;
  const std::string magic = Token(b, pos);
  std::uint32_t maxval = 0;
  if (magic == "P6") {
    img.width = Number(Token(b, pos));
    img.height = Number(Token(b, pos));
    maxval = Number(Token(b, pos));
    img.channels = 3;
    ++pos;  // the one whitespace byte before the samples
  } else if (magic == "P7") {
    std::string type;
    for (std::string key = Token(b, pos); key != "ENDHDR"; key = Token(b, pos)) {
      if (key.empty()) throw std::runtime_error("PAM header without ENDHDR");
      if (key == "WIDTH") img.width = Number(Token(b, pos));
      if (key == "HEIGHT") img.height = Number(Token(b, pos));
      if (key == "DEPTH") img.channels = Number(Token(b, pos));
      if (key == "MAXVAL") maxval = Number(Token(b, pos));
      if (key == "TUPLTYPE") type = Token(b, pos);
    }
    ++pos;
    if (!(type == "RGB" && img.channels == 3) && !(type == "RGB_ALPHA" && img.channels == 4))
      throw std::runtime_error("PAM must be RGB or RGB_ALPHA");
  } else {
    throw std::runtime_error("not a P6 or P7 picture");
  }
  if (maxval != 255) throw std::runtime_error("only MAXVAL 255 is read");
  const std::size_t size = std::size_t{img.width} * img.height * img.channels;
  if (img.width == 0 || img.height == 0 || pos > b.size() || b.size() - pos < size)
    throw std::runtime_error("picture data is short");
  img.samples.assign(b.begin() + static_cast<std::ptrdiff_t>(pos),
                     b.begin() + static_cast<std::ptrdiff_t>(pos + size));
  return img;
}

void WritePam(const std::string& fileName, const PamImage& image) {
  const std::string header = "P7\nWIDTH " + std::to_string(image.width) + "\nHEIGHT " +
                             std::to_string(image.height) + "\nDEPTH " +
                             std::to_string(image.channels) + "\nMAXVAL 255\nTUPLTYPE " +
                             (image.channels == 4 ? "RGB_ALPHA" : "RGB") + "\nENDHDR\n";
  TFileStream out(fileName, TFileMode::fmCreate);
  out.WriteBuffer(header.data(), header.size());
  if (!image.samples.empty()) out.WriteBuffer(image.samples.data(), image.samples.size());
}
