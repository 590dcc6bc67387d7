#include "tools/imgtool/pam.h"

#include <stdexcept>
#include <string>

#include "imaging/stream.h"

void WritePam(const std::string& fileName, const PamImage& image) {
  const std::string header = "P7\nWIDTH " + std::to_string(image.width) + "\nHEIGHT " +
                             std::to_string(image.height) + "\nDEPTH " +
                             std::to_string(image.channels) + "\nMAXVAL 255\nTUPLTYPE " +
                             (image.channels == 4 ? "RGB_ALPHA" : "RGB") + "\nENDHDR\n";
  TFileStream out(fileName, TFileMode::fmCreate);
  out.WriteBuffer(header.data(), header.size());
  if (!image.samples.empty()) out.WriteBuffer(image.samples.data(), image.samples.size());
}
